#include "editor/highlight/SrcHighlighterMulti.h"

#include "editor/highlight/SrcHighlighterAttributes.h"
#include "editor/highlight/SrcSettingsStore.h"
#include "editor/support/SrcExceptions.h"

const char* const TSrcMultiSrc::kSelfReferenceError = "A SrcMultiSrc cannot be its own DefaultHighlighter.";

namespace {

// Whether Target can be reached from From through default and scheme
// highlighters of multi-highlighters.
bool Reaches(const TSrcCustomHighlighter* From, const TSrcMultiSrc* Target) {
    if (From == Target) {
        return true;
    }
    const auto* multi = dynamic_cast<const TSrcMultiSrc*>(From);
    if (!multi) {
        return false;
    }
    if (multi->DefaultHighlighter() && Reaches(multi->DefaultHighlighter(), Target)) {
        return true;
    }
    for (int i = 0; i < multi->Schemes().Count(); ++i) {
        const TSrcCustomHighlighter* highlighter = multi->Schemes().Items(i)->Highlighter();
        if (highlighter && Reaches(highlighter, Target)) {
            return true;
        }
    }
    return false;
}

}  // namespace

TSrcMultiSrc::TSrcMultiSrc(TComponent* AOwner) : TSrcCustomHighlighter(AOwner), schemes_(this) {}

TSrcMultiSrc::~TSrcMultiSrc() {
    Destroying();
    destroying_ = true;
    for (int i = 0; i < schemes_.Count(); ++i) {
        schemes_.Items(i)->SetHighlighter(nullptr);
    }
    SetDefaultHighlighter(nullptr);
}

void TSrcMultiSrc::SetDefaultHighlighter(TSrcCustomHighlighter* Value) {
    ReplaceHighlighter(defaultHighlighter_, Value);
}

void TSrcMultiSrc::SetOnCustomRange(const TCustomRangeEvent& Value) {
    onCustomRange_ = Value;
    SelectRangeProc();
    DefHighlightChange(this);
}

bool TSrcMultiSrc::References(const TSrcCustomHighlighter* Highlighter) const {
    if (defaultHighlighter_ == Highlighter) {
        return true;
    }
    for (int i = 0; i < schemes_.Count(); ++i) {
        if (schemes_.Items(i)->Highlighter() == Highlighter) {
            return true;
        }
    }
    return false;
}

// Hooks the new highlighter and unhooks the old one unless another slot
// still holds it, so that attribute changes of sub-highlighters reach the
// editors.
void TSrcMultiSrc::ReplaceHighlighter(TSrcCustomHighlighter*& Slot, TSrcCustomHighlighter* Value) {
    if (Slot == Value) {
        return;
    }
    if (Value && Reaches(Value, this)) {
        throw Exception(kSelfReferenceError);
    }
    const TNotifyEvent changed = DefHighlightChangeEvent();
    if (Value && !References(Value)) {
        Value->HookAttrChangeEvent(changed);
        Value->FreeNotification(this);
    }
    TSrcCustomHighlighter* old = Slot;
    Slot = Value;
    if (old && !References(old)) {
        old->UnhookAttrChangeEvent(changed);
        old->RemoveFreeNotification(this);
    }
    SchemesChanged();
}

void TSrcMultiSrc::SchemesChanged() {
    if (destroying_) {
        return;
    }
    SelectRangeProc();
    DefHighlightChange(this);
}

void TSrcMultiSrc::SelectRangeProc() {
    rangeProc_ = TRangeProc::New;
    if (onCustomRange_) {
        rangeProc_ = TRangeProc::Custom;
        return;
    }
    for (int i = 0; i < schemes_.Count(); ++i) {
        if (dynamic_cast<TSrcMultiSrc*>(schemes_.Items(i)->Highlighter())) {
            rangeProc_ = TRangeProc::Old;
        }
    }
}

void TSrcMultiSrc::Notification(TComponent* AComponent, TOperation Operation) {
    TSrcCustomHighlighter::Notification(AComponent, Operation);
    if (Operation != opRemove) {
        return;
    }
    if (AComponent == defaultHighlighter_) {
        SetDefaultHighlighter(nullptr);
    }
    for (int i = 0; i < schemes_.Count(); ++i) {
        if (schemes_.Items(i)->Highlighter() == AComponent) {
            schemes_.Items(i)->SetHighlighter(nullptr);
        }
    }
}

TSrcCustomHighlighter* TSrcMultiSrc::SchemeHighlighter(int Index) const {
    TScheme* scheme = schemes_.Items(Index);
    return scheme ? scheme->Highlighter() : nullptr;
}

TSrcCustomHighlighter* TSrcMultiSrc::InCharge() const {
    TSrcCustomHighlighter* scheme = SchemeHighlighter(currScheme_);
    return scheme ? scheme : defaultHighlighter_;
}

int TSrcMultiSrc::GetAttribCount() const {
    int count = schemes_.Count();
    if (defaultHighlighter_) {
        count += defaultHighlighter_->GetAttribCount();
    }
    for (int i = 0; i < schemes_.Count(); ++i) {
        if (TSrcCustomHighlighter* highlighter = SchemeHighlighter(i)) {
            count += highlighter->GetAttribCount();
        }
    }
    return count;
}

TSrcHighlighterAttributes* TSrcMultiSrc::GetAttribute(int Index) const {
    if (Index < 0) {
        return nullptr;
    }
    if (Index < schemes_.Count()) {
        return schemes_.Items(Index)->MarkerAttri();
    }
    Index -= schemes_.Count();
    std::vector<TSrcCustomHighlighter*> parts{defaultHighlighter_};
    for (int i = 0; i < schemes_.Count(); ++i) {
        parts.push_back(SchemeHighlighter(i));
    }
    for (TSrcCustomHighlighter* part : parts) {
        if (!part) {
            continue;
        }
        if (Index < part->GetAttribCount()) {
            return part->GetAttribute(Index);
        }
        Index -= part->GetAttribCount();
    }
    return nullptr;
}

TSrcHighlighterAttributes* TSrcMultiSrc::GetDefaultAttribute(int Index) const {
    TSrcCustomHighlighter* highlighter = InCharge();
    return highlighter ? highlighter->GetDefaultAttribute(Index) : nullptr;
}

TSrcCharSet TSrcMultiSrc::GetIdentChars() const {
    TSrcCustomHighlighter* highlighter = InCharge();
    return highlighter ? highlighter->GetIdentChars() : TSrcCustomHighlighter::GetIdentChars();
}

std::string TSrcMultiSrc::GetToken() const {
    return line_.substr(static_cast<size_t>(tokenPos_), static_cast<size_t>(run_ - tokenPos_));
}

TSrcHighlighterAttributes* TSrcMultiSrc::GetTokenAttribute() const {
    if (marker_) {
        TScheme* scheme = schemes_.Items(marker_->Scheme);
        return scheme ? scheme->MarkerAttri() : nullptr;
    }
    return tokenHighlighter_ ? tokenHighlighter_->GetTokenAttribute() : nullptr;
}

int TSrcMultiSrc::GetTokenKind() const {
    return !marker_ && tokenHighlighter_ ? tokenHighlighter_->GetTokenKind() : 0;
}

bool TSrcMultiSrc::SaveToRegistry(TSrcSettingsStore& RootKey, const std::string& Key) {
    return StoreSettings(RootKey, Key, true);
}

bool TSrcMultiSrc::LoadFromRegistry(TSrcSettingsStore& RootKey, const std::string& Key) {
    return StoreSettings(RootKey, Key, false);
}

// The default highlighter under Key\DefaultHighlighter; each scheme's
// marker attribute and highlighter under Key\SchemeName.
bool TSrcMultiSrc::StoreSettings(TSrcSettingsStore& RootKey, const std::string& Key, bool Save) {
    auto store = [&](TSrcCustomHighlighter* highlighter, const std::string& key) {
        return highlighter &&
               (Save ? highlighter->SaveToRegistry(RootKey, key) : highlighter->LoadFromRegistry(RootKey, key));
    };
    bool result = store(defaultHighlighter_, Key + "\\DefaultHighlighter");
    for (int i = 0; i < schemes_.Count(); ++i) {
        TScheme* scheme = schemes_.Items(i);
        const std::string schemeKey = Key + "\\" + scheme->SchemeName();
        RootKey.CloseKey();
        const bool opened = !scheme->SchemeName().empty() &&
                            (Save ? RootKey.OpenKey(schemeKey, true) : RootKey.OpenKeyReadOnly(schemeKey));
        if (!opened) {
            result = false;
            continue;
        }
        TSrcHighlighterAttributes* marker = scheme->MarkerAttri();
        result = (Save ? marker->SaveToRegistry(RootKey) : marker->LoadFromRegistry(RootKey)) && result;
        RootKey.CloseKey();
        result = store(scheme->Highlighter(), schemeKey) && result;
    }
    RootKey.CloseKey();
    return result;
}

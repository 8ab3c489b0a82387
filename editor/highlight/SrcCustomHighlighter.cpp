#include "editor/highlight/SrcCustomHighlighter.h"

#include <typeinfo>

#include "editor/support/IniFile.h"
#include "editor/highlight/SrcHighlighterAttributes.h"
#include "editor/highlight/SrcSettingsStore.h"

namespace {

const char kWordBreakChars[] = "!\"'()*+,-./:;=?[\\]^{|}";

}  // namespace

TSrcCharSet SrcDefaultWordBreakChars() { return CharSetOf(kWordBreakChars); }

TSrcCustomHighlighter::TSrcCustomHighlighter(TComponent* AOwner)
    : TComponent(AOwner), attrChangeHooks_(this) {
    wordBreakChars_ = SrcDefaultWordBreakChars();
    attributeList_.Duplicates = dupError;
    attributeList_.SetSorted(true);
    defaultFilter_.clear();
    enabled_ = true;
}

TSrcCustomHighlighter::~TSrcCustomHighlighter() {
    Destroying();
    for (int i = attributeList_.Count() - 1; i >= 0; --i) {
        delete static_cast<TSrcHighlighterAttributes*>(attributeList_.Objects(i));
    }
    attributeList_.Clear();
}

int TSrcCustomHighlighter::GetAttribCount() const { return attributeList_.Count(); }

TSrcHighlighterAttributes* TSrcCustomHighlighter::GetAttribute(int Index) const {
    if (Index < 0 || Index >= attributeList_.Count()) {
        return nullptr;
    }
    return static_cast<TSrcHighlighterAttributes*>(attributeList_.Objects(Index));
}

std::string TSrcCustomHighlighter::GetDefaultFilter() const { return defaultFilter_; }

TSrcCharSet TSrcCustomHighlighter::GetIdentChars() const { return CharRange(33, 255); }

std::string TSrcCustomHighlighter::GetSampleSource() const { return std::string(); }

bool TSrcCustomHighlighter::IsFilterStored() const { return true; }

void TSrcCustomHighlighter::SetDefaultFilter(const std::string& Value) { defaultFilter_ = Value; }

void TSrcCustomHighlighter::SetSampleSource(const std::string&) {}

void TSrcCustomHighlighter::SetWordBreakChars(const TSrcCharSet& AChars) { wordBreakChars_ = AChars; }

TSrcHighlighterCapabilities TSrcCustomHighlighter::GetCapabilities() const { return ClassCapabilities(); }

std::string TSrcCustomHighlighter::GetLanguageName() const { return ClassLanguageName(); }

TSrcEditRange TSrcCustomHighlighter::GetRange() const { return 0; }

bool TSrcCustomHighlighter::IsKeyword(const std::string&) const { return false; }

void TSrcCustomHighlighter::SetRange(TSrcEditRange) {}

void TSrcCustomHighlighter::ResetRange() {}

bool TSrcCustomHighlighter::UseUserSettings(int) { return false; }

void TSrcCustomHighlighter::EnumUserSettings(TStrings& Settings) { Settings.Clear(); }

bool TSrcCustomHighlighter::LoadFromRegistry(TSrcSettingsStore& RootKey, const std::string& Key) {
    RootKey.CloseKey();
    if (!RootKey.OpenKeyReadOnly(Key)) {
        RootKey.CloseKey();
        return false;
    }
    bool result = true;
    for (int i = 0; i < GetAttribCount(); ++i) {
        result = GetAttribute(i)->LoadFromRegistry(RootKey) && result;
    }
    RootKey.CloseKey();
    return result;
}

bool TSrcCustomHighlighter::SaveToRegistry(TSrcSettingsStore& RootKey, const std::string& Key) {
    RootKey.CloseKey();
    if (!RootKey.OpenKey(Key, true)) {
        RootKey.CloseKey();
        return false;
    }
    bool result = true;
    for (int i = 0; i < GetAttribCount(); ++i) {
        result = GetAttribute(i)->SaveToRegistry(RootKey) && result;
    }
    RootKey.CloseKey();
    return result;
}

bool TSrcCustomHighlighter::LoadFromFile(const std::string& FileName) {
    TIniFile ini(FileName);
    bool result = true;
    for (int i = 0; i < GetAttribCount(); ++i) {
        result = GetAttribute(i)->LoadFromFile(ini) && result;
    }
    return result;
}

bool TSrcCustomHighlighter::SaveToFile(const std::string& FileName) {
    TIniFile ini(FileName);
    ini.BeginUpdate();
    bool result = true;
    for (int i = 0; i < GetAttribCount(); ++i) {
        result = GetAttribute(i)->SaveToFile(ini) && result;
    }
    ini.EndUpdate();  // writes the file once
    return result;
}

void TSrcCustomHighlighter::Assign(const TPersistent* Source) {
    auto* source = dynamic_cast<const TSrcCustomHighlighter*>(Source);
    if (!source) {
        TPersistent::Assign(Source);
        return;
    }
    for (int i = 0; i < GetAttribCount(); ++i) {
        TSrcHighlighterAttributes* own = GetAttribute(i);
        for (int j = 0; j < source->GetAttribCount(); ++j) {
            TSrcHighlighterAttributes* other = source->GetAttribute(j);
            if (other->Name() == own->Name()) {
                own->Assign(other);
                break;
            }
        }
    }
    if (typeid(*source) == typeid(*this)) {
        SetSampleSource(source->GetSampleSource());
    }
    SetWordBreakChars(source->WordBreakChars());
    SetDefaultFilter(source->GetDefaultFilter());
    SetEnabled(source->Enabled());
}

void TSrcCustomHighlighter::Loaded() {
    TComponent::Loaded();
    DefHighlightChange(nullptr);
}

void TSrcCustomHighlighter::AddAttribute(TSrcHighlighterAttributes* Attri) {
    std::unique_ptr<TSrcHighlighterAttributes> owned(Attri);
    attributeList_.AddObject(Attri->Name(), Attri);
    owned.release();
}

void TSrcCustomHighlighter::SetAttributesOnChange(const TNotifyEvent& AEvent) {
    for (int i = GetAttribCount() - 1; i >= 0; --i) {
        TSrcHighlighterAttributes* attri = GetAttribute(i);
        attri->OnChange = AEvent;
        attri->InternalSaveDefaultValues();
    }
}

void TSrcCustomHighlighter::DefHighlightChange(TObject* Sender) {
    if (updateCount_ >= 1) {
        updateChange_ = true;
        return;
    }
    if (ComponentState().Contains(csLoading)) {
        return;
    }
    attrChangeHooks_.Sender = Sender;
    attrChangeHooks_.Fire();
}

void TSrcCustomHighlighter::HookAttrChangeEvent(const TNotifyEvent& ANotifyEvent) {
    attrChangeHooks_.Add(ANotifyEvent);
}

void TSrcCustomHighlighter::UnhookAttrChangeEvent(const TNotifyEvent& ANotifyEvent) {
    attrChangeHooks_.Remove(ANotifyEvent);
}

void TSrcCustomHighlighter::BeginUpdate() { ++updateCount_; }

void TSrcCustomHighlighter::EndUpdate() {
    if (updateCount_ < 1) {
        return;
    }
    if (--updateCount_ == 0 && updateChange_) {
        updateChange_ = false;
        DefHighlightChange(nullptr);
    }
}

void TSrcCustomHighlighter::NextToEol() {
    while (!GetEol()) {
        Next();
    }
}

void TSrcCustomHighlighter::SetEnabled(bool Value) {
    if (Value != enabled_) {
        enabled_ = Value;
        DefHighlightChange(nullptr);
    }
}

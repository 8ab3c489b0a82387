#include "editor/highlight/SrcMultiScheme.h"

#include <algorithm>
#include <cctype>

#include "editor/highlight/SrcHighlighterAttributes.h"
#include "editor/highlight/SrcHighlighterMulti.h"
#include "editor/search/SrcRegex.h"
#include "editor/support/SrcExceptions.h"

namespace {

std::unique_ptr<TRegex> CompileMarkerExpr(const std::string& Expr, bool CaseSensitive) {
    auto regex = std::make_unique<TRegex>();
    try {
        regex->SetExpression(Expr);
        regex->SetModifierStr(CaseSensitive ? "-i" : "i");
        regex->Compile();
    } catch (const ERegex& e) {
        throw Exception(FormatText("\"%s\" is not a valid Regular Expression.\rError (pos %d): %s", Expr.c_str(),
                                   e.CompilerErrorPos, TRegex::ErrorMsg(e.ErrorCode).c_str()));
    }
    return regex;
}

std::string UpperCase(std::string Text) {
    for (char& c : Text) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return Text;
}

bool FindIn(TRegex* Regex, const std::string& Text, int& Pos, int& Length) {
    if (!Regex) {
        return false;
    }
    try {
        if (!Regex->Exec(Text)) {
            return false;
        }
    } catch (const ERegex&) {
        return false;  // a run over its limits finds nothing
    }
    Pos = Regex->GetMatchPos(0);
    Length = Regex->GetMatchLen(0);
    return true;
}

}  // namespace

TScheme::TScheme(TSchemes* Collection)
    : collection_(Collection), markerAttri_(std::make_unique<TSrcHighlighterAttributes>("Marker")) {
    markerAttri_->SetBackground(clYellow);
    markerAttri_->SetStyle({fsBold});
    markerAttri_->InternalSaveDefaultValues();
    markerAttri_->OnChange = TNotifyEvent::Of<&TScheme::MarkerAttriChanged>(this);
}

TScheme::~TScheme() { SetHighlighter(nullptr); }

void TScheme::MarkerAttriChanged(TObject* Sender) {
    if (TSrcMultiSrc* owner = OwnerHighlighter()) {
        owner->DefHighlightChange(Sender);
    }
}

TSrcMultiSrc* TScheme::OwnerHighlighter() const { return collection_ ? collection_->owner_ : nullptr; }

void TScheme::Changed() {
    if (collection_) {
        collection_->Update();
    }
}

void TScheme::SetCaseSensitive(bool Value) {
    if (Value == caseSensitive_) {
        return;
    }
    caseSensitive_ = Value;
    const char* modifiers = Value ? "-i" : "i";
    for (TRegex* regex : {startRegex_.get(), endRegex_.get()}) {
        if (regex) {
            regex->SetModifierStr(modifiers);
            regex->Compile();
        }
    }
    Changed();
}

void TScheme::SetExpr(std::string& Expr, std::unique_ptr<TRegex>& Regex, const std::string& Value) {
    std::unique_ptr<TRegex> compiled = Value.empty() ? nullptr : CompileMarkerExpr(Value, caseSensitive_);
    const bool differs = caseSensitive_ ? Expr != Value : UpperCase(Expr) != UpperCase(Value);
    Expr = Value;
    Regex = std::move(compiled);
    if (differs) {
        Changed();
    }
}

void TScheme::SetStartExpr(const std::string& Value) { SetExpr(startExpr_, startRegex_, Value); }

void TScheme::SetEndExpr(const std::string& Value) { SetExpr(endExpr_, endRegex_, Value); }

void TScheme::SetHighlighter(TSrcCustomHighlighter* Value) {
    if (TSrcMultiSrc* owner = OwnerHighlighter()) {
        owner->ReplaceHighlighter(highlighter_, Value);
    } else {
        highlighter_ = Value;
    }
}

void TScheme::SetSchemeName(const std::string& Value) {
    schemeName_ = Value;
    Changed();
}

std::string TScheme::DisplayName() const { return schemeName_.empty() ? "TScheme" : schemeName_; }

int TScheme::Index() const { return collection_ ? collection_->IndexOf(this) : -1; }

bool TScheme::FindStart(const std::string& Text, int& Pos, int& Length) const {
    return FindIn(startRegex_.get(), Text, Pos, Length);
}

bool TScheme::FindEnd(const std::string& Text, int& Pos, int& Length) const {
    return FindIn(endRegex_.get(), Text, Pos, Length);
}

TScheme* TSchemes::Add() {
    items_.push_back(std::make_unique<TScheme>(this));
    Update();
    return items_.back().get();
}

void TSchemes::Delete(int Index) {
    if (Index < 0 || Index >= Count()) {
        throw EListError(FormatText("List index out of bounds (%d)", Index));
    }
    std::unique_ptr<TScheme> gone = std::move(items_[static_cast<size_t>(Index)]);
    items_.erase(items_.begin() + Index);
    gone.reset();  // releases its highlighter once it has left the collection
    Update();
}

void TSchemes::Clear() {
    if (items_.empty()) {
        return;
    }
    while (!items_.empty()) {
        std::unique_ptr<TScheme> gone = std::move(items_.back());
        items_.pop_back();
    }
    Update();
}

TScheme* TSchemes::Items(int Index) const {
    return Index >= 0 && Index < Count() ? items_[static_cast<size_t>(Index)].get() : nullptr;
}

int TSchemes::IndexOf(const TScheme* Item) const {
    auto it = std::find_if(items_.begin(), items_.end(), [Item](const auto& item) { return item.get() == Item; });
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void TSchemes::Update() {
    if (owner_) {
        owner_->SchemesChanged();
    }
}

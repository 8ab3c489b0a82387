#include <algorithm>

#include "editor/highlight/SrcCustomHighlighter.h"
#include "editor/control/SrcEdit.h"
#include "editor/highlight/SrcHighlighterAttributes.h"

void TCustomSrcEdit::SetHighlighter(TSrcCustomHighlighter* Value) {
    if (Value == highlighter_) {
        return;
    }
    TNotifyEvent changed = TNotifyEvent::Of<&TCustomSrcEdit::HighlighterAttrChanged>(this);
    if (highlighter_) {
        highlighter_->UnhookAttrChangeEvent(changed);
        RemoveFreeNotification(highlighter_);
    }
    if (Value) {
        Value->HookAttrChangeEvent(changed);
        FreeNotification(Value);
    }
    highlighter_ = Value;
    if (!destroying_ && !ComponentState().Contains(csLoading)) {
        HighlighterAttrChanged(highlighter_);
    }
}

void TCustomSrcEdit::HighlighterAttrChanged(TObject* Sender) {
    RecalcCharExtent();
    if (dynamic_cast<TSrcCustomHighlighter*>(Sender)) {
        TStringsUpdate update(*lines_);
        ScanRanges();
    } else {
        Invalidate();
    }
    SizeOrFontChanged(true);
}

std::vector<TFontStyles> TCustomSrcEdit::StylesInUse() const {
    const TFontStyles boldItalic{fsBold, fsItalic};
    std::vector<TFontStyles> styles;
    if (highlighter_ && highlighter_->GetAttribCount() > 0) {
        for (int i = 0; i < highlighter_->GetAttribCount(); ++i) {
            if (TSrcHighlighterAttributes* attribute = highlighter_->Attribute(i)) {
                styles.push_back(attribute->Style() * boldItalic);
            }
        }
        return styles;
    }
    return {font_.Style() * boldItalic};
}

int TCustomSrcEdit::ScanFrom(int Index) {
    int result = Index;
    if (!highlighter_ || Index < 0 || Index >= lines_->Count()) {
        return result;
    }
    if (result == 0) {
        highlighter_->ResetRange();
    } else {
        highlighter_->SetRange(lines_->Ranges(result - 1));
    }
    do {
        highlighter_->SetLine(lines_->Get(result), result);
        highlighter_->NextToEol();
        TSrcEditRange range = highlighter_->GetRange();
        if (lines_->Ranges(result) == range) {
            return result;
        }
        lines_->Ranges(result, range);
        ++result;
    } while (result < lines_->Count());
    return result - 1;
}

void TCustomSrcEdit::ScanRanges() {
    if (!highlighter_ || lines_->Count() == 0) {
        return;
    }
    highlighter_->ResetRange();
    for (int i = 0; i < lines_->Count(); ++i) {
        highlighter_->SetLine(lines_->Get(i), i);
        highlighter_->NextToEol();
        lines_->Ranges(i, highlighter_->GetRange());
    }
}

void TCustomSrcEdit::HighlighterStartLine(int Line) { HighlighterStartLine(Line, lines_->Line(Line - 1)); }

void TCustomSrcEdit::HighlighterStartLine(int Line, const std::string& Text) {
    if (Line <= 1) {
        highlighter_->ResetRange();
    } else {
        highlighter_->SetRange(lines_->Ranges(Line - 2));
    }
    highlighter_->SetLine(Text, Line - 1);
}

// The length of a prefix of Line whose tokens up to byte Bytes are those of
// the whole line: the first token past Bytes starts well before its end
// (a highlighter looks a few bytes ahead at most). Doubles until it does.
size_t TCustomSrcEdit::DecidingPrefix(int Line, int64_t Bytes) {
    constexpr size_t kLookAhead = 64;
    const std::string& text = lines_->Line(Line - 1);
    size_t size = static_cast<size_t>(std::clamp<int64_t>(Bytes, 0, INT32_MAX)) + 4 * kLookAhead;
    while (size < text.size()) {
        HighlighterStartLine(Line, text.substr(0, size));
        while (!highlighter_->GetEol() && highlighter_->GetTokenPos() <= Bytes) {
            highlighter_->Next();
        }
        if (!highlighter_->GetEol() && static_cast<size_t>(highlighter_->GetTokenPos()) + kLookAhead <= size) {
            return size;
        }
        size *= 2;
    }
    return text.size();
}

void TCustomSrcEdit::ForEachTokenUpTo(int Line, int64_t Bytes, const TTokenVisitor& Visit) {
    if (!highlighter_ || Line < 1 || Line > lines_->Count()) {
        return;
    }
    const std::string& text = lines_->Line(Line - 1);
    size_t size = DecidingPrefix(Line, Bytes);
    HighlighterStartLine(Line, size < text.size() ? text.substr(0, size) : text);
    while (!highlighter_->GetEol()) {
        if (!Visit(highlighter_->GetTokenPos(), highlighter_->GetToken(), highlighter_->GetTokenAttribute())) {
            return;
        }
        highlighter_->Next();
    }
}

void TCustomSrcEdit::ForEachToken(int Line, const TTokenVisitor& Visit) {
    if (!highlighter_ || Line < 1 || Line > lines_->Count()) {
        return;
    }
    HighlighterStartLine(Line);
    while (!highlighter_->GetEol()) {
        if (!Visit(highlighter_->GetTokenPos(), highlighter_->GetToken(), highlighter_->GetTokenAttribute())) {
            return;
        }
        highlighter_->Next();
    }
}

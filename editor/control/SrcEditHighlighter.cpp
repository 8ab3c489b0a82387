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
    lineTokens_.Clear();
    if (!destroying_ && !ComponentState().Contains(csLoading)) {
        HighlighterAttrChanged(highlighter_);
    }
}

void TCustomSrcEdit::HighlighterAttrChanged(TObject* Sender) {
    lineTokens_.Clear();
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

void TCustomSrcEdit::HighlighterStartLine(int Line) {
    StartHighlighterLine(*highlighter_, *lines_, Line, lines_->Line(Line - 1));
}

void TCustomSrcEdit::ForEachTokenIn(int Line, int64_t From, int64_t To, const TSrcTokenSpanVisitor& Visit) {
    if (highlighter_ && Line >= 1 && Line <= lines_->Count()) {
        lineTokens_.ForEach(*highlighter_, *lines_, Line, From, To, Visit);
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

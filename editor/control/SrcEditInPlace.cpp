#include "editor/control/SrcEdit.h"
#include "editor/control/SrcEditPaintLockGuard.h"

namespace {
bool IsLineEnd(char C) { return C == '\r' || C == '\n'; }

// The part of one line that a selection covers, in bytes.
struct TLineSpan {
    int Line;
    size_t From;
    size_t Length;
};

TLineSpan Clipped(int Line, const std::string& Text, int64_t From, int64_t To) {
    auto size = static_cast<int64_t>(Text.size());
    From = std::clamp<int64_t>(From, 0, size);
    To = std::clamp<int64_t>(To, From, size);
    return {Line, static_cast<size_t>(From), static_cast<size_t>(To - From)};
}
}  // namespace

// Puts NewText (of the text at From..To in normal or column mode, as
// DeletedSelText reads it; From before To) over that text, line by line,
// where it has the same shape: the lines and their lengths stay, so no
// line is inserted or deleted and no mark moves. False, with nothing
// changed, where the shapes differ or there is no text.
bool TCustomSrcEdit::ReplaceInPlace(TSrcSelectionMode Mode, const TBufferCoord& From, const TBufferCoord& To,
                                    const std::function<std::string(const std::string&)>& NewText,
                                    std::string& Replaced) {
    if (Mode == smLine) {
        return false;
    }
    const int last = std::min(To.Line, lines_->Count());
    const int64_t colFrom = std::min(From.Char, To.Char) - int64_t{1};
    const int64_t colTo = std::max(From.Char, To.Char) - int64_t{1};
    std::vector<TLineSpan> spans;
    std::string old;
    for (int line = std::max(From.Line, 1); line <= last; ++line) {
        const std::string& text = lines_->Line(line - 1);
        TLineSpan span = Clipped(line, text, colFrom, colTo);
        if (Mode == smNormal) {
            int64_t first = line == From.Line ? From.Char - int64_t{1} : 0;
            span = Clipped(line, text, first, line == To.Line ? To.Char - int64_t{1} : int64_t{INT32_MAX});
        }
        if (line > From.Line) {
            old += "\r\n";
        }
        old.append(text, span.From, span.Length);
        spans.push_back(span);
    }
    if (old.empty()) {
        return false;
    }
    const std::string text = NewText(old);
    if (old.size() != text.size()) {
        return false;
    }
    for (size_t i = 0; i < old.size(); ++i) {
        if ((IsLineEnd(old[i]) || IsLineEnd(text[i])) && old[i] != text[i]) {
            return false;
        }
    }
    TSrcPaintLockGuard lock(*this);
    TStringsUpdate update(*lines_);
    size_t at = 0;
    for (const TLineSpan& span : spans) {
        std::string line = lines_->Line(span.Line - 1);
        if (line.compare(span.From, span.Length, text, at, span.Length) != 0) {
            line.replace(span.From, span.Length, text, at, span.Length);
            lines_->Put(span.Line - 1, line);
        }
        at += span.Length + 2;
    }
    Replaced = std::move(old);
    return true;
}

#include <cstring>
#include <vector>

#include "editor/control/SrcEdit.h"
#include "editor/highlight/SrcCustomHighlighter.h"
#include "editor/text/SrcMiscProcs.h"

namespace {
constexpr char kBrackets[] = "()[]{}<>";

// Default identifier characters: 0-9, A-Z, _, a-z and the letters of
// 192-255 but for 215 and 247.
TSrcCharSet DefaultIdentChars() {
    TSrcCharSet chars = CharRange('0', '9') | CharRange('A', 'Z') | CharRange('a', 'z') | CharRange(192, 214) |
                        CharRange(216, 246) | CharRange(248, 255);
    chars.set('_');
    return chars;
}

// Which bytes of one line count for bracket matching: all of them without
// a highlighter, else those outside string and comment tokens. A line is
// tokenised once, and only when a bracket on it is asked about.
class TBracketLine {
public:
    TBracketLine(TCustomSrcEdit& Edit, TSrcCustomHighlighter* Highlighter)
        : edit_(Edit), highlighter_(Highlighter) {}

    void Start(int Line, const std::string& Text) {
        line_ = Line;
        length_ = Text.size();
        tokenised_ = false;
    }
    bool Counts(size_t Index) {
        if (!highlighter_) {
            return true;
        }
        if (!tokenised_) {
            Tokenise();
        }
        return counts_[Index] != 0;
    }

private:
    void Tokenise() {
        counts_.assign(length_, 1);
        TSrcHighlighterAttributes* stringAttri = highlighter_->GetDefaultAttribute(SRC_ATTR_STRING);
        TSrcHighlighterAttributes* commentAttri = highlighter_->GetDefaultAttribute(SRC_ATTR_COMMENT);
        edit_.ForEachToken(line_, [&](int Start, const std::string& Token, TSrcHighlighterAttributes* Attri) {
            if (Attri != stringAttri && Attri != commentAttri) {
                return true;
            }
            size_t from = static_cast<size_t>(std::max(Start, 0));
            size_t to = std::min(length_, from + Token.size());
            for (size_t i = from; i < to; ++i) {
                counts_[i] = 0;
            }
            return true;
        });
        tokenised_ = true;
    }

    TCustomSrcEdit& edit_;
    TSrcCustomHighlighter* highlighter_;
    int line_ = 0;
    size_t length_ = 0;
    bool tokenised_ = false;
    std::vector<char> counts_;
};
}  // namespace

TBufferCoord TCustomSrcEdit::GetMatchingBracketEx(const TBufferCoord& APoint) {
    if (APoint.Line < 1 || APoint.Line > lines_->Count()) {
        return BufferCoord(0, 0);
    }
    // Lines are read in place; the search changes none.
    const std::string* text = &lines_->Line(APoint.Line - 1);
    if (APoint.Char < 1 || static_cast<size_t>(APoint.Char) > text->size()) {
        return BufferCoord(0, 0);
    }
    const char* found = std::strchr(kBrackets, (*text)[static_cast<size_t>(APoint.Char - 1)]);
    if (!found || *found == '\0') {
        return BufferCoord(0, 0);
    }
    int index = static_cast<int>(found - kBrackets);
    bool forward = index % 2 == 0;
    char inc = kBrackets[index];
    char dec = kBrackets[forward ? index + 1 : index - 1];
    TBracketLine counts(*this, highlighter_);
    int depth = 1;
    int line = APoint.Line;
    int64_t pos = APoint.Char - 1;  // 0-based index of the bracket
    counts.Start(line, *text);
    while (true) {
        pos += forward ? 1 : -1;
        while (pos < 0 || pos >= static_cast<int64_t>(text->size())) {
            line += forward ? 1 : -1;
            if (line < 1 || line > lines_->Count()) {
                return BufferCoord(0, 0);
            }
            text = &lines_->Line(line - 1);
            counts.Start(line, *text);
            pos = forward ? 0 : static_cast<int64_t>(text->size()) - 1;
        }
        char c = (*text)[static_cast<size_t>(pos)];
        if ((c != inc && c != dec) || !counts.Counts(static_cast<size_t>(pos))) {
            continue;
        }
        depth += c == inc ? 1 : -1;
        if (depth == 0) {
            return BufferCoord(static_cast<int>(pos) + 1, line);
        }
    }
}

TBufferCoord TCustomSrcEdit::GetMatchingBracket() { return GetMatchingBracketEx(CaretXY()); }

void TCustomSrcEdit::FindMatchingBracket() {
    TBufferCoord match = GetMatchingBracket();
    if (match.Char > 0 && match.Line > 0) {
        SetCaretXY(match);
    }
}

bool TCustomSrcEdit::GetHighlighterAttriAtRowCol(const TBufferCoord& XY, std::string& Token,
                                                 TSrcHighlighterAttributes*& Attri) {
    int kind = 0;
    int start = 0;
    return GetHighlighterAttriAtRowColEx(XY, Token, kind, start, Attri);
}

bool TCustomSrcEdit::GetHighlighterAttriAtRowColEx(const TBufferCoord& XY, std::string& Token, int& TokenType,
                                                   int& Start, TSrcHighlighterAttributes*& Attri) {
    Token.clear();
    Attri = nullptr;
    bool found = false;
    if (highlighter_ && XY.Line >= 1 && XY.Line <= lines_->Count()) {
        ForEachToken(XY.Line, [&](int TokenStart, const std::string& Text, TSrcHighlighterAttributes* Attribute) {
            int64_t first = int64_t{TokenStart} + 1;
            if (XY.Char >= first && XY.Char < first + static_cast<int64_t>(Text.size())) {
                Token = Text;
                TokenType = highlighter_->GetTokenKind();
                Start = TokenStart + 1;
                Attri = Attribute;
                found = true;
            }
            return !found;
        });
    }
    return found;
}

std::string TCustomSrcEdit::GetWordAtRowCol(const TBufferCoord& XY) {
    if (XY.Line < 1 || XY.Line > lines_->Count()) {
        return std::string();
    }
    const std::string line = lines_->Get(XY.Line - 1);
    TSrcCharSet ident = highlighter_ ? highlighter_->IdentChars() : DefaultIdentChars();
    if (XY.Char < 1 || static_cast<size_t>(XY.Char) > line.size() ||
        !ident.test(static_cast<unsigned char>(line[static_cast<size_t>(XY.Char - 1)]))) {
        return std::string();
    }
    size_t first = static_cast<size_t>(XY.Char - 1);
    size_t last = first;
    while (first > 0 && ident.test(static_cast<unsigned char>(line[first - 1]))) {
        --first;
    }
    while (last + 1 < line.size() && ident.test(static_cast<unsigned char>(line[last + 1]))) {
        ++last;
    }
    return line.substr(first, last - first + 1);
}

// The Java highlighter's character procedures.
#include <array>
#include <cstring>

#include "editor/highlight/SrcHighlighterJava.h"
#include "editor/highlight/SrcJavaTables.h"

namespace {

constexpr unsigned char CR = 13;
constexpr unsigned char LF = 10;

constexpr bool IsSpaceChar(int C) { return C >= 1 && C <= 32 && C != LF && C != CR; }

constexpr bool IsDigit(int C) { return C >= '0' && C <= '9'; }

inline constexpr std::array<bool, 256> kNumberChars = [] {
    std::array<bool, 256> table{};
    for (int c = 0; c < 256; ++c) {
        table[c] = c == '-' || c == '.' || IsDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f') ||
                   c == 'L' || c == 'X' || c == 'l' || c == 'x';
    }
    return table;
}();

}  // namespace

// The procedure for each first character of a token.
struct TSrcJavaProcTable {
    using P = TSrcJavaSrc;
    std::array<TSrcJavaSrc::TProc, 256> procs;

    TSrcJavaProcTable() {
        for (int c = 0; c < 256; ++c) {
            procs[c] = &P::UnknownProc;
            if (IsSpaceChar(c)) {
                procs[c] = &P::SpaceProc;
            } else if (srcjava::kIdentChars[c] && c < 128) {
                procs[c] = IsDigit(c) ? &P::NumberProc : &P::IdentProc;
            }
        }
        procs[0] = &P::NullProc;
        procs[LF] = &P::LFProc;
        procs[CR] = &P::CRProc;
        procs['"'] = procs['\''] = &P::StringProc;
        procs['/'] = &P::SlashProc;
        procs['.'] = &P::PointProc;
        procs['#'] = procs['@'] = &P::InvalidProc;
        procs['!'] = &P::BangProc;
        procs['%'] = &P::PercentProc;
        procs['&'] = &P::AmpersandProc;
        procs['('] = &P::RoundOpenProc;
        procs[')'] = &P::RoundCloseProc;
        procs['*'] = &P::StarProc;
        procs['+'] = &P::PlusProc;
        procs[','] = &P::CommaProc;
        procs['-'] = &P::MinusProc;
        procs[':'] = &P::ColonProc;
        procs[';'] = &P::SemiColonProc;
        procs['?'] = &P::QuestionProc;
        procs['<'] = &P::LowerProc;
        procs['='] = &P::EqualProc;
        procs['>'] = &P::GreaterProc;
        procs['['] = &P::SquareOpenProc;
        procs[']'] = &P::SquareCloseProc;
        procs['^'] = &P::CaretProc;
        procs['{'] = &P::BraceOpenProc;
        procs['}'] = &P::BraceCloseProc;
        procs['~'] = &P::TildeProc;
        procs['|'] = &P::BarProc;
    }

    static const TSrcJavaProcTable& Instance() {
        static const TSrcJavaProcTable table;
        return table;
    }
};

void TSrcJavaSrc::Next() {
    tokenPos_ = run_;
    if (range_ == rsComment || range_ == rsDocument) {
        CommentProc();
        return;
    }
    range_ = rsUnknown;
    (this->*TSrcJavaProcTable::Instance().procs[At(run_)])();
}

void TSrcJavaSrc::NullProc() {
    if (AtEnd()) {
        tokenID_ = tkNull;
    } else {
        UnknownProc();
    }
}

void TSrcJavaSrc::SpaceProc() {
    tokenID_ = tkSpace;
    do {
        ++run_;
    } while (IsSpaceChar(At(run_)));
}

void TSrcJavaSrc::CRProc() {
    tokenID_ = tkSpace;
    ++run_;
    if (At(run_) == LF) {
        ++run_;
    }
}

void TSrcJavaSrc::LFProc() {
    tokenID_ = tkSpace;
    ++run_;
}

void TSrcJavaSrc::InvalidProc() {
    tokenID_ = tkInvalid;
    ++run_;
}

void TSrcJavaSrc::UnknownProc() {
    tokenID_ = tkUnknown;
    ++run_;
}

TtkTokenKind TSrcJavaSrc::IdentKind() {
    int hash = 0;
    int end = run_;
    for (unsigned char c = At(end); srcjava::kIdentChars[c]; c = At(++end)) {
        if (hash < srcjava::kKeywordSlots) {
            hash += srcjava::kHashValues[c];
        }
    }
    const int length = end - run_;
    if (hash >= srcjava::kKeywordSlots) {
        return tkIdentifier;
    }
    const srcjava::KeywordSlot& slot = srcjava::kKeywords[static_cast<size_t>(hash)];
    const char* text = line_.data() + run_;
    for (const char* word : {slot.First, slot.Second}) {
        if (word && std::strlen(word) == static_cast<size_t>(length) && std::memcmp(word, text, length) == 0) {
            return tkKey;
        }
    }
    return tkIdentifier;
}

void TSrcJavaSrc::IdentProc() {
    tokenID_ = IdentKind();
    while (srcjava::kIdentChars[At(run_)]) {
        ++run_;
    }
}

void TSrcJavaSrc::TakeNumberChars() {
    for (unsigned char c = At(run_); kNumberChars[c]; c = At(run_)) {
        if (c == '.' && At(run_ + 1) == '.') {
            break;
        }
        ++run_;
    }
}

void TSrcJavaSrc::NumberProc() {
    tokenID_ = tkNumber;
    ++run_;
    TakeNumberChars();
}

void TSrcJavaSrc::PointProc() {
    if (!IsDigit(At(run_ + 1))) {
        Symbol(xtkPoint, 1);
        return;
    }
    tokenID_ = tkNumber;
    run_ += 2;
    TakeNumberChars();
}

// Strings and character literals never span lines; an unclosed one ends
// before CR or LF, or at the end of the line.
void TSrcJavaSrc::StringProc() {
    tokenID_ = tkString;
    const unsigned char delimiter = At(run_);
    if (delimiter == '"' && At(run_ + 1) == '"' && At(run_ + 2) == '"') {
        run_ += 2;
    }
    do {
        const unsigned char c = At(run_);
        if (AtEnd() || c == CR || c == LF) {
            break;
        }
        if (c == '\\') {
            ++run_;
        }
        if (!AtEnd()) {
            ++run_;
        }
    } while (At(run_) != delimiter);
    if (!AtEnd() && At(run_) == delimiter) {
        ++run_;
    }
}

// Runs to "*/" (which ends the comment) or to the end of the line.
void TSrcJavaSrc::CommentTail() {
    while (!AtEnd()) {
        const unsigned char c = At(run_);
        if (c == '*' && At(run_ + 1) == '/') {
            run_ += 2;
            range_ = rsUnknown;
            return;
        }
        if (c == CR || c == LF) {
            return;
        }
        ++run_;
    }
}

void TSrcJavaSrc::SlashProc() {
    const unsigned char next = At(run_ + 1);
    if (next == '/') {
        tokenID_ = tkComment;
        run_ += 2;
        while (!AtEnd() && At(run_) != CR && At(run_) != LF) {
            ++run_;
        }
    } else if (next == '*') {
        if (At(run_ + 2) == '*') {
            tokenID_ = tkDocument;
            if (At(run_ + 3) == '/') {  // "/**/" is closed
                run_ += 4;
                return;
            }
            range_ = rsDocument;
            run_ += 3;
        } else {
            tokenID_ = tkComment;
            range_ = rsComment;
            run_ += 2;
        }
        CommentTail();
    } else if (next == '=') {
        Symbol(xtkDivideAssign, 2);
    } else {
        Symbol(xtkDivide, 1);
    }
}

// A comment continued from the line before.
void TSrcJavaSrc::CommentProc() {
    tokenID_ = range_ == rsComment ? tkComment : tkDocument;
    if (AtEnd()) {
        NullProc();
    } else if (At(run_) == LF) {
        LFProc();
    } else if (At(run_) == CR) {
        CRProc();
    } else {
        CommentTail();
    }
}

void TSrcJavaSrc::Symbol(TxtkTokenKind Kind, int Length) {
    tokenID_ = tkSymbol;
    extTokenID_ = Kind;
    run_ += Length;
}

void TSrcJavaSrc::BangProc() { At(run_ + 1) == '=' ? Symbol(xtkNotEqual, 2) : Symbol(xtkLogComplement, 1); }

void TSrcJavaSrc::PercentProc() {
    At(run_ + 1) == '=' ? Symbol(xtkRemainderAssign, 2) : Symbol(xtkRemainder, 1);
}

void TSrcJavaSrc::AmpersandProc() {
    const unsigned char next = At(run_ + 1);
    if (next == '&') {
        Symbol(xtkCondAnd, 2);
    } else if (next == '=') {
        Symbol(xtkAndAssign, 2);
    } else {
        Symbol(xtkAnd, 1);
    }
}

void TSrcJavaSrc::RoundOpenProc() {
    ++roundCount_;
    Symbol(xtkRoundOpen, 1);
}

void TSrcJavaSrc::RoundCloseProc() {
    --roundCount_;
    Symbol(xtkRoundClose, 1);
}

void TSrcJavaSrc::StarProc() { At(run_ + 1) == '=' ? Symbol(xtkMultiplyAssign, 2) : Symbol(xtkMultiply, 1); }

void TSrcJavaSrc::PlusProc() {
    const unsigned char next = At(run_ + 1);
    if (next == '+') {
        Symbol(xtkIncrement, 2);
    } else if (next == '=') {
        Symbol(xtkAddAssign, 2);
    } else {
        Symbol(xtkAdd, 1);
    }
}

void TSrcJavaSrc::CommaProc() { Symbol(xtkComma, 1); }

void TSrcJavaSrc::MinusProc() {
    const unsigned char next = At(run_ + 1);
    if (next == '-') {
        Symbol(xtkDecrement, 2);
    } else if (next == '=') {
        Symbol(xtkSubtractAssign, 2);
    } else {
        Symbol(xtkSubtract, 1);
    }
}

void TSrcJavaSrc::ColonProc() { Symbol(xtkColon, 1); }

void TSrcJavaSrc::SemiColonProc() { Symbol(xtkSemiColon, 1); }

void TSrcJavaSrc::QuestionProc() { Symbol(xtkQuestion, 1); }

void TSrcJavaSrc::LowerProc() {
    const unsigned char next = At(run_ + 1);
    if (next == '<') {
        At(run_ + 2) == '=' ? Symbol(xtkShiftLeftAssign, 3) : Symbol(xtkShiftLeft, 2);
    } else if (next == '=') {
        Symbol(xtkLessThanEqual, 2);
    } else {
        Symbol(xtkLessThan, 1);
    }
}

void TSrcJavaSrc::EqualProc() { At(run_ + 1) == '=' ? Symbol(xtkLogEqual, 2) : Symbol(xtkAssign, 1); }

void TSrcJavaSrc::GreaterProc() {
    const unsigned char next = At(run_ + 1);
    if (next == '=') {
        Symbol(xtkGreaterThanEqual, 2);
    } else if (next != '>') {
        Symbol(xtkGreaterThan, 1);
    } else if (At(run_ + 2) == '=') {
        Symbol(xtkShiftRightAssign, 3);
    } else if (At(run_ + 2) != '>') {
        Symbol(xtkShiftRight, 2);
    } else {
        At(run_ + 3) == '=' ? Symbol(xtkUnsignShiftRightAssign, 4) : Symbol(xtkUnsignShiftRight, 3);
    }
}

void TSrcJavaSrc::SquareOpenProc() {
    ++squareCount_;
    Symbol(xtkSquareOpen, 1);
}

void TSrcJavaSrc::SquareCloseProc() {
    --squareCount_;
    Symbol(xtkSquareClose, 1);
}

void TSrcJavaSrc::CaretProc() { At(run_ + 1) == '=' ? Symbol(xtkXorAssign, 2) : Symbol(xtkXor, 1); }

void TSrcJavaSrc::BraceOpenProc() { Symbol(xtkBraceOpen, 1); }

void TSrcJavaSrc::BraceCloseProc() { Symbol(xtkBraceClose, 1); }

void TSrcJavaSrc::TildeProc() { Symbol(xtkBitComplement, 1); }

void TSrcJavaSrc::BarProc() {
    const unsigned char next = At(run_ + 1);
    if (next == '=') {
        Symbol(xtkIncOrAssign, 2);
    } else if (next == '|') {
        Symbol(xtkCondOr, 2);
    } else {
        Symbol(xtkIncOr, 1);
    }
}

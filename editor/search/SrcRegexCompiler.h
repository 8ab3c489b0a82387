#pragma once
// The expression compiler: a recursive-descent parser that runs twice, first
// only counting bytes, then emitting into a buffer of exactly that size.
#include <algorithm>
#include <cstdint>
#include <string>

#include "editor/search/SrcRegexProgram.h"

namespace regex_program {

enum PieceFlags { WORST = 0, HASWIDTH = 1, SIMPLE = 2, SPSTART = 4 };
inline constexpr size_t NoNode = static_cast<size_t>(-1);
inline constexpr size_t MaxProgramSize = size_t(16) << 20;
inline constexpr int MaxRepeatDigits = 8;

struct Repeat {
    char Op = 0;
    int32_t Min = 0;
    int32_t Max = 0;
    bool Greedy = true;
};

// One class item: a character or a whole set (from "\d", "\w", ...).
struct ClassItem {
    bool IsSet = false;
    unsigned char Ch = 0;
    CharSet Set;
};

class Compiler {
public:
    Compiler(const std::string& expression, const TRegexSyntax& syntax, TRegexProgram& program, int& errorPos)
        : expr_(expression), syn_(syntax), prog_(program), errorPos_(errorPos) {}

    void Run();
    bool FirstPieceRepeats() const { return spStart_; }

private:
    const std::string& expr_;
    const TRegexSyntax& syn_;
    TRegexProgram& prog_;
    int& errorPos_;
    size_t pos_ = 0;
    size_t emit_ = 0;
    bool sizing_ = true;
    uint32_t mods_ = 0;
    int groups_ = 0;
    bool spStart_ = false;
    [[noreturn]] void Fault(int code) {
        errorPos_ = static_cast<int>(std::min(pos_, expr_.size())) + 1;
        throw TRegexFault{code};
    }
    bool AtEnd() const { return pos_ >= expr_.size(); }
    char Peek(size_t ahead = 0) const { return pos_ + ahead < expr_.size() ? expr_[pos_ + ahead] : '\0'; }
    bool On(uint32_t bit) const { return (mods_ & bit) != 0; }

    void Pass(bool sizing);

    // --- emission -------------------------------------------------------
    void Advance(size_t n);
    uint8_t* At(size_t at) { return prog_.Code.data() + at; }
    void Byte(uint8_t b);
    void Int(int32_t v);
    size_t Node(uint8_t op);
    // Puts a node (with `extra` operand bytes) in front of the node at `at`.
    void Insert(uint8_t op, size_t at, size_t extra);
    void SetNext(size_t node, size_t target) {
        WriteInt(At(node + 1), static_cast<int32_t>(static_cast<int64_t>(target) - static_cast<int64_t>(node)));
    }
    // Links the last node of the chain from p to val.
    void Tail(size_t p, size_t val);
    // Tail on the operand of a BRANCH; nothing for other nodes.
    void OpTail(size_t p, size_t val) {
        if (sizing_ || prog_.Op(p) != BRANCH) return;
        Tail(TRegexProgram::Operand(p), val);
    }

    // --- extended syntax ---------------------------------------------------
    void SkipExtended();

    // --- grammar ----------------------------------------------------------
    size_t Reg(bool paren, int& flags);
    size_t Branch(int& flags);
    bool BraceAt(size_t p) const;
    bool RepeatAt(size_t p) const;
    int32_t BraceNumber();
    bool ParseRepeat(Repeat& r);
    size_t Piece(int& flags);
    void SimpleRepeat(size_t ret, const Repeat& r);
    void ComplexRepeat(size_t ret, const Repeat& r);
    size_t Atom(int& flags);
    // "(?#...)" comments and "(?imsrgx-imsrgx)" modifier groups.
    size_t SpecialGroup();
    static uint32_t ModifierBitOf(char c);
    // Escapes that stand for a node of their own; NoNode for literal ones.
    size_t EscapeNode(char e, int& flags);
    CharSet NamedSet(int lower) const;
    CharSet CaseClosed(CharSet set) const;
    // The character of a literal escape; pos_ is on the letter after '\'.
    unsigned char EscapedChar();
    static int HexValue(char c);
    unsigned char HexCode();
    // Reads one literal character of a run; false (nothing consumed) at a
    // metacharacter or an escape that is a node of its own.
    bool LiteralToken(unsigned char& ch);
    size_t LiteralRun(int& flags);

    // --- classes ------------------------------------------------------------
    ClassItem ReadClassItem();
    void AddRange(CharSet& set, unsigned char lo, unsigned char hi);
    CharSet ParseClass(bool& negated);
    size_t ClassNode(const CharSet& members, bool negated);
};

}  // namespace regex_program

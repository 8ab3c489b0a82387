#pragma once
// The compiled form of a TRegex: byte 0 is the magic value, nodes follow from
// byte 1. A node is an opcode byte, a signed 32-bit offset from the node to
// the next node (0 = none), then its operand.
#include <array>
#include <bitset>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "editor/search/SrcByteScan.h"

namespace regex_program {

enum Opcode : uint8_t {
    END = 0, BOL = 1, EOL = 2, ANY = 3, ANYOF = 4, ANYBUT = 5, BRANCH = 6, BACK = 7, EXACTLY = 8,
    NOTHING = 9, STAR = 10, PLUS = 11, ANYDIGIT = 12, NOTDIGIT = 13, ANYLETTER = 14, NOTLETTER = 15,
    ANYSPACE = 16, NOTSPACE = 17, BRACES = 18, COMMENT = 19, EXACTLYCI = 20, ANYOFCI = 21,
    ANYBUTCI = 22, LOOPENTRY = 23, LOOP = 24, ANYOFTINYSET = 25, ANYBUTTINYSET = 26,
    ANYOFFULLSET = 27, BSUBEXP = 28, BSUBEXPCI = 29, STARNG = 30, PLUSNG = 31, BRACESNG = 32,
    LOOPNG = 33, BOLML = 34, EOLML = 35, ANYML = 36, BOUND = 37, NOTBOUND = 38,
    OPEN = 39,   // OPEN + n, n = 1..14
    CLOSE = 54,  // CLOSE + n, n = 1..14
};

constexpr uint8_t Magic = 0xD8;
constexpr int MaxGroups = 14;
constexpr size_t HeaderSize = 5;
constexpr int32_t InfiniteCount = 2147483646;
constexpr int LoopStackSize = 10;
constexpr uint32_t LaterChoice = 0x80000000u;
constexpr size_t MaxChoiceRows = 64;

using CharSet = std::bitset<256>;

inline int32_t ReadInt(const uint8_t* p) {
    int32_t v;
    std::memcpy(&v, p, sizeof v);
    return v;
}
inline void WriteInt(uint8_t* p, int32_t v) { std::memcpy(p, &v, sizeof v); }

}  // namespace regex_program

// Thrown inside the engine, turned into ERegex by TRegex::Error.
struct TRegexFault {
    int Code;
};

struct TRegexProgram {
    std::vector<uint8_t> Code;
    uint32_t Modifiers = 0;
    unsigned char (*InvertCase)(unsigned char) = nullptr;  // the case function it was compiled with
    int GroupCount = 0;
    bool FirstPieceRepeats = false;  // the first piece is a "*" or "+" repeat
    // analysis
    bool HasStartChar = false;
    char StartChar = 0;
    bool Anchored = false;
    std::string MustHave;
    regex_program::CharSet FirstCharSet;
    std::array<bool, 256> FirstCharTable{};  // FirstCharSet as a plain table
    std::array<bool, 256> Separators{};      // LineSeparators as a table
    std::array<unsigned char, 256> CaseMate{};  // InvertCase as a table
    // Search shortcuts: the one or two bytes every match begins with (no NUL),
    // a match only at line starts, a pattern that is one literal.
    int FirstByteCount = 0;
    unsigned char FirstBytes[2] = {};
    bool AtLineStarts = false;
    bool PureLiteral = false;
    // Literals that start every match (LeadLiteralLength 0 = none), found
    // by their first bytes and their bytes at LeadLiteralLength - 1.
    size_t LeadLiteralLength = 0;
    TLiteralStartFinder LeadLiteralFinder;
    // An unbounded greedy or possessive repeat after a lead of LeadLength
    // characters at the start: a failed try that counted its run up to R
    // resumes at R - LeadLength + 1 (LeadRepeat 0 = none).
    size_t LeadRepeat = 0;
    size_t LeadLength = 0;
    // Per node (indexed by its offset): the characters that may come next
    // where a BRANCH alternative or the rest after a repeat begins, as an
    // index into Sets (-1 = any), and whether a repeat gives nothing back.
    std::vector<int32_t> NodeSet;
    std::vector<uint8_t> Possessive;
    std::vector<std::array<bool, 256>> Sets;
    // Per BRANCH that starts a choice (by offset; -1 = none): a row of
    // Choices holding per character the first alternative whose NodeSet
    // takes it (0 = none), with LaterChoice set when a later one does too.
    std::vector<int32_t> ChoiceRow;
    std::vector<std::array<uint32_t, 256>> Choices;

    const uint8_t* Node(size_t at) const { return Code.data() + at; }
    uint8_t Op(size_t at) const { return Code[at]; }
    // Offset of the next node, or 0 when there is none.
    size_t Next(size_t at) const {
        int32_t off = regex_program::ReadInt(Code.data() + at + 1);
        return off == 0 ? 0 : static_cast<size_t>(static_cast<int64_t>(at) + off);
    }
    static size_t Operand(size_t at) { return at + regex_program::HeaderSize; }
};

// What the compiler and the matcher need from a TRegex instance.
struct TRegexSyntax {
    uint32_t Modifiers = 0;
    std::string SpaceChars;
    std::string WordChars;
    std::string LineSeparators;
    bool Paired = false;
    char PairFirst = 0;
    char PairSecond = 0;
    unsigned char (*InvertCase)(unsigned char) = nullptr;
};

namespace regex_program {
constexpr uint32_t ModI = 1, ModR = 2, ModS = 4, ModG = 8, ModM = 16, ModX = 32;

// Compiles; throws TRegexFault, leaving the stop position in errorPos (1-based).
void CompileProgram(const std::string& expression, const TRegexSyntax& syntax, TRegexProgram& program,
                    int& errorPos);
void AnalyseProgram(TRegexProgram& program, const TRegexSyntax& syntax);
// Fills NodeSet, Possessive, Choices and LeadRepeat.
void AnalyseContinuations(TRegexProgram& program, const TRegexSyntax& syntax);
const char* OpcodeName(uint8_t op, char* buffer, size_t size);
}  // namespace regex_program

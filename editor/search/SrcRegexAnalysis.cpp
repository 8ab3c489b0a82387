// Compile-time analysis: the characters that can begin a match, the start
// character, the anchored flag and the must-have string. Each result may only
// narrow where a match is tried, never change what matches.
#include <cstring>

#include "editor/search/SrcRegexFirstChars.h"

namespace regex_program {
namespace {

// The longest literal on the top-level chain (the last of equally long ones).
std::string LongestLiteral(const TRegexProgram& prog, size_t scan) {
    std::string best;
    size_t budget = prog.Code.size();
    for (; scan != 0 && budget-- > 0; scan = prog.Next(scan)) {
        if (prog.Op(scan) != EXACTLY) continue;
        std::string s(reinterpret_cast<const char*>(prog.Node(TRegexProgram::Operand(scan))));
        if (s.size() >= best.size()) best = s;
    }
    return best;
}

// The literal node every match begins with, looking past zero-width nodes; 0
// for none.
size_t LeadLiteral(const TRegexProgram& prog, size_t scan) {
    for (; scan != 0; scan = prog.Next(scan)) {
        uint8_t op = prog.Op(scan);
        if (op == EXACTLY || op == EXACTLYCI) return scan;
        bool zeroWidth = op == BOUND || op == NOTBOUND || op == COMMENT || op == NOTHING ||
                         (op > OPEN && op <= OPEN + MaxGroups) || (op > CLOSE && op <= CLOSE + MaxGroups);
        if (!zeroWidth) return 0;
    }
    return 0;
}

bool AddByte(unsigned char* pair, int& count, unsigned char c) {
    for (int i = 0; i < count; ++i)
        if (pair[i] == c) return true;
    if (count == 2) return false;
    pair[count++] = c;
    return true;
}

// The lead literal of one alternative, or the first two bytes of the literals
// that start every alternative, when they come down to two bytes a position.
void SetLeadLiteral(TRegexProgram& prog) {
    prog.LeadLiteralLength = 0;
    bool single = prog.Op(prog.Next(1)) == END;
    unsigned char bytes[2][2];
    int counts[2] = {0, 0};
    size_t length = 0;
    for (size_t branch = 1; branch != 0 && prog.Op(branch) == BRANCH; branch = prog.Next(branch)) {
        size_t node = LeadLiteral(prog, TRegexProgram::Operand(branch));
        if (node == 0) return;
        const uint8_t* text = prog.Node(TRegexProgram::Operand(node));
        size_t n = std::strlen(reinterpret_cast<const char*>(text));
        if (n < 2) return;
        length = single ? n : 2;
        bool ci = prog.Op(node) == EXACTLYCI;
        for (int i = 0; i < 2; ++i) {
            unsigned char c = text[i == 0 ? 0 : length - 1];
            if (!AddByte(bytes[i], counts[i], c) || (ci && !AddByte(bytes[i], counts[i], prog.CaseMate[c]))) return;
        }
    }
    if (length < 2) return;
    prog.LeadLiteralFinder =
        TLiteralStartFinder(bytes[0][0], bytes[0][counts[0] - 1], bytes[1][0], bytes[1][counts[1] - 1], length - 1);
    prog.LeadLiteralLength = length;
}

}  // namespace

void AnalyseProgram(TRegexProgram& program, const TRegexSyntax& syntax) {
    program.FirstCharSet = FirstCharsOf(program, syntax, 1);
    program.FirstByteCount = 0;
    for (int c = 0; c < 256; ++c) {
        program.FirstCharTable[static_cast<size_t>(c)] = program.FirstCharSet.test(c);
        program.CaseMate[static_cast<size_t>(c)] =
            syntax.InvertCase ? syntax.InvertCase(static_cast<unsigned char>(c)) : static_cast<unsigned char>(c);
    }
    if (!program.FirstCharSet.test(0) && program.FirstCharSet.count() <= 2)
        for (int c = 1; c < 256; ++c)
            if (program.FirstCharSet.test(c)) program.FirstBytes[program.FirstByteCount++] = static_cast<unsigned char>(c);
    program.Separators.fill(false);
    for (char c : syntax.LineSeparators) program.Separators[static_cast<unsigned char>(c)] = true;
    AnalyseContinuations(program, syntax);
    program.HasStartChar = false;
    program.Anchored = false;
    program.AtLineStarts = false;
    program.PureLiteral = false;
    program.MustHave.clear();
    SetLeadLiteral(program);
    if (program.Op(program.Next(1)) != END) return;  // more than one alternative
    size_t scan = TRegexProgram::Operand(1);
    if (program.Op(scan) == EXACTLY) {
        program.HasStartChar = true;
        program.StartChar = static_cast<char>(program.Code[TRegexProgram::Operand(scan)]);
        program.PureLiteral = program.Op(program.Next(scan)) == END;
    } else if (program.Op(scan) == BOL) {
        program.Anchored = true;
    } else if (program.Op(scan) == BOLML) {
        program.AtLineStarts = true;
    }
    if (program.FirstPieceRepeats) program.MustHave = LongestLiteral(program, scan);
}

}  // namespace regex_program

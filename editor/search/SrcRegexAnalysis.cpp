// Compile-time analysis: the characters that can begin a match, the start
// character, the anchored flag and the must-have string. Each result may only
// narrow where a match is tried, never change what matches.
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

// Compile-time analysis of what may follow each choice: the characters that
// can begin a BRANCH alternative or the rest after a simple repeat, whether a
// repeat can ever give back what it consumed, and a leading repeat whose
// failed try lets the search skip the starts whose lead ends inside its run,
// and per character the alternative a choice takes.
#include <cstring>
#include <vector>

#include "editor/search/SrcRegexFirstChars.h"

namespace regex_program {
namespace {

size_t OperandSize(const TRegexProgram& prog, size_t node) {
    const uint8_t* operand = prog.Node(TRegexProgram::Operand(node));
    size_t room = prog.Code.size() - TRegexProgram::Operand(node);
    switch (prog.Op(node)) {
    case ANYOF: case ANYBUT: case EXACTLY: case EXACTLYCI: case ANYOFCI: case ANYBUTCI:
        return strnlen(reinterpret_cast<const char*>(operand), room) + 1;
    case ANYOFTINYSET: case ANYBUTTINYSET: return 3;
    case ANYOFFULLSET: return 32;
    case BSUBEXP: case BSUBEXPCI: return 1;
    case BRACES: case BRACESNG: return 8;
    case LOOP: case LOOPNG: return 12;
    default: return 0;
    }
}

bool IsRepeat(uint8_t op) {
    return op == STAR || op == STARNG || op == PLUS || op == PLUSNG || op == BRACES || op == BRACESNG;
}

size_t RepeatOperand(const TRegexProgram& prog, size_t node) {
    size_t operand = TRegexProgram::Operand(node);
    return prog.Op(node) == BRACES || prog.Op(node) == BRACESNG ? operand + 8 : operand;
}

bool Unbounded(const TRegexProgram& prog, size_t node) {
    uint8_t op = prog.Op(node);
    return !(op == BRACES || op == BRACESNG) || ReadInt(prog.Node(TRegexProgram::Operand(node) + 4)) == InfiniteCount;
}

int32_t AddSet(TRegexProgram& prog, const CharSet& set) {
    if (set.all()) return -1;
    std::array<bool, 256> table{};
    for (int c = 0; c < 256; ++c) table[static_cast<size_t>(c)] = set.test(c);
    prog.Sets.push_back(table);
    return static_cast<int32_t>(prog.Sets.size() - 1);
}

// An unbounded repeat that starts every match, alone or after a literal or a
// one-character node, and that is greedy or gives nothing back: a later try
// whose lead ends inside the run the failed try counted ends that run at the
// same place and goes on from no position the failed try did not, so fails
// too. 0 when there is none; leadLength is the lead's length.
size_t FindLeadRepeat(const TRegexProgram& prog, const TRegexSyntax& syntax, bool hasBackReference,
                      size_t& leadLength) {
    leadLength = 0;
    if (prog.Op(prog.Next(1)) != END) return 0;
    size_t scan = TRegexProgram::Operand(1);
    while (!hasBackReference && prog.Op(scan) > OPEN && prog.Op(scan) <= OPEN + MaxGroups) scan = prog.Next(scan);
    size_t repeat = scan;
    if (!IsRepeat(prog.Op(scan))) {
        CharSet ignored;
        if (prog.Op(scan) == EXACTLY || prog.Op(scan) == EXACTLYCI)
            leadLength = OperandSize(prog, scan) - 1;
        else if (SingleChars(prog, syntax, scan, ignored))
            leadLength = 1;
        else
            return 0;
        repeat = prog.Next(scan);
    }
    if (repeat == 0 || !IsRepeat(prog.Op(repeat)) || !Unbounded(prog, repeat)) return 0;
    uint8_t op = prog.Op(repeat);
    bool greedy = op == STAR || op == PLUS || op == BRACES;
    return greedy || prog.Possessive[repeat] ? repeat : 0;
}

// Points each node past the nodes that do nothing after it, so that the
// matcher steps over none of them; BRANCH and LOOPENTRY keep their links,
// which say where a choice or a loop ends.
void SkipEmptyNodes(TRegexProgram& prog) {
    for (size_t scan = 1; scan + HeaderSize <= prog.Code.size();) {
        uint8_t op = prog.Op(scan);
        if (op == END) break;
        size_t next = prog.Next(scan);
        if (op != BRANCH && op != LOOPENTRY && next != 0) {
            for (size_t budget = prog.Code.size(); budget > 0; --budget) {
                uint8_t nextOp = prog.Op(next);
                if ((nextOp != NOTHING && nextOp != BACK && nextOp != COMMENT) || prog.Next(next) == 0) break;
                next = prog.Next(next);
            }
            WriteInt(prog.Code.data() + scan + 1,
                     static_cast<int32_t>(static_cast<int64_t>(next) - static_cast<int64_t>(scan)));
        }
        scan += HeaderSize + OperandSize(prog, scan);
    }
}

// A row of Choices for each BRANCH that starts a choice of several
// alternatives, as long as there are no more than MaxChoiceRows.
void AddChoices(TRegexProgram& prog, const std::vector<size_t>& branches) {
    std::vector<uint8_t> inside(prog.Code.size(), 0);
    for (size_t branch : branches)
        if (size_t next = prog.Next(branch); next != 0 && prog.Op(next) == BRANCH) inside[next] = 1;
    for (size_t head : branches) {
        if (inside[head] || prog.Op(prog.Next(head)) != BRANCH || prog.Choices.size() >= MaxChoiceRows) continue;
        std::array<uint32_t, 256> row{};
        for (size_t branch = head; branch != 0 && prog.Op(branch) == BRANCH; branch = prog.Next(branch)) {
            int32_t set = prog.NodeSet[branch];
            for (size_t c = 0; c < 256; ++c)
                if (set < 0 || prog.Sets[static_cast<size_t>(set)][c])
                    row[c] = row[c] == 0 ? static_cast<uint32_t>(branch) : row[c] | LaterChoice;
        }
        prog.ChoiceRow[head] = static_cast<int32_t>(prog.Choices.size());
        prog.Choices.push_back(row);
    }
}

}  // namespace

void AnalyseContinuations(TRegexProgram& program, const TRegexSyntax& syntax) {
    SkipEmptyNodes(program);
    program.NodeSet.assign(program.Code.size(), -1);
    program.Possessive.assign(program.Code.size(), 0);
    program.Sets.clear();
    program.ChoiceRow.assign(program.Code.size(), -1);
    program.Choices.clear();
    std::vector<size_t> branches;
    bool hasBackReference = false;
    for (size_t scan = 1; scan + HeaderSize <= program.Code.size();) {
        uint8_t op = program.Op(scan);
        if (op == BSUBEXP || op == BSUBEXPCI) hasBackReference = true;
        if (op == BRANCH) {
            branches.push_back(scan);
            program.NodeSet[scan] = AddSet(program, FirstCharsOf(program, syntax, TRegexProgram::Operand(scan)));
        } else if (IsRepeat(op)) {
            CharSet follow = FirstCharsOf(program, syntax, program.Next(scan));
            CharSet runs;
            SingleChars(program, syntax, RepeatOperand(program, scan), runs);
            program.NodeSet[scan] = AddSet(program, follow);
            program.Possessive[scan] = (follow & runs).none();
        }
        if (op == END) break;
        scan += HeaderSize + OperandSize(program, scan);
    }
    AddChoices(program, branches);
    program.LeadRepeat = FindLeadRepeat(program, syntax, hasBackReference, program.LeadLength);
}

}  // namespace regex_program

// Compile-time analysis: the characters that can begin a match, the start
// character, the anchored flag and the must-have string. Each result may only
// narrow where a match is tried, never change what matches.
#include "editor/search/SrcRegexProgram.h"

namespace regex_program {
namespace {

constexpr int MaxWalkDepth = 200;

class FirstChars {
public:
    FirstChars(const TRegexProgram& prog, const TRegexSyntax& syntax, CharSet& set)
        : prog_(prog), syn_(syntax), set_(set) {}

    // Adds the characters that can begin a match of the chain from scan.
    void Walk(size_t scan, int depth) {
        size_t budget = prog_.Code.size() + 1;
        if (depth > MaxWalkDepth) {
            set_.set();
            return;
        }
        while (scan != 0) {
            if (budget-- == 0) {
                set_.set();
                return;
            }
            uint8_t op = prog_.Op(scan);
            size_t next = prog_.Next(scan);
            switch (op) {
            case BOL: case BOLML: case BOUND: case NOTBOUND: case NOTHING: case COMMENT: case BACK:
            case LOOP: case LOOPNG:
                break;
            case EOL:
                set_.set(0);
                return;
            case EOLML:
                set_.set(0);
                for (char c : syn_.LineSeparators) set_.set(static_cast<unsigned char>(c));
                if (syn_.Paired) set_.set(static_cast<unsigned char>(syn_.PairFirst));
                return;
            case STAR: case STARNG: case PLUS: case PLUSNG:
                Single(TRegexProgram::Operand(scan));
                if (op == PLUS || op == PLUSNG) return;
                break;
            case BRACES: case BRACESNG:
                Single(TRegexProgram::Operand(scan) + 8);
                if (ReadInt(prog_.Node(TRegexProgram::Operand(scan))) > 0) return;
                break;
            case BRANCH:
                if (prog_.Op(next) != BRANCH) {
                    next = TRegexProgram::Operand(scan);
                    break;
                }
                for (size_t b = scan; b != 0 && prog_.Op(b) == BRANCH; b = prog_.Next(b))
                    Walk(TRegexProgram::Operand(b), depth + 1);
                return;
            case LOOPENTRY:
                Walk(TRegexProgram::Operand(scan), depth + 1);
                if (ReadInt(prog_.Node(TRegexProgram::Operand(next))) > 0) return;
                next = prog_.Next(next);
                break;
            default:
                if ((op > OPEN && op <= OPEN + MaxGroups) || (op > CLOSE && op <= CLOSE + MaxGroups)) break;
                if (!Single(scan)) set_.set();  // END, back-references, anything else
                return;
            }
            scan = next;
        }
    }

private:
    const TRegexProgram& prog_;
    const TRegexSyntax& syn_;
    CharSet& set_;

    // Adds the characters a one-character node accepts; false for other nodes.
    bool Single(size_t node) {
        const uint8_t* operand = prog_.Node(TRegexProgram::Operand(node));
        switch (prog_.Op(node)) {
        case ANY: case ANYML:
            set_.set();
            return true;
        case EXACTLY:
            set_.set(operand[0]);
            return true;
        case EXACTLYCI:
            set_.set(operand[0]);
            if (syn_.InvertCase) set_.set(syn_.InvertCase(operand[0]));
            return true;
        case ANYOFTINYSET:
            for (int i = 0; i < 3; ++i) set_.set(operand[i]);
            return true;
        case ANYBUTTINYSET: {
            CharSet but;
            but.set();
            for (int i = 0; i < 3; ++i) but.reset(operand[i]);
            set_ |= but;
            return true;
        }
        case ANYOFFULLSET:
            for (int c = 0; c < 256; ++c)
                if (operand[c / 8] & (1u << (c % 8))) set_.set(c);
            return true;
        case ANYDIGIT:
            for (int c = '0'; c <= '9'; ++c) set_.set(c);
            return true;
        case NOTDIGIT:
            for (int c = 0; c < 256; ++c)
                if (c < '0' || c > '9') set_.set(c);
            return true;
        default:
            return false;
        }
    }
};

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
    program.FirstCharSet.reset();
    FirstChars(program, syntax, program.FirstCharSet).Walk(1, 0);
    for (int c = 0; c < 256; ++c) program.FirstCharTable[static_cast<size_t>(c)] = program.FirstCharSet.test(c);
    program.Separators.fill(false);
    for (char c : syntax.LineSeparators) program.Separators[static_cast<unsigned char>(c)] = true;
    program.HasStartChar = false;
    program.Anchored = false;
    program.MustHave.clear();
    if (program.Op(program.Next(1)) != END) return;  // more than one alternative
    size_t scan = TRegexProgram::Operand(1);
    if (program.Op(scan) == EXACTLY) {
        program.HasStartChar = true;
        program.StartChar = static_cast<char>(program.Code[TRegexProgram::Operand(scan)]);
    } else if (program.Op(scan) == BOL) {
        program.Anchored = true;
    }
    if (program.FirstPieceRepeats) program.MustHave = LongestLiteral(program, scan);
}

}  // namespace regex_program

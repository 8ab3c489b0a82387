// Walks the program from a node to the characters that can come first.
#include "editor/search/SrcRegexFirstChars.h"

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
                break;
            case LOOP: case LOOPNG:  // only reached from inside the body: another round may follow
                set_.set();
                return;
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

    bool Single(size_t node) { return SingleChars(prog_, syn_, node, set_); }
};

}  // namespace

CharSet FirstCharsOf(const TRegexProgram& prog, const TRegexSyntax& syntax, size_t scan) {
    CharSet set;
    if (scan == 0) return set.set();
    FirstChars(prog, syntax, set).Walk(scan, 0);
    return set;
}

bool SingleChars(const TRegexProgram& prog, const TRegexSyntax& syntax, size_t node, CharSet& set) {
    const uint8_t* operand = prog.Node(TRegexProgram::Operand(node));
    switch (prog.Op(node)) {
    case ANY: case ANYML:
        set.set();
        return true;
    case EXACTLY:
        set.set(operand[0]);
        return true;
    case EXACTLYCI:
        set.set(operand[0]);
        if (syntax.InvertCase) set.set(syntax.InvertCase(operand[0]));
        return true;
    case ANYOFTINYSET:
        for (int i = 0; i < 3; ++i) set.set(operand[i]);
        return true;
    case ANYBUTTINYSET: {
        CharSet but;
        but.set();
        for (int i = 0; i < 3; ++i) but.reset(operand[i]);
        but.reset(0);
        set |= but;
        return true;
    }
    case ANYOFFULLSET:
        for (int c = 0; c < 256; ++c)
            if (operand[c / 8] & (1u << (c % 8))) set.set(c);
        return true;
    case ANYDIGIT:
        for (int c = '0'; c <= '9'; ++c) set.set(c);
        return true;
    case NOTDIGIT:
        for (int c = 1; c < 256; ++c)
            if (c < '0' || c > '9') set.set(c);
        return true;
    default:
        return false;
    }
}

}  // namespace regex_program

// Parser and emitter of the grammar: groups, alternatives, pieces, repeats.
#include <algorithm>
#include <cctype>

#include "editor/search/SrcRegexCompiler.h"

namespace regex_program {

void Compiler::Run() {
    Pass(true);
    prog_.Code.assign(emit_, 0);
    Pass(false);
    if (emit_ != prog_.Code.size()) Fault(114);
    prog_.GroupCount = groups_;
    errorPos_ = static_cast<int>(pos_) + 1;
}

void Compiler::Pass(bool sizing) {
    sizing_ = sizing;
    pos_ = 0;
    emit_ = 0;
    groups_ = 0;
    mods_ = syn_.Modifiers;
    Byte(Magic);
    int flags;
    Reg(false, flags);
    spStart_ = (flags & SPSTART) != 0;
}

void Compiler::Advance(size_t n) {
    emit_ += n;
    if (emit_ > MaxProgramSize) Fault(101);
    if (!sizing_ && emit_ > prog_.Code.size()) Fault(114);
}

void Compiler::Byte(uint8_t b) {
    size_t at = emit_;
    Advance(1);
    if (!sizing_) *At(at) = b;
}

void Compiler::Int(int32_t v) {
    size_t at = emit_;
    Advance(4);
    if (!sizing_) WriteInt(At(at), v);
}

size_t Compiler::Node(uint8_t op) {
    size_t at = emit_;
    Advance(HeaderSize);
    if (!sizing_) {
        *At(at) = op;
        WriteInt(At(at + 1), 0);
    }
    return at;
}

// Puts a node (with `extra` operand bytes) in front of the node at `at`.
void Compiler::Insert(uint8_t op, size_t at, size_t extra) {
    size_t n = HeaderSize + extra;
    size_t old = emit_;
    Advance(n);
    if (sizing_) return;
    std::memmove(At(at + n), At(at), old - at);
    std::memset(At(at), 0, n);
    *At(at) = op;
}

// Links the last node of the chain from p to val.
void Compiler::Tail(size_t p, size_t val) {
    if (sizing_) return;
    size_t scan = p;
    for (size_t next; (next = prog_.Next(scan)) != 0;) scan = next;
    SetNext(scan, val);
}

void Compiler::SkipExtended() {
    if (!On(ModX)) return;
    while (!AtEnd()) {
        char c = Peek();
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            ++pos_;
        } else if (c == '#') {
            while (!AtEnd() && Peek() != '\n' && Peek() != '\r') ++pos_;
        } else {
            break;
        }
    }
}

size_t Compiler::Reg(bool paren, int& flags) {
    flags = HASWIDTH;
    size_t ret = NoNode;
    int group = 0;
    uint32_t savedMods = mods_;
    if (paren) {
        if (groups_ >= MaxGroups) Fault(102);
        group = ++groups_;
        ret = Node(static_cast<uint8_t>(OPEN + group));
    }
    size_t last = ret;  // the node whose next is the new branch
    for (bool first = true;; first = false) {
        if (!first) ++pos_;  // the '|'
        int f;
        size_t br = Branch(f);
        if (last != NoNode) Tail(last, br);
        if (ret == NoNode) ret = br;
        last = br;
        if (!(f & HASWIDTH)) flags &= ~HASWIDTH;
        flags |= f & SPSTART;
        if (Peek() != '|' || AtEnd()) break;
    }
    size_t ender = Node(paren ? static_cast<uint8_t>(CLOSE + group) : static_cast<uint8_t>(END));
    Tail(ret, ender);
    if (!sizing_)
        for (size_t br = ret; br != 0; br = prog_.Next(br)) OpTail(br, ender);
    if (paren) {
        if (AtEnd() || Peek() != ')') Fault(103);
        ++pos_;
        mods_ = savedMods;
    } else if (!AtEnd()) {
        Fault(Peek() == ')' ? 104 : 105);
    }
    return ret;
}

size_t Compiler::Branch(int& flags) {
    flags = WORST;
    size_t ret = Node(BRANCH);
    size_t chain = NoNode;
    for (;;) {
        SkipExtended();
        if (AtEnd() || Peek() == '|' || Peek() == ')') break;
        int f;
        size_t latest = Piece(f);
        flags |= f & HASWIDTH;
        if (chain == NoNode) flags |= f & SPSTART;
        else Tail(chain, latest);
        chain = latest;
    }
    if (chain == NoNode) Node(NOTHING);
    return ret;
}

bool Compiler::BraceAt(size_t p) const {
    if (p >= expr_.size() || expr_[p] != '{') return false;
    size_t i = p + 1;
    size_t digits = 0;
    while (i < expr_.size() && std::isdigit(static_cast<unsigned char>(expr_[i]))) ++i, ++digits;
    if (digits == 0) return false;
    if (i < expr_.size() && expr_[i] == ',') {
        ++i;
        while (i < expr_.size() && std::isdigit(static_cast<unsigned char>(expr_[i]))) ++i;
    }
    return i < expr_.size() && expr_[i] == '}';
}

bool Compiler::RepeatAt(size_t p) const {
    if (p >= expr_.size()) return false;
    char c = expr_[p];
    return c == '*' || c == '+' || c == '?' || BraceAt(p);
}

int32_t Compiler::BraceNumber() {
    int digits = 0;
    int64_t v = 0;
    while (std::isdigit(static_cast<unsigned char>(Peek()))) {
        if (++digits > MaxRepeatDigits) Fault(122);
        v = v * 10 + (Peek() - '0');
        ++pos_;
    }
    if (v > InfiniteCount) Fault(122);
    return static_cast<int32_t>(v);
}

bool Compiler::ParseRepeat(Repeat& r) {
    if (!RepeatAt(pos_)) return false;
    r.Op = Peek();
    if (r.Op == '{') {
        ++pos_;
        r.Min = BraceNumber();
        r.Max = r.Min;
        if (Peek() == ',') {
            ++pos_;
            r.Max = std::isdigit(static_cast<unsigned char>(Peek())) ? BraceNumber() : InfiniteCount;
        }
        if (r.Min > r.Max) Fault(124);
        ++pos_;  // '}'
    } else {
        ++pos_;
        r.Min = r.Op == '+' ? 1 : 0;
        r.Max = r.Op == '?' ? 1 : InfiniteCount;
    }
    bool lazy = Peek() == '?' && !AtEnd();
    if (lazy) ++pos_;
    r.Greedy = On(ModG) ? !lazy : lazy;
    return true;
}

size_t Compiler::Piece(int& flags) {
    int f;
    size_t ret = Atom(f);
    SkipExtended();
    if (!RepeatAt(pos_)) {
        flags = f;
        return ret;
    }
    if (!(f & HASWIDTH) && Peek() != '?') Fault(106);
    Repeat r;
    ParseRepeat(r);
    flags = (r.Min > 0 ? HASWIDTH : WORST) | ((r.Op == '*' || r.Op == '+') ? SPSTART : WORST);
    if (f & SIMPLE) SimpleRepeat(ret, r);
    else ComplexRepeat(ret, r);
    SkipExtended();
    if (RepeatAt(pos_)) Fault(107);
    return ret;
}

void Compiler::SimpleRepeat(size_t ret, const Repeat& r) {
    if (r.Op == '*') {
        Insert(r.Greedy ? STAR : STARNG, ret, 0);
    } else if (r.Op == '+') {
        Insert(r.Greedy ? PLUS : PLUSNG, ret, 0);
    } else {
        Insert(r.Greedy ? BRACES : BRACESNG, ret, 8);
        if (!sizing_) {
            WriteInt(At(ret + HeaderSize), r.Min);
            WriteInt(At(ret + HeaderSize + 4), r.Max);
        }
    }
}

void Compiler::ComplexRepeat(size_t ret, const Repeat& r) {
    if (r.Greedy && r.Op == '*') {
        Insert(BRANCH, ret, 0);
        OpTail(ret, Node(BACK));
        OpTail(ret, ret);
        Tail(ret, Node(BRANCH));
        Tail(ret, Node(NOTHING));
    } else if (r.Greedy && r.Op == '+') {
        size_t next = Node(BRANCH);
        Tail(ret, next);
        Tail(Node(BACK), ret);
        Tail(next, Node(BRANCH));
        Tail(ret, Node(NOTHING));
    } else if (r.Greedy && r.Op == '?') {
        Insert(BRANCH, ret, 0);
        Tail(ret, Node(BRANCH));
        size_t next = Node(NOTHING);
        Tail(ret, next);
        OpTail(ret, next);
    } else {
        Insert(LOOPENTRY, ret, 0);
        size_t loop = Node(r.Greedy ? LOOP : LOOPNG);
        Int(r.Min);
        Int(r.Max);
        Int(static_cast<int32_t>(loop - ret));
        if (!sizing_) {
            Tail(TRegexProgram::Operand(ret), loop);
            SetNext(ret, loop);
        }
    }
}

size_t Compiler::Atom(int& flags) {
    flags = WORST;
    char c = Peek();
    switch (c) {
    case '^':
        ++pos_;
        return Node(On(ModM) && !syn_.LineSeparators.empty() ? BOLML : BOL);
    case '$':
        ++pos_;
        return Node(On(ModM) && !syn_.LineSeparators.empty() ? EOLML : EOL);
    case '.':
        ++pos_;
        flags = HASWIDTH | SIMPLE;
        return Node(On(ModS) ? ANY : ANYML);
    case '[': {
        ++pos_;
        flags = HASWIDTH | SIMPLE;
        bool negated = false;
        CharSet set = ParseClass(negated);
        return ClassNode(set, negated);
    }
    case '(':
        ++pos_;
        if (Peek() == '?' && !AtEnd()) return SpecialGroup();
        {
            int f;
            size_t ret = Reg(true, f);
            flags |= f & (HASWIDTH | SPSTART);
            return ret;
        }
    case '|':
    case ')':
        Fault(119);
    case '?':
    case '+':
    case '*':
        Fault(115);
    case '{':
        if (BraceAt(pos_)) Fault(115);
        break;
    case '\\':
        if (pos_ + 1 >= expr_.size()) Fault(110);
        if (size_t node = EscapeNode(Peek(1), flags); node != NoNode) return node;
        break;
    default:
        break;
    }
    return LiteralRun(flags);
}

// "(?#...)" comments and "(?imsrgx-imsrgx)" modifier groups.
size_t Compiler::SpecialGroup() {
    ++pos_;  // '?'
    if (Peek() == '#') {
        while (!AtEnd() && Peek() != ')') ++pos_;
        if (AtEnd()) Fault(125);
        ++pos_;
        return Node(COMMENT);
    }
    bool on = true;
    for (;;) {
        if (AtEnd()) Fault(103);
        char c = Peek();
        if (c == ')') break;
        if (c == '-') {
            on = false;
        } else {
            uint32_t bit = ModifierBitOf(c);
            if (bit == 0) Fault(127);
            mods_ = on ? (mods_ | bit) : (mods_ & ~bit);
        }
        ++pos_;
    }
    ++pos_;
    return Node(COMMENT);
}

uint32_t Compiler::ModifierBitOf(char c) {
    switch (std::tolower(static_cast<unsigned char>(c))) {
    case 'i': return ModI;
    case 'r': return ModR;
    case 's': return ModS;
    case 'g': return ModG;
    case 'm': return ModM;
    case 'x': return ModX;
    default: return 0;
    }
}

void CompileProgram(const std::string& expression, const TRegexSyntax& syntax, TRegexProgram& program,
                    int& errorPos) {
    program = TRegexProgram{};
    program.Modifiers = syntax.Modifiers;
    program.InvertCase = syntax.InvertCase;
    Compiler compiler(expression, syntax, program, errorPos);
    compiler.Run();
    program.FirstPieceRepeats = compiler.FirstPieceRepeats();
    AnalyseProgram(program, syntax);
}

}  // namespace regex_program

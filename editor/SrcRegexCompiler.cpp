// Expression parser and program emitter: a recursive-descent parser that runs
// twice, first only counting bytes, then emitting into a buffer of that size.
#include <algorithm>
#include <cctype>

#include "editor/SrcRegexProgram.h"

namespace regex_program {
namespace {

enum PieceFlags { WORST = 0, HASWIDTH = 1, SIMPLE = 2, SPSTART = 4 };
constexpr size_t NoNode = static_cast<size_t>(-1);
constexpr size_t MaxProgramSize = size_t(16) << 20;
constexpr int MaxRepeatDigits = 8;

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

    void Run() {
        Pass(true);
        prog_.Code.assign(emit_, 0);
        Pass(false);
        if (emit_ != prog_.Code.size()) Fault(114);
        prog_.GroupCount = groups_;
        errorPos_ = static_cast<int>(pos_) + 1;
    }
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

    void Pass(bool sizing) {
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

    // --- emission -------------------------------------------------------
    void Advance(size_t n) {
        emit_ += n;
        if (emit_ > MaxProgramSize) Fault(101);
        if (!sizing_ && emit_ > prog_.Code.size()) Fault(114);
    }
    uint8_t* At(size_t at) { return prog_.Code.data() + at; }
    void Byte(uint8_t b) {
        size_t at = emit_;
        Advance(1);
        if (!sizing_) *At(at) = b;
    }
    void Int(int32_t v) {
        size_t at = emit_;
        Advance(4);
        if (!sizing_) WriteInt(At(at), v);
    }
    size_t Node(uint8_t op) {
        size_t at = emit_;
        Advance(HeaderSize);
        if (!sizing_) {
            *At(at) = op;
            WriteInt(At(at + 1), 0);
        }
        return at;
    }
    // Puts a node (with `extra` operand bytes) in front of the node at `at`.
    void Insert(uint8_t op, size_t at, size_t extra) {
        size_t n = HeaderSize + extra;
        size_t old = emit_;
        Advance(n);
        if (sizing_) return;
        std::memmove(At(at + n), At(at), old - at);
        std::memset(At(at), 0, n);
        *At(at) = op;
    }
    void SetNext(size_t node, size_t target) {
        WriteInt(At(node + 1), static_cast<int32_t>(static_cast<int64_t>(target) - static_cast<int64_t>(node)));
    }
    // Links the last node of the chain from p to val.
    void Tail(size_t p, size_t val) {
        if (sizing_) return;
        size_t scan = p;
        for (size_t next; (next = prog_.Next(scan)) != 0;) scan = next;
        SetNext(scan, val);
    }
    // Tail on the operand of a BRANCH; nothing for other nodes.
    void OpTail(size_t p, size_t val) {
        if (sizing_ || prog_.Op(p) != BRANCH) return;
        Tail(TRegexProgram::Operand(p), val);
    }

    // --- extended syntax ---------------------------------------------------
    void SkipExtended() {
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

    // --- grammar ----------------------------------------------------------
    size_t Reg(bool paren, int& flags) {
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

    size_t Branch(int& flags) {
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

    bool BraceAt(size_t p) const {
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
    bool RepeatAt(size_t p) const {
        if (p >= expr_.size()) return false;
        char c = expr_[p];
        return c == '*' || c == '+' || c == '?' || BraceAt(p);
    }

    int32_t BraceNumber() {
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

    bool ParseRepeat(Repeat& r) {
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

    size_t Piece(int& flags) {
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

    void SimpleRepeat(size_t ret, const Repeat& r) {
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

    void ComplexRepeat(size_t ret, const Repeat& r) {
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

    size_t Atom(int& flags) {
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
    size_t SpecialGroup() {
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

    static uint32_t ModifierBitOf(char c) {
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

    // Escapes that stand for a node of their own; NoNode for literal ones.
    size_t EscapeNode(char e, int& flags) {
        uint8_t op = 0;
        switch (e) {
        case 'd': op = ANYDIGIT; break;
        case 'D': op = NOTDIGIT; break;
        case 'b': op = BOUND; break;
        case 'B': op = NOTBOUND; break;
        case 'A': op = BOL; break;
        case 'Z': op = EOL; break;
        case 'w':
        case 'W':
        case 's':
        case 'S': {
            pos_ += 2;
            flags = HASWIDTH | SIMPLE;
            CharSet set = NamedSet(std::tolower(static_cast<unsigned char>(e)));
            return ClassNode(CaseClosed(set), std::isupper(static_cast<unsigned char>(e)) != 0);
        }
        default:
            if (e >= '1' && e <= '9') {
                pos_ += 2;
                size_t node = Node(On(ModI) ? BSUBEXPCI : BSUBEXP);
                Byte(static_cast<uint8_t>(e - '0'));
                return node;
            }
            return NoNode;
        }
        pos_ += 2;
        if (op == ANYDIGIT || op == NOTDIGIT) flags = HASWIDTH | SIMPLE;
        return Node(op);
    }

    CharSet NamedSet(int lower) const {
        CharSet set;
        if (lower == 'd') {
            for (int c = '0'; c <= '9'; ++c) set.set(c);
            return set;
        }
        const std::string& chars = lower == 'w' ? syn_.WordChars : syn_.SpaceChars;
        for (char c : chars) set.set(static_cast<unsigned char>(c));
        set.reset(0);
        return set;
    }

    CharSet CaseClosed(CharSet set) const {
        if (On(ModI) && syn_.InvertCase) {
            CharSet more;
            for (int c = 1; c < 256; ++c)
                if (set.test(c)) more.set(syn_.InvertCase(static_cast<unsigned char>(c)));
            set |= more;
        }
        set.reset(0);
        return set;
    }

    // The character of a literal escape; pos_ is on the letter after '\'.
    unsigned char EscapedChar() {
        char e = Peek();
        ++pos_;
        switch (e) {
        case 't': return '\t';
        case 'n': return '\n';
        case 'r': return '\r';
        case 'f': return '\f';
        case 'a': return '\a';
        case 'e': return 27;
        case 'x': return HexCode();
        default: return static_cast<unsigned char>(e);
        }
    }

    static int HexValue(char c) {
        if (c >= '0' && c <= '9') return c - '0';
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
    }

    unsigned char HexCode() {
        int value = 0;
        if (Peek() == '{' && !AtEnd()) {
            ++pos_;
            int digits = 0;
            for (;;) {
                if (AtEnd()) Fault(digits == 0 ? 111 : 108);
                if (Peek() == '}') break;
                int d = HexValue(Peek());
                if (d < 0) Fault(108);
                value = std::min(value * 16 + d, 0x10000);
                ++digits;
                ++pos_;
            }
            if (digits == 0) Fault(111);
            if (value > 255) Fault(112);
            ++pos_;
        } else {
            int digits = 0;
            while (digits < 2 && !AtEnd() && HexValue(Peek()) >= 0) {
                value = value * 16 + HexValue(Peek());
                ++digits;
                ++pos_;
            }
            if (digits == 0) Fault(111);
        }
        return static_cast<unsigned char>(value);
    }

    // Reads one literal character of a run; false (nothing consumed) at a
    // metacharacter or an escape that is a node of its own.
    bool LiteralToken(unsigned char& ch) {
        char c = Peek();
        if (std::strchr("^$.[()|?+*", c) != nullptr && c != '\0') return false;
        if (c == '{' && BraceAt(pos_)) return false;
        if (c == '\\') {
            if (pos_ + 1 >= expr_.size()) Fault(116);
            char e = Peek(1);
            if (std::strchr("dDwWsSbBAZ123456789", e) != nullptr) return false;
            ++pos_;
            ch = EscapedChar();
        } else {
            ch = static_cast<unsigned char>(c);
            ++pos_;
        }
        if (ch == 0) Fault(130);
        return true;
    }

    size_t LiteralRun(int& flags) {
        std::string run;
        size_t lastStart = pos_;
        for (;;) {
            SkipExtended();
            if (AtEnd()) break;
            size_t start = pos_;
            unsigned char ch;
            if (!LiteralToken(ch)) break;
            run += static_cast<char>(ch);
            lastStart = start;
            SkipExtended();
            if (RepeatAt(pos_)) {
                if (run.size() > 1) {
                    run.pop_back();
                    pos_ = lastStart;
                }
                break;
            }
        }
        if (run.empty()) Fault(119);
        flags = HASWIDTH | (run.size() == 1 ? SIMPLE : WORST);
        size_t node = Node(On(ModI) ? EXACTLYCI : EXACTLY);
        for (char c : run) Byte(static_cast<uint8_t>(c));
        Byte(0);
        return node;
    }

    // --- classes ------------------------------------------------------------
    ClassItem ReadClassItem() {
        ClassItem item;
        if (AtEnd()) Fault(113);
        char c = Peek();
        if (c == '\\') {
            if (pos_ + 1 >= expr_.size()) Fault(113);
            char e = Peek(1);
            int lower = std::tolower(static_cast<unsigned char>(e));
            if (lower == 'd' || lower == 'w' || lower == 's') {
                pos_ += 2;
                item.IsSet = true;
                item.Set = NamedSet(lower);
                if (std::isupper(static_cast<unsigned char>(e))) item.Set = ~item.Set;
                item.Set.reset(0);
                return item;
            }
            ++pos_;
            item.Ch = EscapedChar();
        } else {
            item.Ch = static_cast<unsigned char>(c);
            ++pos_;
        }
        if (item.Ch == 0) Fault(130);
        return item;
    }

    void AddRange(CharSet& set, unsigned char lo, unsigned char hi) {
        bool cyrillic = On(ModR);
        if (hi < lo) {
            if (!(cyrillic && lo == 0xE0 && hi == 0xDF)) Fault(109);
            for (int c = 0xC0; c <= 0xFF; ++c) set.set(c);
            set.set(0xA8);
            set.set(0xB8);
            return;
        }
        for (int c = lo; c <= hi; ++c) set.set(c);
        if (cyrillic && lo == 0xE0 && hi == 0xFF) set.set(0xB8);
        if (cyrillic && lo == 0xC0 && hi == 0xDF) set.set(0xA8);
    }

    CharSet ParseClass(bool& negated) {
        CharSet set;
        negated = Peek() == '^' && !AtEnd();
        if (negated) ++pos_;
        for (bool first = true;; first = false) {
            if (AtEnd()) Fault(113);
            if (Peek() == ']' && !first) {
                ++pos_;
                break;
            }
            ClassItem a = ReadClassItem();
            if (a.IsSet) {
                set |= a.Set;
                continue;
            }
            if (Peek() == '-' && pos_ + 1 < expr_.size() && Peek(1) != ']') {
                ++pos_;
                ClassItem b = ReadClassItem();
                if (b.IsSet) {
                    set.set(a.Ch);
                    set.set('-');
                    set |= b.Set;
                } else {
                    AddRange(set, a.Ch, b.Ch);
                }
                continue;
            }
            set.set(a.Ch);
        }
        return CaseClosed(set);
    }

    size_t ClassNode(const CharSet& members, bool negated) {
        size_t count = members.count();
        if (!negated && count == 0) Fault(129);
        if (count > 0 && count <= 3) {
            size_t node = Node(negated ? ANYBUTTINYSET : ANYOFTINYSET);
            unsigned char chars[3];
            size_t n = 0;
            for (int c = 1; c < 256; ++c)
                if (members.test(c)) chars[n++] = static_cast<unsigned char>(c);
            for (size_t i = 0; i < 3; ++i) Byte(chars[std::min(i, n - 1)]);
            return node;
        }
        CharSet set = negated ? ~members : members;
        set.reset(0);
        if (set.none()) Fault(129);
        size_t node = Node(ANYOFFULLSET);
        for (int byte = 0; byte < 32; ++byte) {
            uint8_t bits = 0;
            for (int bit = 0; bit < 8; ++bit)
                if (set.test(byte * 8 + bit)) bits |= static_cast<uint8_t>(1u << bit);
            Byte(bits);
        }
        return node;
    }
};

}  // namespace

void CompileProgram(const std::string& expression, const TRegexSyntax& syntax, TRegexProgram& program,
                    int& errorPos) {
    program = TRegexProgram{};
    program.Modifiers = syntax.Modifiers;
    Compiler compiler(expression, syntax, program, errorPos);
    compiler.Run();
    program.FirstPieceRepeats = compiler.FirstPieceRepeats();
    AnalyseProgram(program, syntax);
}

}  // namespace regex_program

// The compiler's atoms: escapes, literal runs and character classes.
#include <algorithm>
#include <cctype>
#include <cstring>

#include "editor/search/SrcRegexCompiler.h"

namespace regex_program {

// Escapes that stand for a node of their own; NoNode for literal ones.
size_t Compiler::EscapeNode(char e, int& flags) {
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

CharSet Compiler::NamedSet(int lower) const {
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

CharSet Compiler::CaseClosed(CharSet set) const {
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
unsigned char Compiler::EscapedChar() {
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

int Compiler::HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

unsigned char Compiler::HexCode() {
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
bool Compiler::LiteralToken(unsigned char& ch) {
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

size_t Compiler::LiteralRun(int& flags) {
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

ClassItem Compiler::ReadClassItem() {
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

void Compiler::AddRange(CharSet& set, unsigned char lo, unsigned char hi) {
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

CharSet Compiler::ParseClass(bool& negated) {
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

size_t Compiler::ClassNode(const CharSet& members, bool negated) {
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

}  // namespace regex_program

// Differential test: random patterns and subjects over the syntax TRegex and
// Perl 5 share, compared on the first match with groups 1 to 9, the match
// from a random offset (ExecPos), the whole ExecNext chain, Split and Replace
// with a substitution template, under random modifiers i, m, s, g, x and r.
// Perl gets g off as each quantifier's greediness flipped, and r as the
// widened high-byte classes written out byte by byte. Half the patterns have
// the shapes the matcher's search shortcuts act on (LeadShape), with subjects
// built from their pieces.
//
// Known differences kept out of the generated cases:
// - "$" without m matches only at the very end in TRegex; Perl's "$" also
//   matches before a final newline, so Perl gets "\z" instead.
// - With m, Perl's "^" does not match after a newline that ends the subject;
//   subjects never end in a newline.
// - TRegex separates lines at CR and LF and its "." (without s) refuses both;
//   Perl only knows LF. Subjects contain no CR.
// - Perl's "\s" includes the vertical tab; subjects contain none.
// - TRegex refuses "*", "+" and braces on operands that can be empty (106);
//   the generator only puts "?" on such operands.
// - Back-references only name groups that closed earlier, and a literal
//   digit never follows one (Perl would read "\11" as group 11).
// Other seeds (CORVANE_REGEX_SEED) also meet these, which are not faults:
// - A group inside a repeated group keeps what the last round that set it
//   matched; Perl at times drops it or keeps text from a round it undid. A
//   back-reference to such a group can then match other text.
// - Nested repeats that backtrack without end stop at TRegex's step limit
//   (1017) where Perl's own caching answers; such cases are skipped. A
//   limit met by a pattern without nested repeats fails the test.
// - Perl has no case folding for bytes above 127 here; the written-out
//   classes carry TRegex's folding already.
#include <gtest/gtest.h>

#include <bitset>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>

#include "editor/search/SrcRegex.h"
#include "tests/support/TempDir.h"

namespace {

constexpr int CaseCount = 10000;
constexpr int ComparedGroups = 9;

const char* const PerlScript = R"PERL(
use strict;
no warnings;
binmode STDIN; binmode STDOUT;
sub groups {
    my @r = ($-[0], $+[0] - $-[0]);
    for my $n (1..9) {
        if (defined $-[$n]) { push @r, $-[$n], $+[$n] - $-[$n]; } else { push @r, -1, -1; }
    }
    return "@r";
}
sub from {
    my ($s, $re, $off) = @_;
    pos($s) = $off;
    return $s =~ /$re/g ? groups() : "none";
}
while (my $line = <STDIN>) {
    chomp $line;
    my ($ph, $flags, $sh, $off) = split /\t/, $line, -1;
    my $p = pack("H*", $ph);
    my $s = pack("H*", $sh);
    my $re = eval { qr/(?$flags)$p/ };
    if (!defined $re) { print "error\n"; next; }
    print run($s, $re, $off);
}
sub run {
    my ($s, $re, $off) = @_;
    my (@chain, @pieces, $replaced);
    my ($at, $previous) = (0, 0);
    while ($at <= length($s) && @chain < 100) {
        pos($s) = $at;
        last unless $s =~ /$re/g;
        my ($start, $end) = ($-[0], $+[0]);
        push @chain, "$start," . ($end - $start);
        my $before = substr($s, $previous, $start - $previous);
        push @pieces, unpack("H*", $before);
        $replaced .= $before . "[" . (defined $1 ? $1 : "") . "]" . (defined $2 ? $2 : "") . substr($s, $start, $end - $start);
        $previous = $end;
        $at = $end > $start ? $end : $end + 1;
    }
    my $rest = $previous < length($s) ? substr($s, $previous) : "";
    push @pieces, unpack("H*", $rest);
    $replaced .= $rest;
    return "first " . from($s, $re, 0) . " | pos " . from($s, $re, $off) . " | chain " . join(";", @chain) .
           " | split " . join(",", @pieces) . " | replace " . unpack("H*", $replaced) . "\n";
}
)PERL";

// The template of every Replace; Perl builds the same text by hand.
const char* const ReplaceTemplate = "[$1]${2}$&";

struct Case {
    std::string Regex;  // TRegex syntax
    std::string Perl;   // the same in Perl syntax
    std::string Flags;  // letters of i, m, s, g, x, r that are on
    std::string Subject;
    int Offset = 0;  // 0-based, for ExecPos
    bool NestedRepeats = false;
};

class PatternGenerator {
public:
    explicit PatternGenerator(uint32_t seed) : rng_(seed) {}

    Case Next() {
        Case c;
        groups_ = 0;
        closed_.clear();
        nested_ = false;
        for (char f : std::string("ims"))
            if (Chance(2)) c.Flags += f;
        if (!Chance(4)) c.Flags += 'g';  // g and r are on by default, x is off
        if (Chance(4)) c.Flags += 'x';
        if (!Chance(4)) c.Flags += 'r';
        multiLine_ = c.Flags.find('m') != std::string::npos;
        greedy_ = c.Flags.find('g') != std::string::npos;
        extended_ = c.Flags.find('x') != std::string::npos;
        cyrillic_ = c.Flags.find('r') != std::string::npos;
        caseless_ = c.Flags.find('i') != std::string::npos;
        lead_.clear();
        bool empty, shaped = Chance(2);
        Part p = shaped ? LeadShape() : Alternation(0, empty);
        c.Regex = p.Regex;
        c.Perl = p.Perl;
        c.Subject = shaped ? LeadSubject() : Subject();
        c.Offset = Pick(static_cast<int>(c.Subject.size()) + 1);
        c.NestedRepeats = nested_;
        return c;
    }

private:
    struct Part {
        std::string Regex;
        std::string Perl;
        void Add(const Part& o) {
            Regex += o.Regex;
            Perl += o.Perl;
        }
    };

    std::mt19937 rng_;
    int groups_ = 0;
    std::vector<int> closed_;
    bool multiLine_ = false;
    bool greedy_ = true;
    bool extended_ = false;
    bool cyrillic_ = true;
    bool caseless_ = false;  // where the generator is, after "(?i)" and "(?-i)"
    bool nested_ = false;
    int repeats_ = 0;
    bool lastGroupRepeats_ = false;  // the atom just made is a group with a repeat inside
    std::string lead_, tail_;  // the literal lead and tail of a LeadShape, for its subject

    int Pick(int n) { return static_cast<int>(rng_() % static_cast<uint32_t>(n)); }
    bool Chance(int oneIn) { return Pick(oneIn) == 0; }
    static Part Same(const std::string& s) { return {s, s}; }

    std::string Subject() {
        static const char alphabet[] = "aaabbbcccABC12_  \n";
        static const char highBytes[] = "\xE0\xC0\xFF\xDF\xB8\xA8";
        std::string s;
        int len = Pick(Chance(8) ? 41 : 13);
        bool high = Chance(4);
        for (int i = 0; i < len; ++i)
            s += high && Chance(4) ? highBytes[Pick(sizeof highBytes - 1)] : alphabet[Pick(sizeof alphabet - 1)];
        if (!s.empty() && s.back() == '\n') s.back() = 'a';
        return s;
    }

    // Subjects for a LeadShape: runs of its lead (in either case), a few
    // characters of the classes and at times its tail.
    std::string LeadSubject() {
        static const char alphabet[] = "aabbcA_ ;=\n";
        std::string s;
        int len = 4 + Pick(14);
        while (static_cast<int>(s.size()) < len) {
            if (lead_.empty() || Chance(4)) {
                s += alphabet[Pick(sizeof alphabet - 1)];
                continue;
            }
            for (char ch : lead_) s += Chance(3) && std::isalpha(static_cast<unsigned char>(ch)) ? ch ^ 0x20 : ch;
            for (int n = Pick(4); n > 0; --n) s += Chance(2) ? lead_[0] : alphabet[Pick(sizeof alphabet - 1)];
            if (Chance(3)) s += tail_;
        }
        if (s.back() == '\n') s.back() = 'a';
        return s;
    }

    // The shapes the search shortcuts act on: an anchor or none, a literal
    // lead of zero to three characters (in the repeat's class or not), an
    // unbounded or bounded repeat, a tail, and maybe a second alternative
    // with the same lead.
    Part LeadShape() {
        static const char* const anchors[] = {"", "", "", "^", "\\b", "(?i)"};
        static const char* const sets[] = {".", "\\w", "\\S", "[a-c]", "[^b]", "a", "b", "[ab ]", "[^ab=]", "\\s"};
        static const char* const counts[] = {"*", "+", "{2,}", "*?", "+?", "{0,2}"};
        static const char leads[] = "abB_ ;=";
        Part p = Same(anchors[Pick(6)]);
        if (p.Regex == "(?i)") caseless_ = true;
        for (int n = Pick(4); n > 0; --n) lead_ += leads[Pick(sizeof leads - 1)];
        p.Add(Literal(lead_));
        p.Add(Quantified(Same(sets[Pick(10)]), counts[Pick(6)]));
        bool empty;
        tail_ = std::string(1, leads[Pick(sizeof leads - 2)]);
        p.Add(Chance(3) ? Sequence(1, empty) : Literal(tail_));
        if (Chance(4)) {
            p.Add(Same("|"));
            p.Add(Literal(lead_));
            p.Add(Sequence(1, empty));
        }
        return p;
    }

    Part Literal(const std::string& text) const {
        std::string s;
        for (char ch : text) s += ch == ' ' && extended_ ? "\\ " : std::string(1, ch);  // x skips a bare blank
        return Same(s);
    }

    // A class of high bytes; Perl gets its members written out, with the "r"
    // widening and TRegex's case folding.
    Part HighClass() {
        static const int ranges[][2] = {{0xE0, 0xFF}, {0xC0, 0xDF}, {0xB8, 0xC0}, {0xE0, 0xDF}};
        const int* range = ranges[Pick(cyrillic_ ? 4 : 3)];
        std::bitset<256> set;
        if (range[1] < range[0]) {  // only with r: every Cyrillic letter
            for (int c = 0xC0; c <= 0xFF; ++c) set.set(static_cast<size_t>(c));
            set.set(0xA8).set(0xB8);
        } else {
            for (int c = range[0]; c <= range[1]; ++c) set.set(static_cast<size_t>(c));
            if (cyrillic_ && range[0] == 0xE0 && range[1] == 0xFF) set.set(0xB8);
            if (cyrillic_ && range[0] == 0xC0 && range[1] == 0xDF) set.set(0xA8);
        }
        if (caseless_) {
            std::bitset<256> folded = set;
            for (int c = 1; c < 256; ++c)
                if (set.test(static_cast<size_t>(c))) folded.set(TRegex::InvertCaseFunction(static_cast<unsigned char>(c)));
            set = folded;
        }
        std::string negation = Chance(3) ? "^" : "";
        std::string perl = "[" + negation;
        for (int c = 1; c < 256; ++c)
            if (set.test(static_cast<size_t>(c))) perl += HexEscape(c);
        return {"[" + negation + HexEscape(range[0]) + "-" + HexEscape(range[1]) + "]", perl + "]"};
    }

    static std::string HexEscape(int c) {
        char buffer[8];
        std::snprintf(buffer, sizeof buffer, "\\x%02X", c);
        return buffer;
    }

    Part Alternation(int depth, bool& empty) {
        Part p = Sequence(depth, empty);
        while (depth < 3 && Chance(4)) {
            bool e;
            Part q = Sequence(depth, e);
            p.Regex += "|" + q.Regex;
            p.Perl += "|" + q.Perl;
            empty = empty || e;
        }
        return p;
    }

    Part Sequence(int depth, bool& empty) {
        Part p;
        empty = true;
        int n = 1 + Pick(4);
        for (int i = 0; i < n; ++i) {
            bool e;
            if (extended_ && i > 0 && Chance(2)) p.Add(Same(Chance(2) ? " " : "\n  "));
            p.Add(Piece(depth, e));
            empty = empty && e;
        }
        return p;
    }

    Part Piece(int depth, bool& empty) {
        bool repeatable = true;
        lastGroupRepeats_ = false;
        Part atom = Atom(depth, empty, repeatable);
        if (!repeatable || !Chance(3)) return atom;
        static const char* const widthRepeats[] = {"*", "+", "{2}", "{0,2}", "{1,3}", "{2,}"};
        std::string q = empty ? "?" : Chance(4) ? "?" : widthRepeats[Pick(6)];
        if (Chance(3)) q += "?";
        if (q[0] != '+' && q.compare(0, 2, "{1") != 0 && q.compare(0, 2, "{2") != 0) empty = true;
        nested_ = nested_ || lastGroupRepeats_;
        return Quantified(atom, q);
    }

    Part Quantified(const Part& atom, const std::string& q) {
        ++repeats_;
        // without g, TRegex swaps greedy and lazy
        std::string perl = greedy_ ? q : q.size() > 1 && q.back() == '?' && q != "?" ? q.substr(0, q.size() - 1) : q + "?";
        return {atom.Regex + q, atom.Perl + perl};
    }

    Part Atom(int depth, bool& empty, bool& repeatable) {
        empty = false;
        switch (Pick(depth < 3 ? 11 : 9)) {
        case 0: case 1: case 2: {
            static const char letters[] = "abcB_ ";
            char letter = letters[Pick(6)];
            return Same(letter == ' ' && extended_ ? "\\ " : std::string(1, letter));  // x skips a bare blank
        }
        case 3:
            return Same(".");
        case 4: {
            static const char* const classes[] = {"[ab]", "[^a]", "[a-c]", "[^bc]", "[A-C_]", "[\\d ]",
                                                  "[a\\s]", "[^\\w]", "\\d", "\\w", "\\s", "\\D", "\\W", "\\S"};
            return Same(classes[Pick(14)]);
        }
        case 5: {
            empty = true;
            repeatable = false;
            switch (Pick(6)) {
            case 0: return Same("^");
            case 1: return {"$", multiLine_ ? "$" : "\\z"};
            case 2: return Same("\\b");
            case 3: return Same("\\B");
            case 4: caseless_ = true; return Same("(?i)");
            default: caseless_ = false; return Same("(?-i)");
            }
        }
        case 6:
            if (!closed_.empty()) {
                empty = true;
                repeatable = false;
                std::string ref = "\\" + std::to_string(closed_[static_cast<size_t>(Pick(static_cast<int>(closed_.size())))]);
                return Same(ref);
            }
            return Same("a");
        case 7:
            return Same(Chance(2) ? "b" : "\\.");
        case 8:
            return HighClass();
        default: {
            if (groups_ >= ComparedGroups) return Same("c");
            int n = ++groups_;
            bool caseless = caseless_;  // a modifier inside a group ends with it
            int repeats = repeats_;
            Part inner = Alternation(depth + 1, empty);
            caseless_ = caseless;
            lastGroupRepeats_ = repeats_ > repeats;
            closed_.push_back(n);
            return {"(" + inner.Regex + ")", "(" + inner.Perl + ")"};
        }
        }
    }
};

std::string Hex(const std::string& s) {
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (unsigned char c : s) {
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return out;
}

// The flags as a modifier string: those on, "-", those off.
std::string ModifierString(const std::string& on, const std::string& letters) {
    std::string kept, off;
    for (char f : letters) (on.find(f) == std::string::npos ? off : kept) += f;
    return kept + "-" + off;
}

// Runaway cases stop early; the test only needs to know that they stopped.
constexpr int64_t StepLimit = 2000000;

std::string Groups(TRegex& r) {
    std::ostringstream out;
    out << r.GetMatchPos(0) - 1 << ' ' << r.GetMatchLen(0);
    for (int n = 1; n <= ComparedGroups; ++n) {
        int pos = r.GetMatchPos(n);
        out << ' ' << (pos < 0 ? -1 : pos - 1) << ' ' << r.GetMatchLen(n);
    }
    return out.str();
}

// The same line the Perl script prints.
std::string RunTRegex(const Case& c) {
    TRegex r;
    r.StepLimit = StepLimit;
    r.SetModifierStr(ModifierString(c.Flags, "imsgxr"));
    r.SetExpression(c.Regex);
    std::ostringstream out;
    try {
        out << "first " << (r.Exec(c.Subject) ? Groups(r) : "none");
        out << " | pos " << (r.ExecPos(c.Offset + 1) ? Groups(r) : "none");
        out << " | chain ";
        int found = 0;
        for (bool more = r.Exec(c.Subject); more && found < 100; more = r.ExecNext(), ++found)
            out << (found > 0 ? ";" : "") << r.GetMatchPos(0) - 1 << ',' << r.GetMatchLen(0);
        std::vector<std::string> pieces;
        r.Split(c.Subject, pieces);
        out << " | split ";
        for (size_t i = 0; i < pieces.size(); ++i) out << (i > 0 ? "," : "") << Hex(pieces[i]);
        out << " | replace " << Hex(r.Replace(c.Subject, ReplaceTemplate, true));
    } catch (const ERegex& e) {
        return "error " + std::to_string(e.ErrorCode);
    }
    return out.str();
}

TEST(RegexDifferential, AgreesWithPerl) {
    if (std::system("perl -e 1 >/dev/null 2>&1") != 0) GTEST_SKIP() << "perl is not installed";
    TempDir dir;
    const std::string script = dir.Path() + "/compare.pl";
    const std::string input = dir.Path() + "/cases.txt";
    const std::string output = dir.Path() + "/results.txt";
    std::ofstream(script) << PerlScript;

    // CORVANE_REGEX_SEED picks another seed when hunting for differences.
    const char* seed = std::getenv("CORVANE_REGEX_SEED");
    PatternGenerator gen(seed != nullptr ? static_cast<uint32_t>(std::strtoul(seed, nullptr, 10)) : 20261206u);
    std::vector<Case> cases;
    {
        std::ofstream in(input, std::ios::binary);
        for (int i = 0; i < CaseCount; ++i) {
            cases.push_back(gen.Next());
            const Case& c = cases.back();
            in << Hex(c.Perl) << '\t' << ModifierString(c.Flags, "imsx") << '\t' << Hex(c.Subject) << '\t'
               << c.Offset << '\n';
        }
    }
    const std::string command = "timeout 120 perl " + script + " < " + input + " > " + output;
    ASSERT_EQ(std::system(command.c_str()), 0);

    std::ifstream results(output);
    int compared = 0, matched = 0, failures = 0;
    for (const Case& c : cases) {
        std::string expected;
        ASSERT_TRUE(std::getline(results, expected)) << "perl stopped early";
        std::string actual = RunTRegex(c);
        bool limit = actual == "error 1016" || actual == "error 1017";
        if (limit && c.NestedRepeats) continue;
        ++compared;
        if (expected.compare(0, 10, "first none") != 0 && expected.compare(0, 5, "error") != 0) ++matched;
        if (actual != expected && failures++ < 20)
            ADD_FAILURE() << "pattern /" << c.Regex << "/ (perl /" << c.Perl << "/) flags '" << c.Flags
                          << "' subject \"" << c.Subject << "\" offset " << c.Offset << "\n  TRegex: " << actual
                          << "\n  perl:   " << expected;
    }
    EXPECT_EQ(failures, 0);
    EXPECT_GT(compared, CaseCount * 99 / 100);
    EXPECT_GT(matched, CaseCount / 4);  // the cases are not trivially failing
}

}  // namespace

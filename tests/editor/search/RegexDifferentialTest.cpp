// Differential test: random patterns and subjects over the syntax TRegex and
// Perl 5 share, compared on match position, length and groups 1 to 9.
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
//   matched; Perl at times drops it or keeps text from a round it undid.
// - Nested repeats that backtrack without end stop at TRegex's step limit
//   (1017) where Perl's own caching answers; such cases are skipped.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>

#include "editor/search/SrcRegex.h"
#include "tests/support/TempDir.h"

namespace {

constexpr int CaseCount = 6000;
constexpr int ComparedGroups = 9;

const char* const PerlScript = R"PERL(
use strict;
no warnings;
binmode STDIN; binmode STDOUT;
while (my $line = <STDIN>) {
    chomp $line;
    my ($ph, $flags, $sh) = split /\t/, $line, -1;
    my $p = pack("H*", $ph);
    my $s = pack("H*", $sh);
    my $re = eval { qr/(?$flags)$p/ };
    if (!defined $re) { print "error\n"; next; }
    if ($s =~ $re) {
        my @r = ($-[0], $+[0] - $-[0]);
        for my $n (1..9) {
            if (defined $-[$n]) { push @r, $-[$n], $+[$n] - $-[$n]; } else { push @r, -1, -1; }
        }
        print "match @r\n";
    } else {
        print "none\n";
    }
}
)PERL";

struct Case {
    std::string Regex;  // TRegex syntax
    std::string Perl;   // the same in Perl syntax
    std::string Flags;  // letters of i, m, s that are on
    std::string Subject;
};

class PatternGenerator {
public:
    explicit PatternGenerator(uint32_t seed) : rng_(seed) {}

    Case Next() {
        Case c;
        groups_ = 0;
        closed_.clear();
        for (char f : std::string("ims"))
            if (Chance(2)) c.Flags += f;
        multiLine_ = c.Flags.find('m') != std::string::npos;
        bool empty;
        Part p = Alternation(0, empty);
        c.Regex = p.Regex;
        c.Perl = p.Perl;
        c.Subject = Subject();
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

    int Pick(int n) { return static_cast<int>(rng_() % static_cast<uint32_t>(n)); }
    bool Chance(int oneIn) { return Pick(oneIn) == 0; }
    static Part Same(const std::string& s) { return {s, s}; }

    std::string Subject() {
        static const char alphabet[] = "aaabbbcccABC12_  \n";
        std::string s;
        int len = Pick(Chance(8) ? 41 : 13);
        for (int i = 0; i < len; ++i) s += alphabet[Pick(sizeof alphabet - 1)];
        if (!s.empty() && s.back() == '\n') s.back() = 'a';
        return s;
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
            p.Add(Piece(depth, e));
            empty = empty && e;
        }
        return p;
    }

    Part Piece(int depth, bool& empty) {
        bool repeatable = true;
        Part atom = Atom(depth, empty, repeatable);
        if (!repeatable || !Chance(3)) return atom;
        static const char* const widthRepeats[] = {"*", "+", "{2}", "{0,2}", "{1,3}", "{2,}"};
        std::string q = empty ? "?" : Chance(4) ? "?" : widthRepeats[Pick(6)];
        if (Chance(3)) q += "?";
        if (q[0] != '+' && q.compare(0, 2, "{1") != 0 && q.compare(0, 2, "{2") != 0) empty = true;
        return {atom.Regex + q, atom.Perl + q};
    }

    Part Atom(int depth, bool& empty, bool& repeatable) {
        empty = false;
        switch (Pick(depth < 3 ? 10 : 8)) {
        case 0: case 1: case 2: {
            static const char letters[] = "abcB_ ";
            return Same(std::string(1, letters[Pick(6)]));
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
            case 4: return Same("(?i)");
            default: return Same("(?-i)");
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
        default: {
            if (groups_ >= ComparedGroups) return Same("c");
            int n = ++groups_;
            Part inner = Alternation(depth + 1, empty);
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

std::string PerlFlags(const std::string& on) {
    std::string off;
    for (char f : std::string("ims"))
        if (on.find(f) == std::string::npos) off += f;
    return on + "-" + off;
}

std::string RunTRegex(const Case& c) {
    TRegex r;
    r.SetModifierStr(PerlFlags(c.Flags) + "r");  // r (Cyrillic ranges) off
    r.SetExpression(c.Regex);
    try {
        if (!r.Exec(c.Subject)) return "none";
    } catch (const ERegex& e) {
        return "error " + std::to_string(e.ErrorCode);
    }
    std::ostringstream out;
    out << "match " << r.GetMatchPos(0) - 1 << ' ' << r.GetMatchLen(0);
    for (int n = 1; n <= ComparedGroups; ++n) {
        int pos = r.GetMatchPos(n);
        out << ' ' << (pos < 0 ? -1 : pos - 1) << ' ' << r.GetMatchLen(n);
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
            in << Hex(cases.back().Perl) << '\t' << PerlFlags(cases.back().Flags) << '\t'
               << Hex(cases.back().Subject) << '\n';
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
        if (actual == "error 1017") continue;
        ++compared;
        if (expected.compare(0, 5, "match") == 0) ++matched;
        if (actual != expected && failures++ < 20)
            ADD_FAILURE() << "pattern /" << c.Regex << "/ (perl /" << c.Perl << "/) flags '" << c.Flags
                          << "' subject \"" << c.Subject << "\"\n  TRegex: " << actual << "\n  perl:   " << expected;
    }
    EXPECT_EQ(failures, 0);
    EXPECT_GT(compared, CaseCount * 99 / 100);
    EXPECT_GT(matched, CaseCount / 4);  // the cases are not trivially failing
}

}  // namespace

// The step and backtrack limits stop runaway patterns, never ordinary ones.
#include <gtest/gtest.h>

#include <string>

#include "editor/search/SrcRegex.h"
#include "tests/editor/common/JavaCorpus.h"

namespace {

constexpr size_t Megabyte = size_t(1) << 20;

std::string Repeated(const std::string& piece, size_t length) {
    std::string s;
    while (s.size() < length) s += piece;
    s.resize(length);
    return s;
}

// The whole match as "pos/len", "none", or "error <code>".
std::string Find(const std::string& expression, const std::string& subject,
                 int64_t stepLimit = TRegex::DefaultStepLimit) {
    TRegex r;
    r.StepLimit = stepLimit;
    r.SetExpression(expression);
    try {
        if (!r.Exec(subject)) return "none";
    } catch (const ERegex& e) {
        return "error " + std::to_string(e.ErrorCode);
    }
    return std::to_string(r.GetMatchPos(0)) + "/" + std::to_string(r.GetMatchLen(0));
}

std::string Whole(const std::string& subject) { return "1/" + std::to_string(subject.size()); }

TEST(RegexLimits, LongRunsOfOrdinaryInput) {
    const std::string blanks = "x" + std::string(5773, ' ') + "x";
    EXPECT_EQ(Find("\\s+$", blanks), "none");
    EXPECT_EQ(Find("a+$", std::string(6000, 'a') + "b"), "none");
    const std::string as(3000, 'a');
    EXPECT_EQ(Find("(a|b)*$", as), Whole(as));
    const std::string abs = Repeated("ab", 12000);
    EXPECT_EQ(Find("(ab)*", abs), Whole(abs));

    const std::string megaBlanks(Megabyte, ' ');
    EXPECT_EQ(Find("\\s+$", "x" + megaBlanks + "x"), "none");
    EXPECT_EQ(Find("\\s+$", megaBlanks), Whole(megaBlanks));
    EXPECT_EQ(Find("[ \\t]*$", "x" + megaBlanks), "2/" + std::to_string(Megabyte));
    const std::string megaAbs = Repeated("ab", Megabyte);
    EXPECT_EQ(Find("(ab)*", megaAbs), Whole(megaAbs));
    const std::string megaAs(Megabyte, 'a');
    EXPECT_EQ(Find("(a|b)*c", megaAs + "c"), Whole(megaAs + "c"));
    EXPECT_EQ(Find("(.)*x", megaAs + "x"), Whole(megaAs + "x"));
    EXPECT_EQ(Find("[^\"]*\"", megaAs), "none");
    EXPECT_EQ(Find("\\w+\\(", megaAs), "none");
    EXPECT_EQ(Find("a.*?b", megaAs + "b"), Whole(megaAs + "b"));
    EXPECT_EQ(Find(".*b.*c", "c" + megaAs + "b"), "none");  // "." takes line breaks: one try in all
}

// A leading ".*" whose "." stops at line breaks is tried once a line.
TEST(RegexLimits, LeadingDotStarOverAMegabyteOfJava) {
    ASSERT_TRUE(javacorpus::Available()) << javacorpus::kMissing;
    const std::string java = javacorpus::FirstBytes("java.base/java/util/", Megabyte);
    TRegex r;
    r.SetModifierStr("-s");
    r.SetExpression(".*foo.*bar");
    std::string found;
    for (bool more = r.Exec(java); more; more = r.ExecNext())
        found += std::to_string(r.GetMatchPos(0)) + "/" + std::to_string(r.GetMatchLen(0)) + " ";
    EXPECT_EQ(found, "1039747/40 1043350/49 ");
}

// The benchmark times them against the default limits.
TEST(RegexLimits, RunawayPatternsStopWithTheirCode) {
    const std::string subject = std::string(Megabyte, 'a') + "cb";
    for (const char* expression : {"(a+)+b", "a*a*a*b", "(a|aa)+b"}) {
        std::string result = Find(expression, subject, 2000000);
        EXPECT_TRUE(result == "error 1016" || result == "error 1017") << expression << ": " << result;
    }
    TRegex r;
    r.SetExpression("(ab)*");
    EXPECT_TRUE(r.Exec("abababababababc"));
    r.RecursionLimit = 5;
    try {
        r.Exec("abababababababc");
        FAIL() << "expected the backtrack limit";
    } catch (const ERegex& e) {
        EXPECT_EQ(e.ErrorCode, 1016);
        EXPECT_STREQ(e.what(), "TRegex(exec): Recursion Too Deep");
    }
    r.RecursionLimit = TRegex::DefaultRecursionLimit;
    r.SetExpression("(a|aa)+$");
    r.StepLimit = 100000;
    EXPECT_THROW(r.Exec(std::string(60, 'a') + "b"), ERegex);
    EXPECT_EQ(r.LastError(), 1017);
    r.StepLimit = TRegex::DefaultStepLimit;
    EXPECT_TRUE(r.Exec("aaaa"));
}

}  // namespace

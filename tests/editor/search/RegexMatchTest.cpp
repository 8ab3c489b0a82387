#include <gtest/gtest.h>

#include "editor/search/SrcRegex.h"

namespace {

// "pos,len" of the first match, or "none".
std::string Find(const std::string& pattern, const std::string& subject, const std::string& mods = "") {
    TRegex r;
    if (!mods.empty()) r.SetModifierStr(mods);
    r.SetExpression(pattern);
    if (!r.Exec(subject)) return "none";
    return std::to_string(r.GetMatchPos(0)) + "," + std::to_string(r.GetMatchLen(0));
}

std::string Group(const std::string& pattern, const std::string& subject, int n) {
    TRegex r;
    r.SetExpression(pattern);
    if (!r.Exec(subject)) return "<none>";
    return r.GetMatchPos(n) < 0 ? "<unset>" : r.GetMatch(n);
}

TEST(RegexMatch, LiteralsClassesAndAnchors) {
    EXPECT_EQ(Find("abc", "xxabcx"), "3,3");
    EXPECT_EQ(Find("[]a]+", "x]a]"), "2,3");
    EXPECT_EQ(Find("[\\t]", "a\tb"), "2,1");
    EXPECT_EQ(Find("[\\x41-\\x43]+", "zABCD"), "2,3");
    EXPECT_EQ(Find("\\Aab\\Z", "ab"), "1,2");
    EXPECT_EQ(Find("\\s+", "ab \t\r\ncd"), "3,4");
    EXPECT_EQ(Find("\\x41\\x{42}", "zAB"), "2,2");
    EXPECT_EQ(Find("\\x9", "a\tb"), "2,1");
    EXPECT_EQ(Find("a{", "xa{"), "2,2");
    EXPECT_EQ(Find("a{x}", "a{x}"), "1,4");
}

// Like every negated class, \\D never matches a NUL in the input.
TEST(RegexMatch, NegatedClassesSkipNul) {
    const std::string subject("\0\x31x", 3);
    for (const char* pattern : {"\\D", "[\\D]", "[^0-9]", "\\W|x", "\\D*x"})
        EXPECT_EQ(Find(pattern, subject), "3,1") << pattern;
}

TEST(RegexMatch, GroupsAndBackReferences) {
    EXPECT_EQ(Group("(\\d+)-(\\d+)", "tel 12-345", 2), "345");
    EXPECT_EQ(Group("(a|b)*", "abba", 1), "a");
    EXPECT_EQ(Group("(a)|b", "b", 1), "<unset>");
    EXPECT_EQ(Find("(['\"]).*?\\1", "x'a\"b'"), "2,5");
    EXPECT_EQ(Find("(?i)(a)\\1", "aA"), "1,2");
    EXPECT_EQ(Find("\\2(a)", "aa"), "none");
}

TEST(RegexMatch, CaseInsensitive) {
    EXPECT_EQ(Find("hello", "say HeLLo", "i"), "5,5");
    EXPECT_EQ(Find("[^a]", "Ab", "i"), "2,1");
    EXPECT_EQ(Find("\xE9t\xE9", "\xC9T\xC9", "i"), "1,3");  // e acute in Windows-1252
    EXPECT_EQ(Find("a(?i)b", "aB"), "1,2");
    EXPECT_EQ(Find("((?i)a)b", "Ab"), "1,2");
    EXPECT_EQ(Find("((?i)a)b", "AB"), "none");
    EXPECT_EQ(Find("(?i-i)a", "A"), "none");
}

TEST(RegexMatch, LinesAndDot) {
    const std::string text = "a\r\nb";
    EXPECT_EQ(Find("^b", text, "m"), "4,1");
    EXPECT_EQ(Find("^b", text), "none");
    EXPECT_EQ(Find("a$", text, "m"), "1,1");
    EXPECT_EQ(Find("^$", text, "m"), "none");  // not between CR and LF
    EXPECT_EQ(Find("^$", "a\n\nb", "m"), "3,0");
    EXPECT_EQ(Find(".+", "ab\ncd", "-s"), "1,2");
    TRegex r;
    r.SetModifierStr("m");
    r.SetLineSeparators("|");
    r.SetLinePairedSeparator("");
    r.SetExpression("^b$");
    EXPECT_TRUE(r.Exec("a|b|c"));
    EXPECT_EQ(r.GetMatchPos(0), 3);
}

TEST(RegexMatch, ExtendedSyntax) {
    EXPECT_EQ(Find("a b  c # comment\n d", "abcd", "x"), "1,4");
    EXPECT_EQ(Find("[ ]", "a b", "x"), "2,1");
    EXPECT_EQ(Find("a\\ b", "a b", "x"), "1,3");
    EXPECT_EQ(Find("(?x) a b", "ab"), "1,2");
    EXPECT_EQ(Find("a(?#note)b", "ab"), "1,2");
}

TEST(RegexMatch, CyrillicRanges) {
    TRegex r;
    r.SetExpression("[\xE0-\xFF]");
    EXPECT_TRUE(r.Exec("\xB8"));
    r.SetExpression("[\xC0-\xDF]");
    EXPECT_TRUE(r.Exec("\xA8"));
    r.SetExpression("[\xE0-\xDF]+");
    EXPECT_TRUE(r.Exec("\xA8\xB8\xC0\xFF"));
    EXPECT_EQ(r.GetMatchLen(0), 4);
    r.SetModifierStr("-r");
    r.SetExpression("[\xE0-\xFF]");
    EXPECT_FALSE(r.Exec("\xB8"));
}

// The analysis narrows where a match is tried but never changes the result.
TEST(RegexMatch, AnalysisKeepsResults) {
    EXPECT_EQ(Find("a*(foo|bar)", "abar"), "1,4");
    EXPECT_EQ(Find("a*(xyz)?b", "ab"), "1,2");
    EXPECT_EQ(Find("a*b(xyz)?", "aab"), "1,3");
    EXPECT_EQ(Find("x*", ""), "1,0");
    EXPECT_EQ(Find("$", "abc"), "4,0");
    EXPECT_EQ(Find("(a|)$", "b"), "2,0");
    EXPECT_EQ(Find("\\bx", "a x"), "3,1");
    EXPECT_EQ(Find("(?i)x+y", "aXXY"), "2,3");
    EXPECT_EQ(Find("x*foo", "fofoo"), "3,3");
    EXPECT_EQ(Find("(ab){0,2}c", "abac"), "4,1");
    EXPECT_EQ(Find("(ab)??c", "abc"), "1,3");
    // skipping a failed leading run, repeats that give nothing back, pruned alternatives
    EXPECT_EQ(Find("[a-z][a-z0-9]*\\(", "abc d2e(x"), "5,4");
    EXPECT_EQ(Find("a+b", "aacaab"), "4,3");
    EXPECT_EQ(Find("a*?b", "xaab"), "2,3");
    EXPECT_EQ(Find("a{1,2}b", "aaab"), "2,3");
    EXPECT_EQ(Find("(ab|ac|b)+c", "abacbd acc"), "8,3");
    EXPECT_EQ(Find("^b.*", "a\r\nbc\nb", "m-s"), "4,2");
    EXPECT_EQ(Find("(?i)SYNC", "xsyNc"), "2,4");
    EXPECT_EQ(Find("public|private", "pub privat private"), "12,7");
    const std::string longLine = std::string(70, 's') + "xSYNC" + std::string(40, 'p') + "priv" + std::string(30, 'p');
    EXPECT_EQ(Find("(?i)sYnc", longLine), "72,4");  // past the sixteen-byte blocks
    EXPECT_EQ(Find("pub|priv", longLine), "116,4");
    TRegex r;
    r.SetExpression("a+bcd");
    EXPECT_NE(r.Dump().find("must have \"bcd\""), std::string::npos);
    r.SetExpression("a*(xyz)?b");
    EXPECT_NE(r.Dump().find("must have \"b\""), std::string::npos);
    r.SetExpression("^ab");
    EXPECT_NE(r.Dump().find("anchored"), std::string::npos);
    r.SetExpression("ab|c");
    EXPECT_EQ(r.Dump().find("start"), std::string::npos);
    r.SetExpression("ab");
    EXPECT_NE(r.Dump().find("start 'a'"), std::string::npos);
}

// A match that starts inside the run a failed try's leading repeat counted,
// through every way of searching: the matches, Replace and Split.
TEST(RegexMatch, MatchStartsInsideALeadingRun) {
    struct Row {
        const char* Pattern;
        const char* Mods;
        std::string Subject;
        const char* Expected;
    };
    const Row rows[] = {
        {"x \\w+;", "", "x xx x;", "4,4 | x x<x x;> | x x,"},
        {"x=\\w+;", "", "x=x=5;", "3,4 | x=<x=5;> | x=,"},
        {"new \\w+\\(", "", "new new Foo(", "5,8 | new <new Foo(> | new ,"},
        {"AbA*(;b|[^ab=])", "i", "123456ababc" + std::string(14, 'z') + "abc",
         "9,3 26,3 | 123456ab<abc>zzzzzzzzzzzzzz<abc> | 123456ab,zzzzzzzzzzzzzz,"},
    };
    for (const Row& row : rows) {
        TRegex r;
        if (*row.Mods != 0) r.SetModifierStr(row.Mods);
        r.SetExpression(row.Pattern);
        std::string result;
        for (bool more = r.Exec(row.Subject); more; more = r.ExecNext())
            result += std::to_string(r.GetMatchPos(0)) + "," + std::to_string(r.GetMatchLen(0)) + " ";
        result += "| " + r.Replace(row.Subject, "<$&>", true) + " |";
        std::vector<std::string> pieces;
        r.Split(row.Subject, pieces);
        for (size_t i = 0; i < pieces.size(); ++i) result += (i == 0 ? " " : ",") + pieces[i];
        EXPECT_EQ(result, row.Expected) << row.Pattern;
    }
}

// A case function set after a run holds for the next run, in the characters
// tried first as much as in the comparison itself.
TEST(RegexMatch, NewInvertCaseFunctionRecompiles) {
    TRegex r;
    r.SetModifierStr("i");
    r.SetExpression("x");
    EXPECT_FALSE(r.Exec("y"));
    r.InvertCase = [](unsigned char c) -> unsigned char { return c == 'x' ? 'y' : c; };
    EXPECT_TRUE(r.Exec("y"));
    r.SetExpression("[x]");
    EXPECT_TRUE(r.Exec("y"));
    r.InvertCase = &TRegex::InvertCaseFunction;
    EXPECT_FALSE(r.Exec("y"));
    EXPECT_TRUE(r.Exec("X"));
}

TEST(RegexMatch, OffsetsAndExecNext) {
    TRegex r;
    r.SetExpression("a*");
    ASSERT_TRUE(r.Exec("baaa"));
    EXPECT_EQ(r.GetMatchPos(0), 1);
    EXPECT_EQ(r.GetMatchLen(0), 0);
    ASSERT_TRUE(r.ExecNext());
    EXPECT_EQ(r.GetMatchPos(0), 2);
    EXPECT_EQ(r.GetMatchLen(0), 3);
    ASSERT_TRUE(r.ExecNext());
    EXPECT_EQ(r.GetMatchPos(0), 5);
    EXPECT_FALSE(r.ExecNext());
    r.SetExpression("b");
    EXPECT_TRUE(r.ExecPos(2) == false);
    EXPECT_TRUE(r.Exec(1));
    EXPECT_FALSE(r.Exec(6));  // beyond the end plus one
    r.SetExpression("^a");
    r.SetInputString("aa");
    EXPECT_FALSE(r.ExecPos(2));
}

TEST(RegexMatch, MatchProperties) {
    TRegex r;
    EXPECT_EQ(r.GetSubExprMatchCount(), -1);
    r.SetExpression("(a)|b");
    ASSERT_TRUE(r.Exec("b"));
    EXPECT_EQ(r.GetMatchPos(1), -1);
    EXPECT_EQ(r.GetMatchLen(1), -1);
    EXPECT_EQ(r.GetMatch(1), "");
    EXPECT_EQ(r.GetSubExprMatchCount(), 0);
    EXPECT_EQ(r.GetMatchPos(15), -1);
    EXPECT_EQ(r.GetMatchPos(-1), -1);
    r.SetExpression("(a)(b)?(c)");
    ASSERT_TRUE(r.Exec("ac"));
    EXPECT_EQ(r.GetSubExprMatchCount(), 3);
    EXPECT_EQ(r.GetMatch(3), "c");
    EXPECT_EQ(r.GetInputString(), "ac");
    r.SetInputString("zz");
    EXPECT_EQ(r.GetMatchPos(0), -1);
}

}  // namespace

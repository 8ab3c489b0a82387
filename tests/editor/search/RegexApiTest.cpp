#include <gtest/gtest.h>

#include "editor/search/SrcRegex.h"

namespace {

TEST(RegexApi, ModifierStrAndModifiers) {
    TRegex r;
    EXPECT_EQ(r.GetModifierStr(), "gsr-imx");
    EXPECT_FALSE(r.GetModifier(1));
    EXPECT_TRUE(r.GetModifier(2));
    r.SetModifierStr("imx");
    EXPECT_EQ(r.GetModifierStr(), "xmgsri");
    r.SetModifierStr("-gs");
    EXPECT_EQ(r.GetModifierStr(), "xmri-sg");
    r.SetModifier(4, true);
    r.SetModifier(6, false);
    EXPECT_EQ(r.GetModifierStr(), "mgri-sx");
    r.SetModifierStr("I-M");
    EXPECT_TRUE(r.GetModifier(1));
    EXPECT_FALSE(r.GetModifier(5));
}

TEST(RegexApi, ModuleDefaultsAreCopied) {
    RegexModifierI = true;
    RegexModifierX = true;
    RegexWordChars = "ab";
    TRegex r;
    RegexModifierI = false;
    RegexModifierX = false;
    RegexWordChars = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ_";
    EXPECT_TRUE(r.GetModifier(1));
    EXPECT_FALSE(r.GetModifier(6));  // x is never copied
    EXPECT_EQ(r.WordChars, "ab");
    EXPECT_EQ(r.GetLinePairedSeparator(), "\r\n");
}

TEST(RegexApi, ChangesRecompile) {
    TRegex r;
    r.SetExpression("abc");
    EXPECT_FALSE(r.Exec("ABC"));
    r.SetModifier(1, true);
    EXPECT_TRUE(r.Exec("ABC"));
    r.SetExpression("^b");
    EXPECT_FALSE(r.Exec("a\nb"));
    r.SetModifierStr("m");
    EXPECT_TRUE(r.Exec("a\nb"));
    r.SetLineSeparators("");
    EXPECT_FALSE(r.Exec("a\nb"));  // no separators: plain "^"
}

TEST(RegexApi, Substitute) {
    TRegex r;
    r.SetExpression("(\\d+)");
    ASSERT_TRUE(r.Exec("x42"));
    EXPECT_EQ(r.Substitute("[$1]"), "[42]");
    EXPECT_EQ(r.Substitute("\\$1"), "$1");
    EXPECT_EQ(r.Substitute("${1}$&${&}$0"), "42424242");
    EXPECT_EQ(r.Substitute("$12"), "422");
    EXPECT_EQ(r.Substitute("$x ${15} ${1 $"), "$x ${15} ${1 $");
    EXPECT_EQ(r.Substitute("$2|${2}"), "|");
    EXPECT_EQ(r.Substitute("a\\\\b\\"), "a\\b\\");
    r.SetExpression("(a)(b)(c)(d)(e)(f)(g)(h)(i)(j)(k)(l)");
    ASSERT_TRUE(r.Exec("abcdefghijkl"));
    EXPECT_EQ(r.Substitute("${12}${10}$1"), "lja");
}

TEST(RegexApi, SplitAndReplace) {
    TRegex r;
    r.SetExpression("\\s*,\\s*");
    std::vector<std::string> pieces{"keep"};
    r.Split("a , b,c", pieces);
    EXPECT_EQ(pieces, (std::vector<std::string>{"keep", "a", "b", "c"}));
    pieces.clear();
    r.Split("abc", pieces);
    EXPECT_EQ(pieces, std::vector<std::string>{"abc"});
    r.SetExpression("(\\w+)=(\\w+)");
    EXPECT_EQ(r.Replace("a=1; b=2", "$2=$1", true), "1=a; 2=b");
    EXPECT_EQ(r.Replace("a=1; b=2", "$2=$1", false), "$2=$1; $2=$1");
    EXPECT_EQ(r.Replace("a=1; b=2", [](TRegex& m) { return m.GetMatch(1) + m.GetMatch(1); }), "aa; bb");
    EXPECT_EQ(r.ReplaceEx("x", [](TRegex&) { return std::string("y"); }), "x");
    r.SetExpression("a*");
    EXPECT_EQ(r.Replace("baaac", "-"), "-b--c-");
}

TEST(RegexApi, ModuleFunctions) {
    EXPECT_TRUE(ExecRegex("b+", "abbc"));
    EXPECT_FALSE(ExecRegex("z", "abbc"));
    std::vector<std::string> pieces;
    SplitRegex(";", "a;b;", pieces);
    EXPECT_EQ(pieces, (std::vector<std::string>{"a", "b", ""}));
    EXPECT_EQ(ReplaceRegex("(o)", "foo", "<$1>", true), "f<o><o>");
    EXPECT_EQ(QuoteRegexMetaChars("a^$.[()|?+*\\{]}b"), "a\\^\\$\\.\\[\\(\\)\\|\\?\\+\\*\\\\\\{\\]\\}b");
    TRegex r;
    r.SetExpression(QuoteRegexMetaChars("1+1=(2)"));
    EXPECT_TRUE(r.Exec("is 1+1=(2)?"));
    EXPECT_EQ(r.GetMatchPos(0), 4);
}

TEST(RegexApi, SubExpressions) {
    std::vector<TRegexSubExpression> subs;
    EXPECT_EQ(RegexSubExpressions("a(b(c))[(]\\((?#x)(?i)(d)", subs), 0);
    ASSERT_EQ(subs.size(), 4u);
    EXPECT_EQ(subs[0].Text, "a(b(c))[(]\\((?#x)(?i)(d)");
    EXPECT_EQ(subs[1].Text, "b(c)");
    EXPECT_EQ(subs[1].Pos, 3);
    EXPECT_EQ(subs[1].Length, 4);
    EXPECT_EQ(subs[2].Text, "c");
    EXPECT_EQ(subs[3].Text, "d");
    EXPECT_EQ(RegexSubExpressions("(a", subs), -1);
    EXPECT_EQ(RegexSubExpressions("[a", subs), -2);
    EXPECT_EQ(RegexSubExpressions("a)b", subs), 2);
    EXPECT_EQ(RegexSubExpressions("(a # )\n)", subs, true), 0);
    EXPECT_EQ(RegexSubExpressions("(a # )\n)", subs, false), 8);
}

TEST(RegexApi, Dump) {
    TRegex r;
    r.SetExpression("x(a|b){2,3}?\\1");
    const std::string dump = r.Dump();
    EXPECT_EQ(dump.substr(0, 10), " 1BRANCH (") << dump;
    EXPECT_NE(dump.find("EXACTLY ("), std::string::npos);
    EXPECT_NE(dump.find("LOOPNG ("), std::string::npos);
    EXPECT_NE(dump.find("{2,3}"), std::string::npos);
    EXPECT_NE(dump.find("BSUBEXP ("), std::string::npos);
    EXPECT_NE(dump.find("start 'x'"), std::string::npos);
    EXPECT_NE(dump.find("\r\nFirstCharSet:x"), std::string::npos);
    r.SetExpression("\\t|a");
    EXPECT_NE(r.Dump().find("FirstCharSet:#9a"), std::string::npos);
}

}  // namespace

#include <gtest/gtest.h>

#include "editor/search/SrcRegex.h"

namespace {

// The code and message of compiling pattern, or 0 and "".
std::pair<int, std::string> CompileError(const std::string& pattern, const std::string& mods = "") {
    TRegex r;
    if (!mods.empty()) r.SetModifierStr(mods);
    r.SetExpression(pattern);
    try {
        r.Compile();
    } catch (const ERegex& e) {
        EXPECT_EQ(r.LastError(), e.ErrorCode);
        EXPECT_EQ(r.LastError(), 0);
        return {e.ErrorCode, e.what()};
    }
    return {0, ""};
}

int CompileCode(const std::string& pattern, const std::string& mods = "") {
    return CompileError(pattern, mods).first;
}

TEST(RegexError, CompileCodes) {
    EXPECT_EQ(CompileCode(""), 100);
    EXPECT_EQ(CompileCode("(a)(b)(c)(d)(e)(f)(g)(h)(i)(j)(k)(l)(m)(n)"), 0);
    EXPECT_EQ(CompileCode("(a)(b)(c)(d)(e)(f)(g)(h)(i)(j)(k)(l)(m)(n)(o)"), 102);
    EXPECT_EQ(CompileCode("(ab"), 103);
    EXPECT_EQ(CompileCode("ab)"), 104);
    EXPECT_EQ(CompileCode("(a*)*"), 106);
    EXPECT_EQ(CompileCode("(\\b){2}"), 106);
    EXPECT_EQ(CompileCode("(a)\\1*"), 106);
    EXPECT_EQ(CompileCode("(a*)?"), 0);
    EXPECT_EQ(CompileCode("a**"), 107);
    EXPECT_EQ(CompileCode("a*??"), 107);
    EXPECT_EQ(CompileCode("\\x{4g}"), 108);
    EXPECT_EQ(CompileCode("[z-a]"), 109);
    EXPECT_EQ(CompileCode("\\"), 110);
    EXPECT_EQ(CompileCode("\\xg"), 111);
    EXPECT_EQ(CompileCode("\\x{100}"), 112);
    EXPECT_EQ(CompileCode("[abc"), 113);
    EXPECT_EQ(CompileCode("[a\\"), 113);
    EXPECT_EQ(CompileCode("*a"), 115);
    EXPECT_EQ(CompileCode("{2}"), 115);
    EXPECT_EQ(CompileCode("ab\\"), 116);
    EXPECT_EQ(CompileCode("x{123456789}"), 122);
    EXPECT_EQ(CompileCode("x{99999999}"), 0);
    EXPECT_EQ(CompileCode("x{2,1}"), 124);
    EXPECT_EQ(CompileCode("a(?#note"), 125);
    EXPECT_EQ(CompileCode("(?q)"), 127);
    EXPECT_EQ(CompileCode("[^\\x01-\\xff]"), 129);
    EXPECT_EQ(CompileCode("a\\x00"), 130);
    EXPECT_EQ(CompileCode(std::string("a\0b", 3)), 130);
}

TEST(RegexError, ProgramSizeIsBounded) {
    const std::string huge((16 << 20) / 5 + 1, '.');  // 5 program bytes each
    EXPECT_EQ(CompileCode(huge), 101);
    // many alternatives compile in linear time
    std::string words = "w0";
    for (int i = 1; i < 20000; ++i) words += "|w" + std::to_string(i);
    TRegex r;
    r.SetExpression(words);
    EXPECT_TRUE(r.Exec("x w19999 y"));
    EXPECT_EQ(r.GetMatchPos(0), 3);
}

TEST(RegexError, EmptyClassesFromCharacterSets) {
    TRegex r;
    r.WordChars = "";
    r.SetExpression("\\w");
    EXPECT_THROW(r.Compile(), ERegex);
    EXPECT_EQ(r.LastError(), 129);
    r.SpaceChars = std::string();
    for (int c = 1; c < 256; ++c) r.SpaceChars += static_cast<char>(c);
    r.SetExpression("\\S");
    EXPECT_THROW(r.Compile(), ERegex);
    EXPECT_EQ(r.LastError(), 129);
}

TEST(RegexError, MessagesCarryThePosition) {
    EXPECT_EQ(CompileError("x{2,1}").second, "TRegex(comp): BRACE Min Param Greater then Max (pos 6)");
    EXPECT_EQ(CompileError("*a").second, "TRegex(comp): ?+*{ Follows Nothing (pos 1)");
    EXPECT_EQ(CompileError("(ab").second, "TRegex(comp): ParseReg Unmatched () (pos 4)");
    TRegex r;
    r.SetExpression("ab)");
    EXPECT_THROW(r.Compile(), ERegex);
    EXPECT_EQ(r.GetCompilerErrorPos(), 3);
}

TEST(RegexError, MessageTable) {
    const std::pair<int, const char*> rows[] = {
        {0, "No errors"},
        {101, "TRegex(comp): Regexp Too Big"},
        {105, "TRegex(comp): ParseReg Junk On End"},
        {106, "TRegex(comp): *+ Operand Could Be Empty"},
        {107, "TRegex(comp): Nested *?+"},
        {110, "TRegex(comp): Parse Atom Trailing \\"},
        {111, "TRegex(comp): No Hex Code After \\x"},
        {112, "TRegex(comp): Hex Code After \\x Is Too Big"},
        {114, "TRegex(comp): Internal Urp"},
        {119, "TRegex(comp): RarseAtom Internal Disaster"},
        {122, "TRegex(comp): BRACES Argument Too Big"},
        {127, "TRegex(comp): Urecognized Modifier"},
        {128, "TRegex(comp): LinePairedSeparator must countain two different chars or no chars at all"},
        {1000, "TRegex(exec): RegRepeat Called Inappropriately"},
        {1001, "TRegex(exec): MatchPrim Memory Corruption"},
        {1002, "TRegex(exec): MatchPrim Corrupted Pointers"},
        {1003, "TRegex(exec): Not Assigned Expression Property"},
        {1004, "TRegex(exec): Corrupted Program"},
        {1006, "TRegex(exec): Offset Must Be Greater Then 0"},
        {1011, "TRegex(dump): Corrupted Opcode"},
        {1014, "TRegex(exec): Loop Stack Exceeded"},
        {1015, "TRegex(exec): Loop Without LoopEntry !"},
        {1016, "TRegex(exec): Recursion Too Deep"},
        {1017, "TRegex(exec): Step Limit Exceeded"},
        {2000, "TRegex(misc): Bad p-code imported"},
        {1013, "Unknown error"},
        {42, "Unknown error"},
    };
    for (const auto& [code, text] : rows) EXPECT_EQ(TRegex::ErrorMsg(code), text) << code;
}

TEST(RegexError, ExecCodes) {
    TRegex r;
    EXPECT_THROW(r.Compile(), ERegex);
    EXPECT_EQ(r.LastError(), 1003);
    EXPECT_THROW(r.Exec("a"), ERegex);
    EXPECT_EQ(r.LastError(), 100);
    r.SetExpression("a");
    TRegex fresh;
    fresh.SetExpression("a");
    try {
        fresh.Exec();
        FAIL();
    } catch (const ERegex& e) {
        EXPECT_STREQ(e.what(), "TRegex(exec): No Input String Specified");
    }
    EXPECT_THROW(fresh.GetInputString(), ERegex);
    EXPECT_EQ(fresh.LastError(), 1008);
    r.SetInputString("a");
    EXPECT_THROW(r.Exec(0), ERegex);
    EXPECT_EQ(r.LastError(), 1006);
    EXPECT_FALSE(r.Exec("b"));
    EXPECT_THROW(r.ExecNext(), ERegex);
    EXPECT_EQ(r.LastError(), 1007);
    EXPECT_THROW(r.GetModifier(7), ERegex);
    EXPECT_EQ(r.LastError(), 1013);
    EXPECT_THROW(r.SetModifier(0, true), ERegex);
    EXPECT_THROW(r.SetModifierStr("iq"), ERegex);
    EXPECT_EQ(r.LastError(), 1013);
    EXPECT_THROW(r.SetLinePairedSeparator("aa"), ERegex);
    EXPECT_EQ(r.LastError(), 128);
    EXPECT_THROW(r.SetLinePairedSeparator("abc"), ERegex);
    EXPECT_NO_THROW(r.SetLinePairedSeparator(""));
    EXPECT_EQ(r.GetLinePairedSeparator(), "");
}

TEST(RegexError, LoopStackIsBounded) {
    std::string nested = "a";
    for (int i = 0; i < 11; ++i) nested = "(" + nested + "){1,2}";
    TRegex r;
    r.SetExpression(nested);
    EXPECT_THROW(r.Exec("a"), ERegex);
    EXPECT_EQ(r.LastError(), 1014);
    nested = "a";
    for (int i = 0; i < 10; ++i) nested = "(" + nested + "){1,2}";
    r.SetExpression(nested);
    EXPECT_TRUE(r.Exec("a"));
}

}  // namespace

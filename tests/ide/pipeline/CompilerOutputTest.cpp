// Reading the compiler's diagnostic records into message lines.
#include <gtest/gtest.h>

#include "ide/pipeline/CompilerOutput.h"

namespace {

std::string Record(const std::string& header, const std::string& text) { return header + "\n" + text + "\n"; }

// A record's line and position; paths stay the printed bytes (drive or
// slash, UTF-8 or not), texts are decoded from Windows-1252, warnings do not
// fail the compile.
TEST(ParseCompilerOutput, ARecordGivesItsLineAndPosition)
{
    struct Case {
        std::string output, text, file;
        int line, column, endColumn;
        bool failed;
    };
    const Case cases[] = {
        {Record("C:\\work\\Foo.java:12:5:12:9:", "Syntax: ; expected"), "[Java Error] Foo.java(12): Syntax: ; expected",
         "C:\\work\\Foo.java", 12, 5, 9, true},
        {Record("/home/u/src/Bar.java:3:1:3:4:", "Warning: unused"), "[Java Error] Bar.java(3): Warning: unused",
         "/home/u/src/Bar.java", 3, 1, 4, false},
        {"/a/Caf\xe9.java:1:2:1:3:\r\nError: bad \x93quote\x94\r\n",
         "[Java Error] Caf\xc3\xa9.java(1): Error: bad \xe2\x80\x9cquote\xe2\x80\x9d ", "/a/Caf\xe9.java", 1, 2, 3, true},
        {Record("/home/u/Grüße dir/Wörter.java:3:16:3:19:", "Error: gr\xfcn cannot be resolved to a variable"),
         "[Java Error] Wörter.java(3): Error: grün cannot be resolved to a variable", "/home/u/Grüße dir/Wörter.java", 3,
         16, 19, true},
    };
    for (const Case& c : cases) {
        auto result = ParseCompilerOutput(c.output + "  see the manual\n");
        ASSERT_EQ(result.Lines.size(), 2u) << c.text;
        EXPECT_EQ(result.Lines[0].Text, c.text);
        const TLinInfo& info = *result.Lines[0].Info;
        EXPECT_TRUE(info.IsSourcePosition);
        EXPECT_EQ(info.FileName, c.file);
        EXPECT_EQ(std::vector<int>({info.StartLine, info.StartColumn, info.EndLine, info.EndColumn}),
                  std::vector<int>({c.line, c.column, c.line, c.endColumn}));
        EXPECT_EQ(result.Lines[1].Text, "  see the manual");
        EXPECT_EQ(result.Lines[1].Info, nullptr);
        EXPECT_EQ(result.Failed, c.failed) << c.text;
        EXPECT_FALSE(result.Error);
    }
}

TEST(ParseCompilerOutput, LongTextsAreCutAtBlanksBehindTheWidth)
{
    // 300 characters of line text, words of 9 letters and a blank.
    std::string words;
    while (words.size() < 300 - 26) words += "abcdefghi ";
    words.resize(300 - 26);
    auto result = ParseCompilerOutput(Record("/p/Foo.java:7:1:7:2:", "Error: " + words));
    const std::string full = "[Java Error] Foo.java(7): Error: " + words;
    ASSERT_EQ(full.size(), 300u + 7);
    std::string rebuilt;
    ASSERT_GE(result.Lines.size(), 3u);
    for (size_t i = 0; i < result.Lines.size(); ++i) {
        const std::string& text = result.Lines[i].Text;
        if (i == 0) {
            ASSERT_NE(result.Lines[i].Info, nullptr);
            rebuilt = text;
        } else {
            EXPECT_EQ(result.Lines[i].Info, nullptr);
            ASSERT_EQ(text.substr(0, 13), std::string(13, ' '));
            ASSERT_NE(text[13], ' ');
            rebuilt += " " + text.substr(13);
        }
        if (i + 1 < result.Lines.size()) {
            const size_t piece = i == 0 ? text.size() : text.size() - 13;
            EXPECT_GE(piece, 120u);
            EXPECT_LT(piece, 130u);
        }
    }
    EXPECT_EQ(rebuilt, full);
}

TEST(ParseCompilerOutput, NoBlankBehindTheWidthKeepsOneLine)
{
    const std::string prefix = "[Java Error] Foo.java(1): ";
    // The only blank after the prefix sits at index 119: the search starts at 120.
    std::string text(119 - prefix.size(), 'x');
    text += ' ';
    text += std::string(40, 'y');
    auto result = ParseCompilerOutput(Record("/Foo.java:1:1:1:1:", text));
    ASSERT_EQ(result.Lines.size(), 1u);
    EXPECT_EQ(result.Lines[0].Text, prefix + text);

    auto exact = ParseCompilerOutput(Record("/Foo.java:1:1:1:1:", std::string(121 - prefix.size(), 'z')));
    ASSERT_EQ(exact.Lines.size(), 1u);
    EXPECT_EQ(exact.Lines[0].Text.size(), 121u);

    // The width counts characters: a name of 40 two-byte letters, 120
    // characters in all, and then one word more.
    std::string name;
    for (int i = 0; i < 40; ++i) name += "\xc3\x84";
    const std::string head = "[Java Error] " + name + ".java(1): ", header = "/" + name + ".java:1:1:1:1:";
    std::string words = "w";
    while (words.size() < 120 - 63) words += " w";
    auto wide = ParseCompilerOutput(Record(header, words) + Record(header, words + " tail"));
    ASSERT_EQ(wide.Lines.size(), 3u);
    EXPECT_EQ(wide.Lines[0].Text, head + words);
    EXPECT_EQ(wide.Lines[1].Text, head + words);
    EXPECT_EQ(wide.Lines[2].Text, std::string(13, ' ') + "tail");
}

TEST(ParseCompilerOutput, UndecodableRecordsAreIde21AndKeepEarlierLines)
{
    for (const std::string bad : {"", "Foo.java:1:2:3:", "Foo.java:1:x:3:4:", "Foo.java:1:2:3:99999999999:",
                                  "Foo.java:1:2: 3:4:"}) {
        auto result = ParseCompilerOutput(Record("/a/A.java:1:1:1:2:", "Warning: w") +
                                          Record("/a/B.java:2:1:2:2:", "Warning: v") + bad + "\nnext\n");
        ASSERT_EQ(result.Lines.size(), 2u) << bad;
        EXPECT_EQ(result.Lines[1].Text, "[Java Error] B.java(2): Warning: v");
        ASSERT_TRUE(result.Error) << bad;
        EXPECT_EQ(result.Error->Number, 21);
        EXPECT_EQ(result.Error->Text, "Unable to decode compiler message.");
        EXPECT_TRUE(result.Failed);
    }
}

TEST(ParseCompilerOutput, EmptyOutputIsACleanCompile)
{
    auto result = ParseCompilerOutput("");
    EXPECT_TRUE(result.Lines.empty());
    EXPECT_FALSE(result.Failed);
    EXPECT_FALSE(result.Error);
}

}  // namespace

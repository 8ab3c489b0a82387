#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ide/pipeline/ParamTokens.h"

namespace {

std::vector<std::string> Tokens(const std::string& text)
{
    std::vector<std::string> tokens;
    std::string token;
    const char* p = text.c_str();
    for (;;) {
        p = NextParamToken(p, token);
        if (token.empty()) return tokens;
        tokens.push_back(token);
    }
}

}  // namespace

TEST(NextParamToken, SplitsOnBlanksAndKeepsQuotedRuns)
{
    using Words = std::vector<std::string>;
    const std::pair<const char*, Words> cases[] = {
        {"  a.java\tb.java\r\nc.java  ", {"a.java", "b.java", "c.java"}},  // blanks and control characters
        {"", {}},
        {" \t ", {}},
        {"ide \"/home/u/My Files/A.java\" B.java", {"ide", "/home/u/My Files/A.java", "B.java"}},
        {"pre\"fix mid\"post next", {"prefix midpost", "next"}},
        {"\"open run", {"open run"}},  // an unclosed quote runs to the end
        {"\"\" a \"\"   \"\" b", {"a", "b"}},    // empty quoted words are skipped
        {"\"\"", {}},
        {"ide /tmp/Grüße/Ä.java \xE2\x82\xAC", {"ide", "/tmp/Grüße/Ä.java", "\xE2\x82\xAC"}},  // bytes above 127
    };
    for (const auto& [text, words] : cases) EXPECT_EQ(Tokens(text), words) << text;
}

TEST(NextParamToken, LongWordIsCutAndItsRestSkipped)
{
    const std::string word(ParamTokenCapacity + 10, 'x');
    const auto tokens = Tokens(word + " next");
    ASSERT_EQ(tokens.size(), 2u);
    EXPECT_EQ(tokens[0], std::string(ParamTokenCapacity, 'x'));
    EXPECT_EQ(tokens[1], "next");
}

TEST(ParamFiles, SkipsTheProgramNameAndStopsAtTheEnd)
{
    EXPECT_EQ(ParamFiles("/opt/corvane-ide \"/a b/C.java\" D.java"),
              (std::vector<std::string>{"/a b/C.java", "D.java"}));
    EXPECT_TRUE(ParamFiles("/opt/corvane-ide").empty());
    EXPECT_TRUE(ParamFiles("").empty());
}

TEST(QuoteCommandLine, IsReadBackWordForWord)
{
    const std::vector<std::string> args = {"/usr/bin/corvane-ide", "/tmp/with blank/A.java", "B.java",
                                           "tab\there", "Ünïcode ß.java", "-d"};
    EXPECT_EQ(Tokens(QuoteCommandLine(args)), args);
    EXPECT_EQ(QuoteCommandLine({"ide", "a b"}), "ide \"a b\"");
}

TEST(QuoteCommandLine, DropsWhatCannotBeCarried)
{
    // A double quote cannot be written in a word; an empty word is skipped.
    EXPECT_EQ(Tokens(QuoteCommandLine({"ide", "say\"hi\".java", "", "last"})),
              (std::vector<std::string>{"ide", "sayhi.java", "last"}));
}

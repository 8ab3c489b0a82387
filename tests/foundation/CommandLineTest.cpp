#include <gtest/gtest.h>

#include "foundation/EError.h"
#include "foundation/Settings.h"

using Args = std::vector<std::string>;

TEST(CommandLine, OptionsAndFilesInOrder) {
    Args files = ParseCommandLine(Args{"ide", "-t", "Hello", "-classpath", "c:\\x", "a.java",
                                       "-d", "-other", "b.java"});
    EXPECT_TRUE(CmdLineTestMode);
    EXPECT_TRUE(CmdLineDebug);
    EXPECT_EQ(CmdLineTestClass, "Hello");
    EXPECT_EQ(CmdLineClassPath, "c:\\x");
    EXPECT_EQ(files, (Args{"a.java", "-other", "b.java"}));
}

TEST(CommandLine, ResultsStartEmptyAndWordsAreCaseSensitive) {
    ParseCommandLine(Args{"ide", "-d", "-t", "X"});
    Args files = ParseCommandLine(Args{"ide", "-D", "-T"});
    EXPECT_FALSE(CmdLineDebug);
    EXPECT_FALSE(CmdLineTestMode);
    EXPECT_EQ(CmdLineTestClass, "");
    EXPECT_EQ(files, (Args{"-D", "-T"}));
    EXPECT_TRUE(ParseCommandLine(Args{"ide"}).empty());
}

TEST(CommandLine, MissingOperandsRaiseTheirErrors) {
    try {
        ParseCommandLine(Args{"ide", "-t"});
        FAIL() << "no IDE-37";
    } catch (const EError& e) {
        EXPECT_EQ(e.Number, 37);
        EXPECT_TRUE(CmdLineTestMode);
    }
    try {
        ParseCommandLine(Args{"ide", "a.java", "-classpath"});
        FAIL() << "no IDE-38";
    } catch (const EError& e) {
        EXPECT_EQ(e.Message, "[ Error IDE-0038] Class path expected.\n");
    }
}

TEST(CommandLine, TakesArgvAsGiven) {
    char prog[] = "ide", opt[] = "-classpath", path[] = "/l;/m";
    char* argv[] = {prog, opt, path};
    EXPECT_TRUE(ParseCommandLine(3, argv).empty());
    EXPECT_EQ(CmdLineClassPath, "/l;/m");
}

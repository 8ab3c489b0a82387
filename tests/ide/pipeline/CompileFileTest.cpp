// Compiling through the compiler adapter and ecj into message lines.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "foundation/Options.h"
#include "ide/pipeline/CompileFile.h"
#include "tests/support/CaptureSink.h"
#include "tests/support/JavaCompile.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/TempDir.h"

namespace {

class CompileFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        saved = GlobalOptions;
        GlobalOptions.CompilerPath = ProgramDir() + "/jikes/jikes";
    }
    void TearDown() override { GlobalOptions = saved; }

    std::string Write(const std::string& name, const std::string& text) { return WriteSource(dir.Path(), name, text); }
    bool Compile(const std::string& source) { return CompileFile(source, ClassLibraryDir()); }
    // A shell script as the compiler; it gets the source as $4.
    void FakeCompiler(const std::string& body)
    {
        const std::string path = dir.File("fake-compiler");
        TempDir::WriteFile(path, "#!/bin/sh\n" + body);
        chmod(path.c_str(), 0755);
        GlobalOptions.CompilerPath = path;
    }

    tOptions saved;
    TempDir dir{"corvane-compile"};
    CaptureSink lines;
};

TEST_F(CompileFileTest, CleanSourceGivesNoLineAndAnOldClassFile)
{
    const std::string source = Write("Hello.java", TempDir::ReadFile(SourceDir() + "/examples/Hello.java"));
    EXPECT_FALSE(Compile(source));
    EXPECT_TRUE(lines.lines.empty()) << lines.Last();
    const std::string cls = TempDir::ReadFile(dir.File("Hello.class"));
    ASSERT_GE(cls.size(), 8u);
    EXPECT_EQ(cls.substr(0, 8), std::string("\xCA\xFE\xBA\xBE\x00\x03\x00\x2D", 8));  // 45.3
}

// A folder where the class file goes stops the write, for root too.
TEST_F(CompileFileTest, AClassFileThatCannotBeWrittenFailsWithItsLine)
{
    const std::string source = Write("Hello.java", TempDir::ReadFile(SourceDir() + "/examples/Hello.java"));
    TempDir::MakeDirs(dir.File("Hello.class"));
    EXPECT_TRUE(Compile(source));
    ASSERT_FALSE(lines.lines.empty());
    EXPECT_EQ(lines.lines[0].rfind("[Java Error] Hello.java(1): Error: No .class file created for file Hello.class", 0),
              0u)
        << lines.lines[0];
    EXPECT_EQ(lines.infos[0]->FileName, source);
    EXPECT_TRUE(lines.Contains("Hello.class (Is a directory)")) << lines.Last();
}

TEST_F(CompileFileTest, SyntaxErrorGivesItsLineWithThePosition)
{
    const std::string source = Write("Broken.java", "public class Broken {\n    static void main() {\n"
                                                    "        int x = 1\n    }\n}\n");
    EXPECT_TRUE(Compile(source));
    ASSERT_EQ(lines.lines.size(), 1u);
    EXPECT_EQ(lines.lines[0].rfind("[Java Error] Broken.java(3): Syntax: ", 0), 0u) << lines.lines[0];
    const TLinInfo& info = *lines.infos[0];
    EXPECT_EQ(info.FileName, source);
    EXPECT_EQ(info.StartLine, 3);
    EXPECT_EQ(info.EndLine, 3);
    EXPECT_GT(info.StartColumn, 0);
    EXPECT_GE(info.EndColumn, info.StartColumn);
}

TEST_F(CompileFileTest, ErrorInAnotherClassNamesItsFile)
{
    Write("Helper.java", "public class Helper {\n    static int twice(int x) { return x * 2 + undefined; }\n}\n");
    const std::string source = Write("UsesHelper.java", "public class UsesHelper {\n"
                                                        "    static void main() { Helper.twice(2); }\n}\n");
    EXPECT_TRUE(Compile(source));
    ASSERT_FALSE(lines.lines.empty());
    EXPECT_TRUE(lines.Contains("[Java Error] Helper.java(2): Error: ")) << lines.lines[0];
    EXPECT_EQ(lines.infos[0]->FileName, dir.File("Helper.java"));
}

TEST_F(CompileFileTest, MissingEcjShowsTheAdaptersRecord)
{
    const std::string source = Write("C.java", "public class C {\n}\n");
    {
        TempDir emptyBin("corvane-nobin");
        ScopedEnv path("PATH", emptyBin.Path());
        EXPECT_TRUE(Compile(source));
    }
    ASSERT_EQ(lines.lines.size(), 1u);
    EXPECT_EQ(lines.lines[0], "[Java Error] C.java(1): Error: The Java compiler ecj could not be started.");
}

// A compiler that dies, or fails without saying why, fails the compile;
// its own error lines stand as they are.
TEST_F(CompileFileTest, HowTheCompilerEndsDecidesTheCompile)
{
    const std::string source = Write("Hello.java", "public class Hello {\n}\n");
    const std::string ide33 = "[ Error IDE-0033] Problem invoking the external compiler: ";
    const std::string warning = "printf '%s:1:1:1:5:\\nWarning: odd\\n' \"$4\"\n";
    struct Case {
        const char* name;
        std::string body;
        bool failed;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"exit 0 silent", "exit 0\n", false, {}},
        {"exit 0 with a warning", warning + "exit 0\n", false, {"[Java Error] Hello.java(1): Warning: odd"}},
        {"exit 1 silent", "exit 1\n", true, {ide33 + "Exit status 1"}},
        {"exit 1 with a warning only", warning + "exit 1\n", true,
         {"[Java Error] Hello.java(1): Warning: odd", ide33 + "Exit status 1"}},
        {"exit 1 with an error line", "printf '%s:2:3:2:4:\\nError: bad\\n' \"$4\"\nexit 1\n", true,
         {"[Java Error] Hello.java(2): Error: bad"}},
        {"SIGSEGV", "kill -SEGV $$\n", true, {ide33 + "Signal 11 (Segmentation fault)"}},
        {"SIGKILL after half a line", "printf '%s:2:3' \"$4\"\nkill -KILL $$\n", true, {ide33 + "Signal 9 (Killed)"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        lines.Clear();
        FakeCompiler(c.body);
        EXPECT_EQ(Compile(source), c.failed);
        EXPECT_EQ(lines.lines, c.lines);
    }
}

}  // namespace

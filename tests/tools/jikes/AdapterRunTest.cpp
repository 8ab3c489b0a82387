// The built adapter, run as the IDE runs it, on real sources.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "editor/support/ShownText.h"
#include "tests/support/JavaCompile.h"
#include "tests/support/TempDir.h"
#include "tests/tools/jikes/CompilerRecords.h"

namespace {

class AdapterRun : public ::testing::Test {
protected:
    TempDir dir{"corvane-jikes"};

    std::string Write(const std::string& name, const std::string& text) {
        return WriteSource(dir.Path(), name, text);
    }

    // Runs the adapter; checks what every run must satisfy and returns the
    // parsed records.
    TCompilerOutput Compile(const std::string& source, std::vector<std::string> prefix = {}) {
        JavaCompileResult run = RunCompilerAdapter(source, std::move(prefix));
        output = run.output;
        TCompilerOutput parsed = ParseCompilerOutput(run.output);
        EXPECT_TRUE(parsed.Decoded) << run.output;
        EXPECT_TRUE(parsed.Continuations.empty()) << run.output;
        EXPECT_LT(run.output.size(), 60000u);
        if (!run.output.empty()) {
            EXPECT_EQ(run.output.back(), '\n');
        }
        EXPECT_EQ(run.exitCode, parsed.Failed() ? 1 : 0) << run.output;
        return parsed;
    }

    // The class file of the source <name>.java: the compiler names it in UTF-8.
    static std::string ClassFileOf(const std::string& name) {
        const size_t slash = name.rfind('/');
        const std::string folder = slash == std::string::npos ? "" : name.substr(0, slash + 1);
        return folder + ShownText(name.substr(folder.size())) + ".class";
    }
    bool Exists(const std::string& name) { return std::filesystem::exists(dir.Path() + "/" + name); }

    std::string output;
};

}  // namespace

TEST_F(AdapterRun, CleanSourcePrintsNothingAndWritesAVersion45_3ClassBesideIt) {
    std::string source = Write("Hello.java",
                               "public class Hello {\n"
                               "    static void main() {\n"
                               "        System.out.println(\"Hello \" + 42);\n"
                               "    }\n"
                               "}\n");
    TCompilerOutput parsed = Compile(source);
    EXPECT_EQ(output, "");
    ASSERT_TRUE(Exists("Hello.class"));
    std::string bytes = TempDir::ReadFile(dir.Path() + "/Hello.class");
    ASSERT_GE(bytes.size(), 8u);
    EXPECT_EQ(bytes.substr(4, 4), std::string("\0\3\0\x2d", 4));
}

// One problem each: its kind, its exact place, and whether a class is written.
// The last source mixes CR LF, CR and LF line ends; a tab counts one character.
// Without a locale (a service, a container), so that UTF-8 folder names must
// still reach ecj intact.
TEST_F(AdapterRun, OneProblemIsOneRecordWithExactPositions) {
    const std::vector<std::string> noLocale = {"env", "-u", "LANG", "-u", "LC_ALL", "-u", "LC_CTYPE"};
    struct Case {
        const char* name;
        const char* text;
        const char* prefix;
        int line, column, endColumn;
        const char* quoted;  // in the text, in Windows-1252
    };
    const Case cases[] = {
        {"S", "public class S {\n  void f() { int; }\n}\n", "Syntax: ", 2, 14, 16, ""},
        {"Grüße/E", "public class E {\n  int f() { return undefinedName; }\n}\n", "Error: ", 2, 20, 32, ""},
        {"Grüße/W", "public class W {\n  void f() { int unused = 1; }\n}\n", "Warning: ", 2, 18, 23, ""},
        {"T", "public class T {\r\n\tint a;\r\t// note\n\tvoid f() {\r\n\t\tint y = \"s\";\r\n\t}\r\n}\r\n",
         "Error: ", 5, 11, 13, ""},
        {"Grüße dir/Wörter", "public class W\xf6rter {\n  int f() { return gr\xfcn; }\n}\n", "Error: ", 2, 20, 23,
         "gr\xfcn cannot be resolved"},
        {"caf\xe9", "public class caf\xe9 {\n  int f() { return gr\xfcn; }\n}\n", "Error: ", 2, 20, 23,
         "gr\xfcn cannot be resolved"},
        {"W\xf6rter/caf\xe9", "public class caf\xe9 {\n  void f() { int unused = 1; }\n}\n", "Warning: ", 2, 18, 23,
         ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string source = Write(std::string(c.name) + ".java", c.text);
        TCompilerOutput parsed = Compile(source, noLocale);
        ASSERT_EQ(parsed.Records.size(), 1u) << output;
        const TCompilerRecord& r = parsed.Records[0];
        EXPECT_EQ(r.Path, source);
        EXPECT_EQ(r.Text.rfind(c.prefix, 0), 0u) << r.Text;
        EXPECT_NE(r.Text.find(c.quoted), std::string::npos) << r.Text;
        EXPECT_EQ(r.Line, c.line);
        EXPECT_EQ(r.Column, c.column);
        EXPECT_EQ(r.EndLine, c.line);
        EXPECT_EQ(r.EndColumn, c.endColumn);
        const bool warning = std::string(c.prefix) == "Warning: ";
        EXPECT_EQ(parsed.Failed(), !warning);
        EXPECT_EQ(Exists(ClassFileOf(c.name)), warning);
    }
}

// A source whose name is not UTF-8 compiles as a copy; its classes, named
// by the compiler in UTF-8, land beside it, and nothing else does.
TEST_F(AdapterRun, ASourceWhoseNameIsNotUtf8WritesItsClassBesideIt) {
    std::string source = Write("W\xf6rter/caf\xe9.java", "public class caf\xe9 {\n  caf\xe9 f() { return this; }\n}\n");
    Compile(source);
    EXPECT_EQ(output, "");
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path() + "/W\xf6rter"))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"caf\xc3\xa9.class", "caf\xe9.java"}));
}

TEST_F(AdapterRun, ErrorInADependedOnSecondFileNamesThatFile) {
    std::string helper = Write("Helper.java", "public class Helper {\n  static int twice(int x) { return x * y; }\n}\n");
    std::string user = Write("User.java", "public class User {\n  int f() { return Helper.twice(2); }\n}\n");
    TCompilerOutput parsed = Compile(user);
    ASSERT_TRUE(parsed.Failed()) << output;
    bool found = false;
    for (const TCompilerRecord& r : parsed.Records) {
        if (r.Path != helper) continue;
        found = true;
        EXPECT_EQ(r.Line, 2);
        EXPECT_EQ(r.Column, 40);
        EXPECT_TRUE(r.IsError);
    }
    EXPECT_TRUE(found) << output;
}

TEST_F(AdapterRun, MissingOrNoSourceIsAnError) {
    std::string source = dir.Path() + "/Missing.java";
    TCompilerOutput parsed = Compile(source);
    ASSERT_EQ(parsed.Records.size(), 1u) << output;
    EXPECT_EQ(parsed.Records[0].Path, source);
    EXPECT_TRUE(parsed.Records[0].IsError);
    // No source at all.
    JavaCompileResult run = RunProgram({ProgramDir() + "/jikes/jikes", "+E", "-depend", "-g"});
    parsed = ParseCompilerOutput(run.output);
    EXPECT_TRUE(parsed.Decoded);
    EXPECT_TRUE(parsed.Failed());
    EXPECT_EQ(run.exitCode, 1);
}

TEST_F(AdapterRun, CompilerThatIsMissingCrashesOrLeavesNoLogIsAnError) {
    std::string source = Write("C.java", "public class C {\n}\n");
    // No compiler, a crash, a failure with a complaint, and a run that writes no log.
    const std::pair<const char*, const char*> fakes[] = {
        {nullptr, ""},
        {"#!/bin/sh\nkill -SEGV $$\n", "abnormally"},
        {"#!/bin/sh\necho cannot run >&2\nexit 3\n", "exit code 3): cannot run"},
        {"#!/bin/sh\nexit 0\n", "failed"}};
    std::string bin = dir.Path() + "/fake-bin";
    TempDir::MakeDirs(bin);
    for (const auto& [script, reason] : fakes) {
        SCOPED_TRACE(script ? script : "no compiler");
        if (script) {
            TempDir::WriteFile(bin + "/ecj", script);
            std::filesystem::permissions(bin + "/ecj", std::filesystem::perms::owner_all);
        }
        TCompilerOutput parsed = Compile(source, {"env", "PATH=" + bin});
        ASSERT_EQ(parsed.Records.size(), 1u) << output;
        EXPECT_TRUE(parsed.Records[0].IsError);
        EXPECT_EQ(parsed.Records[0].Path, source);
        EXPECT_NE(parsed.Records[0].Text.find(reason), std::string::npos) << parsed.Records[0].Text;
        EXPECT_FALSE(Exists("C.class"));
    }
}

// A class file that cannot be written (a folder in its place, which holds
// for root too) is an error naming it and the reason, whoever writes it:
// ecj, or the adapter returning a stand-in's classes.
TEST_F(AdapterRun, AClassFileThatCannotBeWrittenIsAnError) {
    struct Case {
        const char* name;
        const char* text;
        const char* blocked;  // the class file in the way
        const char* shown;    // its name in the record's Windows-1252 text
        const char* written;  // a class file that still comes
        const char* reason;
    };
    const Case cases[] = {
        {"Hello", "public class Hello {\n}\n", "Hello.class", "Hello.class", "", "Is a directory"},
        {"Two", "public class Two {\n}\nclass Other {\n}\n", "Other.class", "Other.class", "Two.class",
         "Is a directory"},
        {"caf\xe9", "public class caf\xe9 {\n}\n", "caf\xc3\xa9.class", "caf\xe9.class", "", "not a regular file"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string source = Write(std::string(c.name) + ".java", c.text);
        TempDir::MakeDirs(dir.Path() + "/" + c.blocked);
        TCompilerOutput parsed = Compile(source);
        ASSERT_EQ(parsed.Records.size(), 1u) << output;
        const TCompilerRecord& r = parsed.Records[0];
        EXPECT_TRUE(r.IsError);
        EXPECT_EQ(r.Path, source);
        EXPECT_EQ(r.Line, 1);
        EXPECT_NE(r.Text.find(c.shown), std::string::npos) << r.Text;
        EXPECT_NE(r.Text.find(c.reason), std::string::npos) << r.Text;
        EXPECT_TRUE(std::filesystem::is_directory(dir.Path() + "/" + c.blocked));
        if (*c.written) {
            EXPECT_TRUE(Exists(c.written));
        }
    }
}

#include <gtest/gtest.h>

#include <cstdio>

#include "tests/linker/LinkFixture.h"
#include "tests/support/CaptureSink.h"
#include "tests/support/JavaCompile.h"

namespace {
// A program on the minimal java/lang: no statics or strings of its own.
TSources OnMinimalLibrary(const std::string& mainSource, TSources more = {}) {
    TSources sources = MinimalLibrary();
    sources["Main.java"] = mainSource;
    sources.insert(more.begin(), more.end());
    return sources;
}

std::string LinkMinimal(const std::string& mainSource, TSources more = {}) {
    LinkedProgram program(OnMinimalLibrary(mainSource, std::move(more)), "");
    return program.Link("Main");
}

std::string StaticFields(int count) {
    std::string fields;
    for (int i = 0; i < count; ++i) fields += "    static int s" + std::to_string(i) + ";\n";
    return "public class Main {\n" + fields + "    static final int K = 3;\n    static void main() {}\n}\n";
}

std::string StringConstants(int count) {
    std::string body;
    for (int i = 0; i < count; ++i) body += "        s = \"text" + std::to_string(i) + "\";\n";
    return "public class Main {\n    static void main() {\n        String s;\n" + body +
           "        s = \"text0\";\n    }\n}\n";
}

std::string ManyMethods(int called) {
    std::string methods;
    for (int i = 0; i < 40; ++i) methods += "    void m" + std::to_string(i) + "() {}\n";
    return "public class Main {\n    Main() {}\n" + methods +
           "    static void main() {\n        new Main().m" + std::to_string(called) + "();\n    }\n}\n";
}

std::string Handlers(int count) {
    std::string body;
    for (int i = 0; i < count; ++i)
        body += "        try {\n            f();\n        } catch (Throwable t) {\n        }\n";
    return "public class Main {\n    static void f() {}\n    static void main() {\n" + body + "    }\n}\n";
}

std::string MainWith(const std::string& members) {
    return "public class Main {\n" + members + "}\n";
}
}  // namespace

// Each limit at its edge and each rule the linker enforces: the message, or
// "" where the program still links.
TEST(LinkErrors, LimitsAndRules) {
    struct Case {
        std::string source;
        TSources more;
        std::string expected;
    };
    const std::string other = "class Other {\n    static void main() {}\n}\n";
    const Case cases[] = {
        {MainWith("    static void main(String[] args) {}\n"), {},
         "[ Error LNK-0002] No suitable 'main' method found.\n"},
        {MainWith("    void main() {}\n"), {}, "[ Error LNK-0002] No suitable 'main' method found.\n"},
        {MainWith("    static void main() { Other.main(); }\n"), {{"Other.java", other}},
         "[ Error LNK-0006] Too many 'main' methods.\n"},
        {StaticFields(127), {}, ""},
        {StaticFields(128), {}, "[ Error IDE-0041] Maximum number of static fields exceeded (127).\n"},
        {StaticFields(129), {}, "[ Error LNK-0007] Too many static fields.\n"},
        {StringConstants(127), {}, ""},
        {StringConstants(128), {}, "[ Error IDE-0031] Maximum number of strings exceeded (128).\n"},
        {MainWith("    static void main() { long a = 1; a = a + a; }\n"), {},
         "[ Error LNK-0010] Unsupported float or long operation.\n"},
        {MainWith("    static void main() { int big = 100000; }\n"), {},
         "[ Error JVM-0029] Method Main::main contains a constant out of range (Integer 100000).\n"},
        {MainWith("    static void main() { int[][] grid = new int[2][3]; }\n"), {},
         "[ Error JVM-0030] Unimplemented bytecode (197).\n"},
        {MainWith("    static void call(Task t) { t.run(); }\n    static void main() {}\n"),
         {{"Task.java", "interface Task {\n    void run();\n}\n"}},
         "[ Error JVM-0032] Interfaces are not currently supported.\n"},
        {MainWith("    static native void poke();\n    static void main() { poke(); }\n"), {},
         "[ Error LNK-0004] Unknown native method `Main.poke'.\n"},
        {ManyMethods(36), {}, ""},  // record offset 255
        {ManyMethods(37), {}, "[ Error LNK-0009] Maximum number of methods per class exceeded in class Main.\n"},
        {Handlers(255), {}, ""},
        {Handlers(256), {}, "[ Error IDE-0048] Internal error.\n"},
    };
    for (const Case& c : cases) EXPECT_EQ(LinkMinimal(c.source, c.more), c.expected) << c.source.substr(0, 200);
}

TEST(LinkErrors, MissingClassIsReportedThenNamed) {
    LinkedProgram program(OnMinimalLibrary("public class Main {\n    static void main() { Gone.run(); }\n}\n",
                                           {{"Gone.java", "class Gone {\n    static void run() {}\n}\n"}}),
                          "");
    std::remove((program.ClassDir() + "/Gone.class").c_str());
    CaptureSink sink;
    EXPECT_EQ(program.Link("Main"), "[ Error LNK-0003] Unable to load class `Gone'.\n");
    ASSERT_EQ(sink.lines.size(), 1u);
    EXPECT_EQ(sink.lines[0], "[ Error JVM-0017] Unable to load class file: `Gone', '" + program.ClassDir() +
                                 "/Gone.class'.");
}

TEST(LinkErrors, TooManyClasses) {
    TSources more;
    std::string body;
    for (int i = 0; i < 253; ++i) {
        std::string name = "C" + std::to_string(i);
        more[name + ".java"] = "class " + name + " {\n    static void f() {}\n}\n";
        body += "        " + name + ".f();\n";
    }
    // Main, Throwable, Object and C0 to C251 make 255; C252 is one too many.
    LinkedProgram program(
        OnMinimalLibrary("public class Main {\n    static void main() {\n" + body + "    }\n}\n", more), "");
    CaptureSink sink;
    EXPECT_EQ(program.Link("Main"), "[ Error LNK-0003] Unable to load class `C252'.\n");
    ASSERT_EQ(sink.lines.size(), 1u);
    EXPECT_EQ(sink.lines[0], "[ Error LNK-0001] Too many referenced classes.");
    EXPECT_EQ(program.Linker().GetClassCount(), 255);
}

// The image size at its limits: the length byte of 32512 no longer cut to a
// signed byte, 65535 still links, one more is refused.
TEST(LinkErrors, ImageSizeLimitAndLengthByte) {
    std::vector<uint8_t> image;
    auto linkWithString = [&](size_t length) {
        LinkedProgram program(OnMinimalLibrary("public class Main {\n    static void main() {\n        String s = \"" +
                                               std::string(length, 'a') + "\";\n    }\n}\n"),
                              "");
        std::string error = program.Link("Main");
        image = program.Image();
        return error;
    };
    ASSERT_EQ(linkWithString(1), "");
    const size_t base = image.size() - 1;  // the image without the string's characters
    EXPECT_EQ(image[1], 20);
    ASSERT_EQ(linkWithString(32512 - base), "");
    ASSERT_EQ(image.size(), 32512u);
    EXPECT_EQ(image[1], 128);  // 32512 / 256 + 1
    ASSERT_EQ(linkWithString(65535 - base), "");
    ASSERT_EQ(image.size(), 65535u);
    EXPECT_EQ(image[1], 255);
    EXPECT_EQ(image[18] << 8 | image[19], 0);  // the stack base 65536 does not fit its word
    EXPECT_EQ(linkWithString(65536 - base), "[ Error LNK-0008] Maximum binary size exceeded.\n");
}

// A count beyond its byte: the line before IDE-48 names what passed which limit.
TEST(LinkErrors, CountThatDoesNotFitItsByteIsRefused) {
    auto declarations = [](const std::string& before, const std::string& after, int count) {
        std::string text;
        for (int i = 0; i < count; ++i) text += before + std::to_string(i) + after;
        return text;
    };
    auto linkNaming = [](const std::string& source, const std::string& line) {
        CaptureSink sink;
        EXPECT_EQ(LinkMinimal(source), "[ Error IDE-0048] Internal error.\n");
        EXPECT_EQ(sink.lines, std::vector<std::string>{line});
    };
    const std::string main = "    static void main() {}\n}\n";
    linkNaming("public class Main {\n" + declarations("    int f", ";\n", 128) + main,
               "class Main: 128 instance field words, at most 127");
    EXPECT_EQ(LinkMinimal("public class Main {\n" + declarations("    int f", ";\n", 127) + main), "");

    auto locals = [&](int count) {
        return "public class Main {\n    static void main() {\n" + declarations("        int v", " = 0;\n", count) +
               "    }\n}\n";
    };
    linkNaming(locals(128), "method Main.main: 128 local words, at most 127");
    EXPECT_EQ(LinkMinimal(locals(127)), "");

    std::string parameters = declarations("int p", ", ", 64);
    parameters.resize(parameters.size() - 2);
    linkNaming("public class Main {\n    static void f(" + parameters + ") {}\n" + main,
               "method Main.f: 64 parameter words, at most 63");
}

TEST(LinkErrors, ListingThatCannotBeWritten) {
    ScopedOptions options;
    GlobalOptions.debugORUFile = true;
    LinkedProgram program(OnMinimalLibrary("public class Main {\n    static void main() {}\n}\n"), "");
    TempDir::MakeDirs(program.Dir().File("oru.out"));
    EXPECT_EQ(program.Link("Main"),
              "[ Error IDE-0017] Unable to open file for writing `oru.out' (21, Is a directory).\n");
    std::remove(program.Dir().File("oru.out").c_str());
    TempDir::MakeDirs(program.Dir().File("oru.bin"));
    EXPECT_EQ(program.Link("Main").substr(0, 60),
              "[ Error IDE-0017] Unable to open file for writing `oru.bin' ");
}

// Main compiled against one Other, linked against a later Other that lost
// the member Main uses.
TEST(LinkErrors, MemberMissingFromARecompiledClass) {
    const std::string kept = "    Other() {}\n    static int keep;\n";
    auto linkWithout = [&](const std::string& use, const std::string& member) {
        LinkedProgram program(OnMinimalLibrary("public class Main {\n    static void main() {\n        " + use +
                                                   "\n    }\n}\n",
                                               {{"Other.java", "class Other {\n" + kept + member + "}\n"}}),
                              "");
        std::string later = WriteSource(program.Dir().Path() + "/later", "Other.java",
                                        "class Other {\n" + kept + "}\n");
        EXPECT_TRUE(CompileJava({later}, program.ClassDir(), program.ClassDir()).Ok());
        return program.Link("Main");
    };
    EXPECT_EQ(linkWithout("Other.count = 1;", "    static int count;\n"),
              "[ Error JVM-0014] No method found for `count'.\n");
    EXPECT_EQ(linkWithout("new Other().size = 1;", "    int size;\n"),
              "[ Error JVM-0028] Cannot find linked field (Other.size).\n");
    EXPECT_EQ(linkWithout("Other.run();", "    static void run() {}\n"),
              "[ Error JVM-0031] Cannot find linked method (Other.run).\n");
    EXPECT_EQ(linkWithout("new Other().poll();", "    void poll() {}\n"),
              "[ Error JVM-0014] No method found for `poll'.\n");
}

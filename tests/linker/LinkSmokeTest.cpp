#include <gtest/gtest.h>

#include "foundation/EError.h"
#include "tests/linker/ClassFixture.h"
#include "tests/linker/LinkFixture.h"
#include "tests/support/CaptureSink.h"

TEST(LinkSmoke, HelloLinksIntoAConsistentImage) {
    LinkedProgram program(ProgramSources({"Hello.java"}));
    ASSERT_EQ(program.Link("Hello"), "");
    std::vector<uint8_t> image = program.Image();
    EXPECT_EQ(ErrorMessageOf([&] { program.Linker().Link("Hello", program.ClassDir().c_str()); }),
              "[ Error IDE-0048] Internal error.\n");  // a second link on the same linker
    EXPECT_EQ(program.Image(), image);
}

TEST(LinkSmoke, DebugLinesTraceThePasses) {
    ScopedOptions options;
    GlobalOptions.debugLinker = true;
    LinkedProgram program(TinyProgram(), "");
    CaptureSink sink;
    ASSERT_EQ(program.Link("Tiny"), "");
    std::vector<std::string> expected = {
        "[Debug] Linker: loading class Tiny.",
        "[Debug] Linker: linking pass",
        "[Debug] Linker: loading class java/lang/Throwable.",
        "[Debug] Linker: resolving class Tiny.",
        "[Debug] Linker: loading class java/lang/Object.",
    };
    ASSERT_GE(sink.lines.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(sink.lines[i], expected[i]);
    EXPECT_TRUE(sink.Contains("[Debug] Linker: checking exceptions for Tiny."));
    EXPECT_TRUE(sink.Contains("[Debug] Linker: Computing offsets."));
    EXPECT_TRUE(sink.Contains("[Debug] Offset of main is 96"));
    EXPECT_EQ(sink.Last(), "[Debug] Linker: output pass.");
}

// A damaged class file ends the link with a coded error (or links, when the
// damage hits something the linker never reads); it never crashes it.
TEST(DamagedClassLink, EveryDamageGivesACodedErrorOrAConsistentImage) {
    LinkedProgram program(ProgramSources({"Switches.java"}));
    ASSERT_EQ(program.Link("Switches"), "");
    std::string path = program.ClassDir() + "/Switches.class";
    const std::string original = TempDir::ReadFile(path);
    std::string classPath = program.ClassDir() + ";" + LinkedProgram::LibraryDir();
    CaptureSink sink;  // reported inner errors
    int errors = 0, linked = 0;
    for (size_t i = 10; i < original.size(); i += 3) {
        std::string damaged = original;
        damaged[i] = char(damaged[i] ^ (i % 2 ? 0xFF : 0x01));
        TempDir::WriteFile(path, damaged);
        CORULinker linker;
        try {
            linker.Link("Switches", classPath.c_str());
            ++linked;
        } catch (const EError& e) {
            ++errors;
            EXPECT_GE(e.Category, 1u);
            EXPECT_LE(e.Category, 4u);
        }
    }
    TempDir::WriteFile(path, original);
    EXPECT_GT(errors, 0);
    EXPECT_GT(linked + errors, 100);
}

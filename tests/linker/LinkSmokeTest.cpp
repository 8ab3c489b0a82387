#include <gtest/gtest.h>

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

#include <gtest/gtest.h>

#include "foundation/EError.h"
#include "tests/linker/LinkFixture.h"
#include "tests/support/CaptureSink.h"

TEST(LinkSmoke, HelloLinksIntoAConsistentImage) {
    LinkedProgram program(ProgramSources({"Hello.java"}));
    ASSERT_EQ(program.Link("Hello"), "");
    TOruImage parsed = program.Check();
    EXPECT_TRUE(parsed.Problems.empty()) << ProblemText(parsed);
    std::vector<uint8_t> image = program.Image();
    try {
        program.Linker().Link("Hello", program.ClassDir().c_str());
        ADD_FAILURE() << "a second link on the same linker";
    } catch (const EError& e) {
        EXPECT_EQ(e.Message, "[ Error IDE-0048] Internal error.\n");
    }
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

TEST(LinkSmoke, FinallyBlocksUseJsrAndRet) {
    LinkedProgram program(ProgramSources({"Exceptions.java"}));
    ASSERT_EQ(program.Link("Exceptions"), "");
    TOruImage parsed = program.Check();
    EXPECT_TRUE(parsed.Problems.empty()) << ProblemText(parsed);
    const CJavaClass* main = program.Linker().GetClass(0);
    bool jsr = false, ret = false;
    for (int m = 0; m < main->GetMethodCount(); ++m) {
        for (uint32_t pc = 0, at = 0; pc < main->GetCodeLength(m); at = pc) {
            main->NextInstruction(m, pc);
            jsr |= main->GetCode(m)[at] == 0xA8;
            ret |= main->GetCode(m)[at] == 0xA9;
        }
    }
    EXPECT_TRUE(jsr && ret);
}

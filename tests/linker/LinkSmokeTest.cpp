#include <gtest/gtest.h>

#include "tests/linker/LinkFixture.h"

TEST(LinkSmoke, HelloLinksIntoAConsistentImage) {
    LinkedProgram program(ProgramSources({"Hello.java"}));
    ASSERT_EQ(program.Link("Hello"), "");
    TOruImage parsed = program.Check();
    EXPECT_TRUE(parsed.Problems.empty()) << ProblemText(parsed);
}

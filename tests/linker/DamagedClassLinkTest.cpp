#include <gtest/gtest.h>

#include "foundation/EError.h"
#include "tests/linker/LinkFixture.h"
#include "tests/support/CaptureSink.h"

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

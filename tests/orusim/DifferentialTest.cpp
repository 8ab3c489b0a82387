// The example programs on the virtual machine against the same class files
// on the host JVM.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "tests/orusim/VmHarness.h"
#include "tools/orusim/Wire.h"

namespace {
struct Case {
    const char* file;
    const char* mainClass;
};

class Differential : public ::testing::TestWithParam<Case> {};

std::string DottedName(const char* name) {
    std::string dotted = name;
    for (char& c : dotted)
        if (c == '/') c = '.';
    return dotted;
}
}  // namespace

TEST_P(Differential, TerminalTextEqualsTheHostJvms) {
    VmProgram program({GetParam().file});
    ASSERT_EQ(program.Link(GetParam().mainClass), "");
    auto vm = RunOnEngine(program.Image());
    ASSERT_TRUE(vm->finished) << "still running after " << vm->instructions << " instructions";
    HostRun host = RunOnHostJvm(program.ClassDir(), GetParam().mainClass);
    ASSERT_TRUE(host.ok) << host.diagnostics;
    EXPECT_FALSE(host.text.empty());
    EXPECT_EQ(vm->host.Text(), host.text);
    if (getenv("ORUSIM_SHOW_TEXT")) std::printf("%s", vm->host.Text().c_str());

    const SentMessage* uncaught = vm->host.Last(orusim::kMsgException);
    if (host.uncaught.empty()) {
        EXPECT_EQ(uncaught, nullptr);
        ASSERT_NE(vm->host.Last(orusim::kMsgEnded), nullptr);
        return;
    }
    ASSERT_NE(uncaught, nullptr) << "the host ended with " << host.uncaught;
    uint16_t classOffset = static_cast<uint16_t>(uncaught->body[0] << 8 | uncaught->body[1]);
    EXPECT_EQ(DottedName(program.Linker().FindClassByOffset(classOffset)->GetClassName()), host.uncaught);
}

INSTANTIATE_TEST_SUITE_P(Programs, Differential,
                         ::testing::Values(Case{"Texts.java", "Texts"}, Case{"Arithmetic16.java", "Arithmetic16"},
                                           Case{"ArrayWork.java", "ArrayWork"}, Case{"Shapes16.java", "Shapes16"},
                                           Case{"Statics16.java", "Statics16"}, Case{"Failures.java", "Failures"},
                                           Case{"Uncaught16.java", "Uncaught16"}, Case{"Choices.java", "Choices"},
                                           Case{"Recursion.java", "Recursion"}),
                         [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.mainClass); });

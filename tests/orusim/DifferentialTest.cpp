// The example programs on the virtual machine against the same class files
// on the host JVM.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "tests/orusim/VmHarness.h"
#include "tools/orusim/Wire.h"

namespace {
class Differential : public ::testing::TestWithParam<const char*> {};
}  // namespace

TEST_P(Differential, TerminalTextEqualsTheHostJvms) {
    std::string mainClass = GetParam();
    VmProgram program({mainClass + ".java"});
    ASSERT_EQ(program.Link(mainClass), "");
    auto vm = RunOnEngine(program.Image());
    ASSERT_TRUE(vm->finished) << "still running after " << vm->instructions << " instructions";
    HostRun host = RunOnHostJvm(program.ClassDir(), mainClass);
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
    std::string uncaughtClass = program.UncaughtClass(vm->host);
    std::replace(uncaughtClass.begin(), uncaughtClass.end(), '/', '.');
    EXPECT_EQ(uncaughtClass, host.uncaught);
}

INSTANTIATE_TEST_SUITE_P(Programs, Differential,
                         ::testing::Values("Texts", "Arithmetic16", "ArrayWork", "Shapes16", "Statics16", "Failures",
                                           "Uncaught16", "Choices", "Recursion"),
                         [](const ::testing::TestParamInfo<const char*>& info) { return std::string(info.param); });

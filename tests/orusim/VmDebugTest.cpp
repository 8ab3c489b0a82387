// The machine as the debugger sees it: breakpoints, steps, frames, the
// stack and heap replies' view of memory.
#include <gtest/gtest.h>

#include "foundation/EError.h"
#include "tests/orusim/VmHarness.h"
#include "tools/orusim/MemoryLayout.h"
#include "tools/orusim/Wire.h"
#include "tools/orusim/vm/OruVmEngine.h"

using namespace orusim;

namespace {
const char* kDebuggee =
    "public class Debuggee {\n"               // 1
    "    static int counter;\n"                // 2
    "    static int twice(int n) {\n"          // 3
    "        int doubled = n * 2;\n"           // 4
    "        return doubled;\n"                // 5
    "    }\n"                                  // 6
    "    static void main() {\n"               // 7
    "        String greeting = \"hi\";\n"      // 8
    "        int a = 21;\n"                    // 9
    "        int b = twice(a);\n"              // 10
    "        counter = b;\n"                   // 11
    "        System.out.println(greeting + b);\n"  // 12
    "    }\n"                                  // 13
    "}\n";

class VmDebug : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(program.Link("Debuggee"), "");
        engine.Attach(&host);
        engine.Boot(program.Image());
    }

    uint16_t Word(const std::vector<uint8_t>& bytes, size_t at) { return uint16_t(bytes.at(at) << 8 | bytes.at(at + 1)); }
    uint16_t MemoryWord(uint16_t address) {
        return uint16_t(engine.ReadMemory(address) << 8 | engine.ReadMemory(uint16_t(address + 1)));
    }
    // Advances until the engine is neither running nor stepping.
    void Settle() {
        for (int i = 0; i < 1000 && engine.NextWorkTime() >= 0; ++i) {
            host.now = std::max(host.now, engine.NextWorkTime());
            engine.Advance();
        }
    }

    VmProgram program{{}, {{"Debuggee.java", kDebuggee}}};
    OruVmEngine engine;
    RecordingHost host;
};
}  // namespace

TEST_F(VmDebug, BreakpointStopsBeforeTheLineWithFramesAsTheDataWindowReadsThem) {
    uint16_t breakpoint = program.LineAddress("Debuggee.java", 4);
    engine.SetBreakpoints({breakpoint});
    engine.Run();
    Settle();
    ASSERT_NE(host.Last(kMsgStopped), nullptr);
    EXPECT_FALSE(engine.Running());
    ModuleStatus status = engine.Status();
    EXPECT_EQ(status.pc, breakpoint);
    EXPECT_EQ(status.activity, kActivityStopped);
    EXPECT_EQ(status.opcode, engine.ReadMemory(breakpoint));

    StackSnapshot stack = engine.Stack();
    uint16_t base = uint16_t(program.Linker().GetStackOffset());
    EXPECT_EQ(engine.Config().b, base);
    EXPECT_EQ(program.MethodName(stack.value3), "twice");
    EXPECT_EQ(stack.value1 - base, int(stack.bytes.size()));

    // main's frame lies at the base, its locals first; twice's frame starts with its argument.
    EXPECT_EQ(Word(stack.bytes, 2), 21) << "local a";
    EXPECT_EQ(MemoryWord(Word(stack.bytes, 0)), MemoryWord(8)) << "greeting is a String";
    EXPECT_EQ(Word(stack.bytes, size_t(stack.value2 - base)), 21);

    engine.Run();
    Settle();
    EXPECT_EQ(host.Text(), "hi42\n") << "a resume does not stop at the breakpoint it stands on";
    ASSERT_NE(host.Last(kMsgEnded), nullptr);
    int slot = program.Linker().GetClass(0)->GetFieldSlot(program.Linker().GetClass(0)->FindField("counter"));
    uint16_t statics = uint16_t(kTotalMemory - program.Linker().GetStaticAreaSize() - 1);
    EXPECT_EQ(MemoryWord(uint16_t(statics + 2 * slot)), 42) << "statics at the top";
    EXPECT_LT(engine.HeapPointer(), kHeapTop) << "the concatenation allocated";
}

TEST_F(VmDebug, StepsRunOneInstructionEach) {
    uint16_t start = engine.Status().pc;
    EXPECT_EQ(program.LineOf(start), 8);
    engine.Step();
    Settle();
    EXPECT_EQ(host.stepsDone, 1);
    EXPECT_EQ(engine.Machine().Executed(), 1u);
    EXPECT_GT(engine.Status().pc, start);

    // Step to the call, then into it.
    uint16_t call = program.LineAddress("Debuggee.java", 10);
    while (engine.Status().pc != call + 1 && host.stepsDone < 20) {
        engine.Step();
        Settle();
    }
    ASSERT_EQ(engine.Status().pc, call + 1) << "iload_1, then invokestatic";
    engine.Step();
    Settle();
    EXPECT_EQ(program.MethodName(engine.Stack().value3), "twice");
    EXPECT_EQ(program.LineOf(engine.Status().pc), 4);

    engine.Run();
    Settle();
    ASSERT_NE(host.Last(kMsgEnded), nullptr);
    uint64_t executed = engine.Machine().Executed();
    int steps = host.stepsDone;
    engine.Step();
    Settle();
    EXPECT_EQ(engine.Machine().Executed(), executed) << "nothing runs after the end";
    EXPECT_EQ(host.stepsDone, steps + 1) << "but the step completes";
    EXPECT_EQ(engine.Status().activity, kActivityEnded);
    size_t messages = host.messages.size();
    engine.Run();
    EXPECT_EQ(host.messages.size(), messages + 1);
    EXPECT_EQ(host.messages.back().type, kMsgEnded) << "Run on an ended program repeats the end";
}

TEST_F(VmDebug, UndefinedOpcodeSendsItsByte) {
    std::vector<uint8_t> image = program.Image();
    uint16_t start = engine.Status().pc;
    image[start] = 0x36;  // an even byte past 52 encodes no code
    engine.Boot(image);
    engine.Run();
    Settle();
    const SentMessage* unknown = host.Last(kMsgUnknownBytecode);
    ASSERT_NE(unknown, nullptr);
    EXPECT_EQ(unknown->body, std::vector<uint8_t>{0x36});
    EXPECT_EQ(engine.Status().pc, start);
    EXPECT_FALSE(engine.Running());
}

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

    uint16_t LineAddress(int line) {
        return uint16_t(program.Linker().FindBreakpointAddress(program.ClassDir() + "/Debuggee.java", line));
    }
    int LineOf(uint16_t address) {
        int line = 0, pc = 0;
        program.Linker().TranslatePC(address, line, pc);
        return line;
    }
    std::string MethodName(uint16_t record) {
        CJavaClass* owner = nullptr;
        int index = program.Linker().FindMethodByOffset(record, owner);
        return owner->GetMethodName(index);
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
    uint16_t breakpoint = LineAddress(4);
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
    EXPECT_EQ(MethodName(stack.value3), "twice");
    EXPECT_EQ(stack.value1 - base, int(stack.bytes.size()));

    // main's frame lies at the base: its locals, then "no caller".
    const std::vector<uint8_t>& bytes = stack.bytes;
    uint16_t mainRecord = MemoryWord(4);
    CJavaClass* owner = nullptr;
    int mainIndex = program.Linker().FindMethodByOffset(mainRecord, owner);
    size_t mainLocals = 2 * size_t(owner->GetMaxLocals(mainIndex));
    EXPECT_EQ(Word(bytes, mainLocals), 0xFFFF);
    EXPECT_EQ(Word(bytes, 2), 21) << "local a";
    uint16_t greeting = Word(bytes, 0);
    EXPECT_EQ(MemoryWord(greeting), MemoryWord(8)) << "a String";

    // twice's frame: the argument, the local, then caller, caller frame, return address.
    size_t frame = stack.value2 - base;
    size_t link = frame + 2 * size_t(owner->GetMaxLocals(owner->FindMethod("twice", "(I)I")));
    EXPECT_EQ(Word(bytes, frame), 21);
    EXPECT_EQ(Word(bytes, link), mainRecord);
    EXPECT_EQ(Word(bytes, link + 2), base);
    EXPECT_EQ(LineOf(Word(bytes, link + 4)), 10) << "the caller shows the line of the call";

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
    EXPECT_EQ(LineOf(start), 8);
    engine.Step();
    Settle();
    EXPECT_EQ(host.stepsDone, 1);
    EXPECT_EQ(engine.Machine().Executed(), 1u);
    EXPECT_GT(engine.Status().pc, start);

    // Step to the call, then into it.
    uint16_t call = LineAddress(10);
    while (engine.Status().pc != call + 1 && host.stepsDone < 20) {
        engine.Step();
        Settle();
    }
    ASSERT_EQ(engine.Status().pc, call + 1) << "iload_1, then invokestatic";
    engine.Step();
    Settle();
    EXPECT_EQ(MethodName(engine.Stack().value3), "twice");
    EXPECT_EQ(LineOf(engine.Status().pc), 4);

    engine.Run();
    Settle();
    ASSERT_NE(host.Last(kMsgEnded), nullptr);
    uint64_t executed = engine.Machine().Executed();
    engine.Step();
    Settle();
    EXPECT_EQ(engine.Machine().Executed(), executed) << "nothing runs after the end";
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

// The debugger's road through the real link to the machine: a debug reset,
// a breakpoint, the stop message, the status and a stack walk as the data
// window makes it.
#include <gtest/gtest.h>

#include "devicelink/Clock.h"
#include "devicelink/JVMStack.h"
#include "devicelink/LinkHost.h"
#include "devicelink/SXComm.h"
#include "foundation/EError.h"
#include "foundation/Options.h"
#include "tests/orusim/VmHarness.h"
#include "tools/orusim/MemoryTransport.h"
#include "tools/orusim/vm/OruVmEngine.h"

using namespace orusim;

namespace {
const char* kFactorial =
    "public class Fact {\n"                        // 1
    "    static int fact(int n) {\n"               // 2
    "        if (n <= 1) {\n"                      // 3
    "            return 1;\n"                      // 4
    "        }\n"                                  // 5
    "        return n * fact(n - 1);\n"            // 6
    "    }\n"                                      // 7
    "    static void main() {\n"                   // 8
    "        System.out.println(fact(3));\n"       // 9
    "    }\n"                                      // 10
    "}\n";

uint16_t StackWord(const TJVMStack& stack, int32_t offset) {
    return uint16_t(stack.GetByteChecked(offset) << 8 | stack.GetByteChecked(offset + 1));
}
}  // namespace

TEST(DebugRoad, BreakpointStopAndStackWalkThroughTheLink) {
    VmProgram program({}, {{"Fact.java", kFactorial}});
    ASSERT_EQ(program.Link("Fact"), "");
    CORULinker& linker = program.Linker();
    std::vector<uint8_t> image = program.Image();
    uint32_t breakpoint = program.LineAddress("Fact.java", 4);

    struct RestoreOptions {
        tOptions saved = GlobalOptions;
        ~RestoreOptions() { GlobalOptions = saved; }
    } restoreOptions;
    GlobalOptions.DebugPort = 1;
    VirtualClock clock(0);
    OruVmEngine engine;
    EventLog log;
    ProtocolEngine module(clock, engine, log);
    MemoryTransport port(module);
    NullLinkHost host;
    TSXComm link(port, host, clock);

    int32_t pc = 0, activity = 0;
    uint8_t bytecode = 0;
    TJVMStack stack;
    try {
        link.Connect();
        link.DownloadOruFile(image.data(), int32_t(image.size()), true);
        link.Reset(false);
        link.DownloadBreakpoints(&breakpoint, 1, 0);
        link.Run();
        for (int i = 0; i < 100 && link.IsRunning(); ++i) {
            if (!port.WaitReadable(100)) continue;
            uint8_t chunk[64];
            int32_t n = 0;
            while (n < int32_t(sizeof chunk) && port.ReadChar(chunk[n])) ++n;
            link.ReceiveData(chunk, n, &linker);
        }
        ASSERT_FALSE(link.IsRunning()) << "the stop message came";
        link.QueryStatus(pc, activity, bytecode);
        stack.SetBase(linker.GetStackOffset());
        link.QueryStack(stack);
    } catch (const EError& e) {
        FAIL() << e.Message;
    }
    EXPECT_EQ(uint32_t(pc), breakpoint);
    EXPECT_EQ(activity, kActivityStopped);
    EXPECT_EQ(bytecode, image[breakpoint]);

    // The walk of the data window: innermost first, each caller's line from
    // the return address in the frame above it.
    std::vector<std::string> methods;
    std::vector<int> lines;
    int32_t frame = stack.GetValue2();
    uint32_t method = uint32_t(stack.GetValue3());
    for (int guard = 0; guard < 10 && method != 0xFFFF; ++guard) {
        CJavaClass* owner = nullptr;
        int index = linker.FindMethodByOffset(method, owner);
        methods.push_back(owner->GetMethodName(index));
        int32_t locals = 2 * owner->GetMaxLocals(index);
        if (frame > 0) lines.push_back(program.LineOf(StackWord(stack, frame + locals + 4)));
        if (methods.size() == 1) {
            EXPECT_EQ(StackWord(stack, frame), 1) << "n of the innermost call";
        }
        method = StackWord(stack, frame + locals);
        frame = StackWord(stack, frame + locals + 2) - stack.GetBase();
    }
    EXPECT_EQ(methods, (std::vector<std::string>{"fact", "fact", "fact", "main"}));
    EXPECT_EQ(lines, (std::vector<int>{6, 6, 9}));
    EXPECT_EQ(frame, -stack.GetBase()) << "main's frame at the base has no caller frame";
}

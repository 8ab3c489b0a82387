// The machine behind the protocol engine: a download by blocks, the debug
// start, status, steps and run on the line.
#include <gtest/gtest.h>

#include "devicelink/Clock.h"
#include "tests/orusim/VmHarness.h"
#include "tools/orusim/ProtocolEngine.h"
#include "tools/orusim/Wire.h"
#include "tools/orusim/vm/OruVmEngine.h"

using namespace orusim;
using Bytes = std::vector<uint8_t>;

namespace {
Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

class VmProtocol : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(program.Link("Counting"), "");
        Collect(50);  // power-on start-up: 0x0F
        Exchange({kComSync});
        Download(program.Image());
        Collect(60);
        Exchange({kComSync});  // the debug start after a reset
    }

    void Send(const Bytes& bytes) { module.Receive(bytes.data(), bytes.size()); }
    Bytes Collect(int64_t ms) {
        Bytes wire;
        int64_t end = clock.TickCount() + ms;
        for (;;) {
            Bytes out = module.TakeOutput();
            wire.insert(wire.end(), out.begin(), out.end());
            int64_t now = clock.TickCount();
            if (now >= end) break;
            int64_t next = module.NextWakeTime();
            clock.Advance(next > now && next < end ? next - now : 1);
        }
        return wire;
    }
    Bytes Exchange(const Bytes& bytes, int64_t ms = 5) {
        Send(bytes);
        return Collect(ms);
    }
    void Download(const Bytes& image) {
        Exchange({kComBeginLoad});
        for (size_t at = 0; at < image.size(); at += 16) {
            Bytes block{kComLoadBlock, uint8_t(at == 0 ? 1 : 0)};
            for (size_t i = at; i < at + 16; ++i) block.push_back(i < image.size() ? image[i] : 0);
            block.push_back(Checksum(block));
            Exchange(Stuff(block), 1);
        }
        module.SetDTR(true);
        module.SetDTR(false);
    }
    // The status reply's program counter (the module sends it plus one).
    uint16_t StatusPc() {
        Bytes wire = Exchange({kComQueryStatus});
        return uint16_t((wire.at(2) | wire.at(3) << 8) - 1);
    }

    VmProgram program{{}, {{"Counting.java", "public class Counting {\n static void main() {\n"
                                             "  for (int i = 0; i < 3; i++) {\n   System.out.print(i);\n  }\n"
                                             "  System.out.println();\n }\n}\n"}}};
    VirtualClock clock{1000};
    OruVmEngine engine;
    EventLog log;
    ProtocolEngine module{clock, engine, log};
};
}  // namespace

TEST_F(VmProtocol, DownloadedImageStopsAtMainAndRunsToItsEnd) {
    EXPECT_EQ(module.Image().size() % 16, 0u);
    EXPECT_EQ(engine.Status().activity, kActivityStopped);
    uint16_t start = StatusPc();
    int line = 0, pc = 0;
    program.Linker().TranslatePC(start, line, pc);
    EXPECT_EQ(line, 3);
    EXPECT_LT(pc, 0) << "main begins with the initialiser calls";

    Bytes stepped = Exchange({kComStep});
    EXPECT_EQ(stepped, (Bytes{kComStep, 0x83, 0x8D}));
    CJavaClass* owner = nullptr;
    int method = program.Linker().FindMethodByOffset(engine.Stack().value3, owner);
    EXPECT_STREQ(owner->GetMethodName(method), "<clinit>") << "one step: into the first initialiser";

    Bytes ran = Exchange({kComRun}, 50);
    ASSERT_GE(ran.size(), 2u);
    EXPECT_EQ(ran[1], 0x84);
    std::string text;
    int ended = 0;
    for (const Event& e : log.OfKind(EventKind::MessageSent)) {
        if (e.values == std::vector<int64_t>{kMsgText}) text += e.text;
        if (e.values == std::vector<int64_t>{kMsgEnded}) ++ended;
    }
    EXPECT_EQ(text, "012\n");
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(Exchange({kComStep}), (Bytes{kComStep, 0x83, 0x8D})) << "a step after the end completes at once";
}

TEST_F(VmProtocol, BreakpointsStopTheRunAndAResumeLeavesTheCurrentOne) {
    // A breakpoint at the print keeps the program from ending.
    uint16_t print = uint16_t(program.Linker().FindBreakpointAddress(program.ClassDir() + "/Counting.java", 4));
    Bytes list{kComBreakpoints, 1, uint8_t(print), uint8_t(print >> 8)};
    list.push_back(Checksum(list));
    Exchange({kComBeginLoad});
    EXPECT_EQ(Exchange(Stuff(list)).back(), 0x8A);
    Bytes ran = Exchange({kComRun}, 20);
    EXPECT_EQ(ran, Concat({{kComRun, 0x84}, FrameMessage(kMsgStopped, {})}));
    EXPECT_EQ(StatusPc(), print);
    EXPECT_EQ(Exchange({kComRun}, 20), Concat({{kComRun, 0x84}, FrameMessage(kMsgText, {'0'}), FrameMessage(kMsgStopped, {})}));
    EXPECT_EQ(Exchange({kComStop}), (Bytes{kComStop, 0x86}));
}

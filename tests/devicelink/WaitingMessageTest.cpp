// A program's message that is already waiting when the PC sends a command:
// it is no echo of the command and reaches the host whole.
#include <functional>
#include <utility>

#include "devicelink/CommPortDriver.h"
#include "devicelink/JVMStack.h"
#include "tests/devicelink/MessageTestSupport.h"
#include "tests/devicelink/ModuleLinkTestSupport.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/TempDir.h"
#include "tools/orusim/CliCommands.h"
#include "tools/orusim/PtyTransport.h"
#include "tools/orusim/SteadyClock.h"

using orusim::ScriptItem;

namespace {

using Command = std::function<void(TSXComm&)>;

// The commands the IDE sends while a program runs.
std::vector<std::pair<std::string, Command>> Commands()
{
    return {
        {"run", [](TSXComm& link) { link.Run(); }},
        {"step", [](TSXComm& link) { link.Step(); }},
        {"stop", [](TSXComm& link) { link.Stop(); }},
        {"status",
         [](TSXComm& link) {
             int32_t pc = 0, activity = 0;
             uint8_t bytecode = 0;
             link.QueryStatus(pc, activity, bytecode);
         }},
        {"config",
         [](TSXComm& link) {
             int32_t a = 0, b = 0, c = 0;
             link.QueryConfig(a, b, c);
         }},
        {"stack",
         [](TSXComm& link) {
             TJVMStack stack;
             link.QueryStack(stack);
         }},
        {"heap",
         [](TSXComm& link) {
             uint8_t bytes[4];
             int32_t value = 0;
             link.QueryHeap(0x100, 4, value, bytes);
         }},
        {"breakpoints", [](TSXComm& link) { link.DownloadBreakpoints(nullptr, 0, 0); }},
    };
}

class WaitingMessageTest : public ModuleLinkTest {
protected:
    // A debug session whose program runs and has just sent what `items` hold,
    // not yet polled.
    void RunningWithOutput(std::vector<ScriptItem> items)
    {
        ConnectAndReset(false);
        sim.engine.QueueRun(std::move(items));
        link.Run();
        clock.Advance(20);
        ASSERT_GT(tap.CharCount(), 0);
    }
};

}  // namespace

TEST_F(WaitingMessageTest, TheFirstMessageOfAProgramStartedByResetIsNotLost)
{
    link.Connect();
    std::vector<uint8_t> image(32, 0x23);
    link.DownloadOruFile(image.data(), int32_t(image.size()), false);
    sim.engine.QueueRun({ScriptItem::Text("Hello"), ScriptItem::Text("\n")});
    link.Reset(true);
    clock.Advance(1);
    link.Run();
    EXPECT_EQ(host.texts, (std::vector<std::string>{"Hello", "\n"}));
    EXPECT_EQ(link.EchoCount(), 0);
    EXPECT_TRUE(sink.lines.empty());
}

TEST_F(WaitingMessageTest, EveryCommandHandsWaitingMessagesToTheReceivePathFirst)
{
    for (const auto& [name, command] : Commands()) {
        SCOPED_TRACE(name);
        host.texts.clear();
        RunningWithOutput({ScriptItem::Text("one"), ScriptItem::Text("two")});
        EXPECT_NO_THROW(command(link));
        EXPECT_EQ(host.texts, (std::vector<std::string>{"one", "two"}));
        EXPECT_EQ(link.EchoCount(), 0);
        EXPECT_TRUE(sink.lines.empty()) << sink.lines.front();
    }
}

// A text the module had begun when it heard the command comes ahead of the
// command's echo: it is a message, delivered whole, and the command returns on
// its own answer, not on a byte of the text that has the answer's value.
TEST_F(WaitingMessageTest, ATextBegunAsTheCommandArrivesIsDeliveredWhole)
{
    const std::pair<const char*, uint8_t> cases[] = {
        {"stop", kComStop}, {"step", kComStep}, {"run", kComRun}, {"status", kComQueryStatus}};
    for (const auto& [commandName, code] : cases) {
        for (const Bytes& text : {Bytes{'a', 'b'}, Bytes{'a', 0x86, 'b'}, Bytes{'a', uint8_t(code | kAckBit), 'b'}}) {
            SCOPED_TRACE(std::string(commandName) + ", middle byte " + std::to_string(text[1]));
            ConnectAndReset(false);
            link.Run();
            host.texts.clear();
            sim.Faults().texts.push_back({code, text, 1});
            const int steps = sim.engine.StepsTaken();
            for (const auto& [name, command] : Commands()) {
                if (name == commandName) {
                    EXPECT_EQ(RaisedMessage([&] { command(link); }), "");
                }
            }
            EXPECT_EQ(host.texts, std::vector<std::string>{std::string(text.begin(), text.end())});
            EXPECT_EQ(tap.CharCount(), 0) << "returned on its answer, nothing left behind";
            EXPECT_EQ(link.EchoCount(), 0);
            EXPECT_EQ(sim.engine.StepsTaken(), steps + (code == kComStep));
            EXPECT_TRUE(sink.lines.empty()) << sink.lines.front();
        }
    }
}

TEST_F(LinkTest, AMessageUnderWayIsReadToItsEndBeforeTheCommand)
{
    // The first bytes came; the rest is still on the line.
    const Bytes message = Framed(3, {'h', 'a', 'l', 'f'});
    port.Arrive(0, Bytes(message.begin(), message.begin() + 3));
    port.Arrive(30, Bytes(message.begin() + 3, message.end()));
    port.onSend = [&](uint8_t byte) {
        if (byte == kComStop) port.Arrive(1, {kComStop | kAckBit});
    };
    link.Stop();
    EXPECT_EQ(host.texts, (std::vector<std::string>{"half"}));
    EXPECT_EQ(link.EchoCount(), 0);
    EXPECT_EQ(port.CharCount(), 0);
}

TEST_F(WaitingMessageTest, AnExceptionWaitingBeforeACommandEndsTheSessionAndNothingIsSent)
{
    BoomProgram& boom = BoomProgram::Get();
    for (const auto& [name, command] : Commands()) {
        SCOPED_TRACE(name);
        TestHost fresh;
        fresh.debugging = true;
        fresh.image = &boom.Image();
        TSXComm session(tap, fresh, clock);
        sink.lines.clear();
        session.Connect();
        session.Reset(false);
        sim.engine.QueueRun({ScriptItem::Exception(uint16_t(boom.ClassOffset()), uint16_t(boom.MainStart()))});
        session.Run();
        clock.Advance(20);
        sim.log.Clear();

        EXPECT_NO_THROW(command(session));
        EXPECT_EQ(fresh.endDebugs, 1);
        EXPECT_TRUE(session.SessionEnding());
        EXPECT_TRUE(sim.BytesIn().empty());
        ASSERT_EQ(sink.lines.size(), 2u);
        EXPECT_EQ(sink.lines[0], "[Error IDE-0028] Unhandled exception in JVM: Boom");
    }
}

// End to end: the port driver on the simulator's pseudo-terminal at the line's
// rate, the text fault given as orusim's command line gives it.
TEST(TextBegunOnALine, StopDeliversItWholeAndReturnsOnItsAcknowledgement)
{
    TempDir dir("corvane-line");
    ScopedEnv portDir("CORVANE_PORT_DIR", dir.Path());
    orusim::SteadyClock moduleClock;
    orusim::ScriptedEngine engine;
    orusim::EventLog log;
    orusim::ProtocolEngine module(moduleClock, engine, log);
    orusim::PtyTransport line(module, {dir.Path(), 4, true});
    std::string error;
    ASSERT_TRUE(line.Start(error)) << error;
    const auto fault = orusim::ParseCliFault({"text", "61", "86", "62", "for", "6"}, error);
    ASSERT_TRUE(fault) << error;
    line.WithModule([&](orusim::ProtocolEngine& m) { orusim::AddFault(m.GetFaults(), *fault); });

    const tOptions saved = GlobalOptions;
    GlobalOptions.DebugPort = 4;
    CaptureSink sink;
    TCommPortDriver port;
    port.SetComPortSpeed(br28800);
    port.SetEnableDTROnOpen(false);
    SystemClock clock;
    TestHost host;
    TSXComm link(port, host, clock);
    EXPECT_EQ(RaisedMessage([&] {
                  link.Connect();
                  link.Reset(false);
                  link.Run();
                  link.Stop();
              }),
              "");
    EXPECT_EQ(host.texts, std::vector<std::string>{"a\x86" "b"});
    int32_t pc = 0, activity = 0;
    uint8_t bytecode = 0;
    EXPECT_EQ(RaisedMessage([&] { link.QueryStatus(pc, activity, bytecode); }), "") << "the line is in step";
    EXPECT_EQ(link.EchoCount(), 0);
    EXPECT_TRUE(sink.lines.empty()) << sink.lines.front();
    link.Close();
    GlobalOptions = saved;
}

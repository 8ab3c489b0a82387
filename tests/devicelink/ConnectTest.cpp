#include <algorithm>

#include "tests/devicelink/ModuleLinkTestSupport.h"

namespace {

bool Has(const std::vector<std::string>& lines, const std::string& line)
{
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// The port search tries these COM numbers.
void SearchPorts(std::initializer_list<int32_t> numbers)
{
    GlobalOptions.DebugPort = 0;
    GlobalOptions.NumValidPorts = int32_t(numbers.size());
    std::copy(numbers.begin(), numbers.end(), GlobalOptions.ValidPort.begin());
}

}  // namespace

TEST_F(ModuleLinkTest, PresenceTestFindsTheModuleAndLeavesThePortOpenForUse)
{
    GlobalOptions.debugComLevel = 2;
    sim.engine.SetProgramCounter(41);
    link.Connect();
    EXPECT_TRUE(tap.Connected());
    EXPECT_EQ(link.PortName(), "COM2");
    EXPECT_EQ(link.DeviceType(), "Corvane");
    EXPECT_EQ(link.FirmwareVersion(), "$51");
    EXPECT_TRUE(link.LoopbackFound() && link.EchoFound() && link.StatusRead());
    EXPECT_EQ(link.EchoCount(), 0);
    // The reset's sync, the echo test's sync, the status query.
    EXPECT_EQ(sim.Commands(), (std::vector<std::string>{"sync", "sync", "status"}));
    EXPECT_TRUE(Has(sink.lines, "[Debug] JVM PC: 41 activity 0"));
}

TEST_F(ModuleLinkTest, AutoChoiceSkipsSilentForeignAndFaultyPorts)
{
    // COM1 does not exist; COM2 has no cable; COM3 holds another device that
    // changes the sync byte; COM4 is a module that never starts; COM5 one of
    // another firmware; COM6 the module.
    SimulatedModule noCable(clock), foreign(clock), dead(clock), oldFirmware(clock);
    noCable.module.SetCable(false);
    PortTap foreignTap(foreign.transport);
    OnSync(foreignTap, foreign, 2, [](SimulatedModule& m) {
        m.Faults().echoes.push_back({kComSync, 0x40, 0, false, 1});
    });
    dead.Faults().boot = orusim::BootFault::Silent;
    oldFirmware.Faults().endLoadByte = 0x42;
    PortBank bank;
    bank.Add(1, noCable.transport);
    bank.Add(2, foreignTap);
    bank.Add(3, dead.transport);
    bank.Add(4, oldFirmware.transport);
    bank.Add(5, sim.transport);
    SearchPorts({1, 2, 3, 4, 5, 6});
    GlobalOptions.debugComLevel = 1;

    TSXComm auto_(bank, host, clock);
    auto_.Connect();
    EXPECT_EQ(bank.ComPort(), 5);
    EXPECT_TRUE(bank.Connected());
    EXPECT_EQ(auto_.PortName(), "COM6");
    EXPECT_EQ(auto_.DeviceType(), "Corvane");

    // Coded error lines, each leading to its error's details.
    std::vector<std::string> reports;
    for (size_t i = 0; i < sink.lines.size(); ++i) {
        if (sink.lines[i].rfind("[Debug]", 0) == 0) continue;
        reports.push_back(sink.lines[i]);
        ASSERT_TRUE(sink.infos[i]) << sink.lines[i];
        EXPECT_EQ(sink.infos[i]->Category, ecIDE);
    }
    EXPECT_EQ(reports, (std::vector<std::string>{
                           "[ Error IDE-0056] Possible Corvane on COM3 did not respond.",
                           "[ Error IDE-0056] Possible Corvane on COM4 did not respond.",
                           "[ Error IDE-0052] Incompatible firmware revision ($42).",
                       }));
    EXPECT_TRUE(Has(sink.lines, "[Debug] Testing port: COM1"));
    EXPECT_TRUE(Has(sink.lines, "[Debug] Testing port: COM6"));
    // Every port tested was closed again.
    EXPECT_FALSE(noCable.transport.Connected() || foreign.transport.Connected() || dead.transport.Connected());
}

TEST_F(ModuleLinkTest, NoModuleOnAnyPortIsIde54)
{
    PortBank bank;
    SearchPorts({1, 4});
    GlobalOptions.debugComLevel = 1;
    TSXComm none(bank, host, clock);
    EXPECT_EQ(RaisedMessage([&] { none.Connect(); }), "[ Error IDE-0054] Unable to find a Corvane on any port.");
    EXPECT_EQ(sink.Last(), "[Debug] TSXComm::AutoChoosePort - unsuccessful");
    EXPECT_FALSE(none.TestPort(3));
}

// A user outside the port's group, or another program on the port: the
// search that finds nothing says so first; one that finds a module does not.
TEST_F(ModuleLinkTest, PortsThatExistButRefuseToOpenAreNamedBeforeIde54)
{
    PortTap denied(sim.transport), busy(sim.transport), gone(sim.transport);
    denied.failOpen = busy.failOpen = gone.failOpen = true;
    denied.openError = EACCES;
    busy.openError = EBUSY;
    gone.openError = ENODEV;
    PortBank bank;
    bank.Add(0, denied);
    bank.Add(1, busy);
    bank.Add(2, gone);
    SearchPorts({1, 2, 3, 4});
    TSXComm search(bank, host, clock);
    EXPECT_EQ(RaisedMessage([&] { search.Connect(); }), "[ Error IDE-0054] Unable to find a Corvane on any port.");
    const std::vector<std::string> refused{
        "[ Error IDE-0006] Could not open the serial port: COM1 (/dev/ttyTEST0: Permission denied).",
        "[ Error IDE-0006] Could not open the serial port: COM2 (/dev/ttyTEST1: Device or resource busy).",
    };
    EXPECT_EQ(sink.lines, refused);

    sink.Clear();
    EXPECT_FALSE(search.TestPort(0));
    EXPECT_FALSE(search.TestPort(2));
    EXPECT_EQ(sink.lines, std::vector<std::string>{refused[0]});

    sink.Clear();
    bank.Add(3, sim.transport);
    search.Connect();
    EXPECT_EQ(search.PortName(), "COM4");
    EXPECT_TRUE(sink.lines.empty()) << sink.lines.front();
}

TEST_F(ModuleLinkTest, ConfiguredPortFailuresCarryTheirOwnErrors)
{
    tap.failOpen = true;
    tap.devicePath = "/dev/ttyUSB0";
    EXPECT_EQ(RaisedMessage([&] { link.Connect(); }),
              "[ Error IDE-0006] Could not open the serial port: COM2 (/dev/ttyUSB0: No such file or directory).");
    tap.failOpen = false;

    sim.module.SetCable(false);
    EXPECT_EQ(RaisedMessage([&] { link.Connect(); }), "[ Error IDE-0046] Corvane not found on serial port.");
    EXPECT_FALSE(link.LoopbackFound());
    sim.module.SetCable(true);
    sim.Faults().dsrStuck = true;
    EXPECT_EQ(RaisedMessage([&] { link.Connect(); }), "[ Error IDE-0046] Corvane not found on serial port.");
    sim.Faults().dsrStuck.reset();
    EXPECT_FALSE(tap.Connected());
}

TEST_F(ModuleLinkTest, SyncEchoMustComeBackUnchangedWithinAHundredMilliseconds)
{
    link.Connect();  // a port that passed leaves no trace on the next test
    ASSERT_TRUE(link.StatusRead());
    OnSync(tap, sim, 2, [](SimulatedModule& m) { m.Faults().echoes.push_back({kComSync, 0, 150, false, 1}); });
    EXPECT_EQ(RaisedMessage([&] { link.Connect(); }), "[ Error IDE-0046] Corvane not found on serial port.");
    EXPECT_TRUE(link.LoopbackFound());
    EXPECT_FALSE(link.EchoFound());

    OnSync(tap, sim, 2, [](SimulatedModule& m) { m.Faults().echoes.push_back({kComSync, 0x01, 0, false, 1}); });
    EXPECT_EQ(RaisedMessage([&] { link.Connect(); }), "[ Error IDE-0047] Another device connected to the serial port.");
    EXPECT_FALSE(link.StatusRead());

    OnSync(tap, sim, 2, [this](SimulatedModule&) { tap.failReads = true; });
    EXPECT_EQ(RaisedMessage([&] { link.Connect(); }), "[ Error IDE-0008] Error reading from the serial port (5).");
    EXPECT_FALSE(tap.Connected());
}

TEST_F(ModuleLinkTest, StaleEchoesOfAFailedTestDoNotSpoilTheNextOpening)
{
    link.SetEchoCount(3);  // a time-out leaves the count as it stands
    link.Connect();
    EXPECT_EQ(link.EchoCount(), 0);
    EXPECT_EQ(link.DeviceType(), "Corvane");
}

TEST_F(ModuleLinkTest, QuickConnectAttachesToARunningProgramWithoutAReset)
{
    sim.engine.QueueRun({orusim::ScriptItem::Text("Hi", 500)});
    link.Connect();
    std::vector<uint8_t> image(40, 0x23);
    link.DownloadOruFile(image.data(), int32_t(image.size()), false);
    link.Reset(true);
    sim.log.Clear();
    link.ConnectQuick();
    EXPECT_TRUE(link.IsRunning());
    EXPECT_GE(host.stopJogs, 1);
    EXPECT_EQ(link.DeviceType(), "Corvane");
    EXPECT_TRUE(sim.log.OfKind(orusim::EventKind::Reset).empty());
    EXPECT_EQ(sim.Commands(), (std::vector<std::string>{"no-input"}));
    // The lost echo of kComNoInput is not awaited: the program's first message
    // reaches the terminal whole.
    EXPECT_EQ(link.EchoCount(), 0);
    RunFor(1000);
    EXPECT_EQ(host.texts, (std::vector<std::string>{"Hi"}));
}

TEST_F(ModuleLinkTest, CancelDuringTheSearchEndsItWithIde45)
{
    SimulatedModule second(clock);
    PortBank bank;
    bank.Add(0, sim.transport);
    bank.Add(1, second.transport);
    SearchPorts({1, 2});
    host.worker = true;
    host.cancelAt = 3;
    TSXComm searching(bank, host, clock);
    EXPECT_EQ(RaisedMessage([&] { searching.Connect(); }), "[ Error IDE-0045] Action terminated by user.");
    // The search stopped at the first port: the second never saw its RTS.
    for (const orusim::Event& e : second.log.OfKind(orusim::EventKind::Modem)) EXPECT_NE(e.name, "RTS");
    EXPECT_FALSE(sim.transport.Connected());
}

TEST_F(ModuleLinkTest, QuickSearchTestsOnlyTheCable)
{
    SimulatedModule noCable(clock);
    noCable.module.SetCable(false);
    PortBank bank;
    bank.Add(0, noCable.transport);
    bank.Add(1, sim.transport);
    SearchPorts({1, 2});
    sim.log.Clear();
    TSXComm quick(bank, host, clock);
    quick.ConnectQuick();
    EXPECT_EQ(bank.ComPort(), 1);
    EXPECT_TRUE(bank.Connected());
    EXPECT_TRUE(quick.IsRunning());
    EXPECT_TRUE(sim.log.OfKind(orusim::EventKind::Reset).empty());
    EXPECT_EQ(sim.Commands(), (std::vector<std::string>{"no-input"}));
    EXPECT_TRUE(sink.lines.empty());
}

TEST_F(ModuleLinkTest, ResetErrors)
{
    link.Connect();
    sim.Faults().boot = orusim::BootFault::Silent;
    const int64_t start = clock.TickCount();
    EXPECT_EQ(RaisedMessage([&] { link.Reset(false); }), "[ Error IDE-0022] Error reading from the serial port (timeout).");
    EXPECT_GT(clock.TickCount() - start, 10000);

    GlobalOptions.debugComLevel = 1;
    sim.Faults().boot = orusim::BootFault::Garbage;
    EXPECT_EQ(RaisedMessage([&] { link.Reset(true); }), "[ Error IDE-0043] Corvane did not respond to reset.");
    EXPECT_EQ(sink.Last(), "[Debug] Incorrect response after reset");

    sim.Faults().boot = orusim::BootFault::None;
    sim.Faults().endLoadByte = 0x42;
    EXPECT_EQ(RaisedMessage([&] { link.Reset(false); }), "[ Error IDE-0052] Incompatible firmware revision ($42).");
    EXPECT_EQ(link.FirmwareVersion(), "$42");
}

TEST_F(LinkTest, TheEndOfLoadingMayComeBeforeTheSyncEcho)
{
    port.echo = false;
    port.Arrive(50, {kComStartLoad});
    port.onSend = [this](uint8_t byte) {
        if (byte == kComSync) {
            port.Arrive(1, {0x53});
            port.Arrive(2, {kComSync});
        }
    };
    link.Reset(false);
    EXPECT_EQ(link.FirmwareVersion(), "$53");
    EXPECT_EQ(port.CharCount(), 0);  // it waited for the echo too
    EXPECT_FALSE(port.dtr);
    EXPECT_EQ(port.sent, (Bytes{kComSync}));
}

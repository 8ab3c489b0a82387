// The link through the real serial driver to the module simulator at the far
// end of a pseudo-terminal, in real time.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "devicelink/CommPortDriver.h"
#include "devicelink/LinkCodes.h"
#include "devicelink/SXComm.h"
#include "foundation/EError.h"
#include "foundation/Options.h"
#include "tests/devicelink/LinkTestSupport.h"
#include "tests/support/TempDir.h"
#include "tools/orusim/PtyTransport.h"
#include "tools/orusim/ScriptedEngine.h"
#include "tools/orusim/SteadyClock.h"

namespace {

// Points CORVANE_PORT_DIR at a folder while it lives.
class ScopedPortDir {
public:
    explicit ScopedPortDir(const std::string& dir)
    {
        if (const char* previous = std::getenv("CORVANE_PORT_DIR")) previous_ = previous, had_ = true;
        setenv("CORVANE_PORT_DIR", dir.c_str(), 1);
    }
    ~ScopedPortDir()
    {
        if (had_)
            setenv("CORVANE_PORT_DIR", previous_.c_str(), 1);
        else
            unsetenv("CORVANE_PORT_DIR");
    }

private:
    std::string previous_;
    bool had_ = false;
};

class LinkToSimulatorOverPty : public ::testing::Test {
protected:
    void SetUp() override
    {
        saved = GlobalOptions;
        GlobalOptions.DebugPort = 0;
        GlobalOptions.NumValidPorts = 3;
        for (int i = 0; i < 3; ++i) GlobalOptions.ValidPort[size_t(i)] = i + 1;
        std::string error;
        ASSERT_TRUE(transport.Start(error)) << error;
        driver.SetComPortSpeed(br28800);
        driver.SetEnableDTROnOpen(false);
        driver.SetPacketMode(pmPass);
    }
    void TearDown() override
    {
        link.Close();
        transport.Stop();
        GlobalOptions = saved;
    }

    // Polls the driver, as the main window's timer does, until done() or 3 s.
    template <typename Done>
    bool PollUntil(Done done)
    {
        driver.SetOnReceiveData([this](TCommPortDriver&, const uint8_t* data, int32_t n) {
            link.ReceiveData(data, n, nullptr);
        });
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(3);
        while (!done() && std::chrono::steady_clock::now() < end) {
            driver.Poll();
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        driver.SetOnReceiveData(nullptr);
        return done();
    }

    void FindDownloadResetAndRun();

    tOptions saved;
    TempDir dir{"corvane-sim-pty"};
    ScopedPortDir portDir{dir.Path()};
    orusim::SteadyClock moduleClock;
    orusim::ScriptedEngine engine;
    orusim::EventLog log;
    orusim::ProtocolEngine module{moduleClock, engine, log, orusim::BootTiming{20, 250, 1}};
    orusim::PtyTransport transport{module, orusim::PtyOptions{dir.Path(), 3, false}};
    TCommPortDriver driver;
    SystemClock clock;
    TestHost host;
    TSXComm link{driver, host, clock};
};

}  // namespace

TEST_F(LinkToSimulatorOverPty, FindDownloadResetAndRunAProgram)
{
    try {
        FindDownloadResetAndRun();
    } catch (const EError& e) {
        ADD_FAILURE() << e.Message;
    }
}

void LinkToSimulatorOverPty::FindDownloadResetAndRun()
{
    link.Connect();
    EXPECT_EQ(driver.ComPort(), 2);
    EXPECT_TRUE(driver.Connected());
    EXPECT_EQ(link.DeviceType(), "Corvane");

    std::vector<uint8_t> image(40);
    for (size_t i = 0; i < image.size(); ++i) image[i] = uint8_t(0x70 + i);  // 0x7D and 0x7E among them
    link.DownloadOruFile(image.data(), int32_t(image.size()), true);
    link.Reset(false);
    std::vector<uint8_t> expected = image;
    expected.resize(48, 0);
    transport.WithModule([&](orusim::ProtocolEngine& m) { EXPECT_EQ(m.Image(), expected); });

    const uint32_t breakpoints[] = {0x20};
    link.DownloadBreakpoints(breakpoints, 1, 0);
    int32_t pc = 0, activity = 0;
    uint8_t bytecode = 0;
    link.QueryStatus(pc, activity, bytecode);
    EXPECT_EQ(activity, orusim::kActivityStopped);

    transport.WithModule([&](orusim::ProtocolEngine&) {
        engine.QueueRun({orusim::ScriptItem::Text("Hi"), orusim::ScriptItem::Input(), orusim::ScriptItem::End(10)});
    });
    link.QueueTerminalByte('q');
    link.Run();
    EXPECT_TRUE(link.IsRunning());
    EXPECT_TRUE(PollUntil([&] { return !link.IsRunning(); }));
    EXPECT_EQ(host.texts, (std::vector<std::string>{"Hi"}));
    transport.WithModule([&](orusim::ProtocolEngine&) {
        EXPECT_EQ(engine.InputsReceived(), (std::vector<int>{'q'}));
        EXPECT_EQ(engine.Breakpoints(), (std::vector<uint16_t>{0x20}));
    });
}

TEST_F(LinkToSimulatorOverPty, AModuleWithoutItsCableIsNotFound)
{
    transport.WithModule([](orusim::ProtocolEngine& m) { m.SetCable(false); });
    try {
        link.Connect();
        ADD_FAILURE() << "connected";
    } catch (const EError& e) {
        EXPECT_EQ(e.Number, 54);
    }
    EXPECT_FALSE(driver.Connected());
}

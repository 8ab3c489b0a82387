// A linked program through the real device link over a pseudo-terminal: the
// link connects to the simulated module, downloads the image, resets it to
// run, and the program's text arrives as terminal messages.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "devicelink/Clock.h"
#include "devicelink/CommPortDriver.h"
#include "devicelink/LinkHost.h"
#include "devicelink/SXComm.h"
#include "foundation/EError.h"
#include "foundation/Options.h"
#include "tests/orusim/VmHarness.h"
#include "tools/orusim/PtyTransport.h"
#include "tools/orusim/SteadyClock.h"
#include "tools/orusim/Wire.h"
#include "tools/orusim/vm/OruVmEngine.h"

using namespace orusim;

namespace {
class TerminalHost : public NullLinkHost {
public:
    void AddText(const char* text) override { terminal += text; }
    std::string terminal;
};

// Points the driver at a port folder while it lives.
class ScopedPortDir {
public:
    explicit ScopedPortDir(const std::string& dir) {
        const char* previous = std::getenv("CORVANE_PORT_DIR");
        had_ = previous != nullptr;
        if (had_) saved_ = previous;
        setenv("CORVANE_PORT_DIR", dir.c_str(), 1);
    }
    ~ScopedPortDir() {
        if (had_) setenv("CORVANE_PORT_DIR", saved_.c_str(), 1);
        else unsetenv("CORVANE_PORT_DIR");
    }

private:
    bool had_ = false;
    std::string saved_;
};

// Hands what arrives to the link, as the poll timer would, until the
// terminal holds `expected` or the time is up.
void PollUntil(TCommPortDriver& driver, TSXComm& link, TerminalHost& host, const std::string& expected,
               int timeoutMs) {
    SystemClock clock;
    int64_t end = clock.TickCount() + timeoutMs;
    while (host.terminal.find(expected) == std::string::npos && clock.TickCount() < end) {
        uint8_t buffer[256];
        int32_t n = 0;
        while (n < int32_t(sizeof buffer) && driver.ReadChar(buffer[n])) ++n;
        if (n > 0) link.ReceiveData(buffer, n, nullptr);
        else driver.WaitReadable(20);
    }
}
}  // namespace

TEST(EndToEnd, HelloWorldDownloadedAndRunThroughTheDeviceLink) {
    VmProgram program({}, {{"Hello.java", "public class Hello {\n static void main() {\n"
                                          "  System.out.println(\"Hello, world!\");\n }\n}\n"}});
    ASSERT_EQ(program.Link("Hello"), "");
    std::vector<uint8_t> image = program.Image();

    TempDir dir("orusim-e2e");
    ScopedPortDir portDir(dir.Path());
    struct RestoreOptions {
        tOptions saved = GlobalOptions;
        ~RestoreOptions() { GlobalOptions = saved; }
    } restoreOptions;
    GlobalOptions.DebugPort = 5;  // COM5

    SteadyClock moduleClock;
    OruVmEngine engine;
    EventLog log;
    ProtocolEngine module(moduleClock, engine, log, BootTiming{20, 250, 1});
    PtyTransport transport(module, PtyOptions{dir.Path(), 5, false});
    std::string error;
    ASSERT_TRUE(transport.Start(error)) << error;
    // The module was switched on long before: its start-up is over.
    bool ready = false;
    for (int i = 0; i < 200 && !ready; ++i) {
        transport.WithModule([&ready](ProtocolEngine& m) { ready = m.Ready(); });
        if (!ready) moduleClock.Sleep(5);
    }
    ASSERT_TRUE(ready);

    {
        SystemClock clock;
        TCommPortDriver driver(&clock);
        driver.SetComPortSpeed(br28800);
        driver.SetEnableDTROnOpen(false);
        TerminalHost host;
        TSXComm link(driver, host, clock);
        try {
            link.Connect();
            EXPECT_EQ(link.DeviceType(), "Corvane");
            link.DownloadOruFile(image.data(), int32_t(image.size()), false);
            link.Reset(true);
        } catch (const EError& e) {
            std::string events;
            for (const Event& event : log.Events()) events += EventToJson(event) + "\n";
            FAIL() << e.Message << events;
        }
        PollUntil(driver, link, host, "Hello, world!\n", 5000);
        EXPECT_EQ(host.terminal, "Hello, world!\n");
        link.Close();
    }
    transport.Stop();

    ASSERT_FALSE(log.OfKind(EventKind::MessageSent).empty());
    EXPECT_EQ(log.OfKind(EventKind::MessageSent).front().values, std::vector<int64_t>{orusim::kMsgText});
    EXPECT_EQ(log.OfKind(EventKind::MessageSent).back().values, std::vector<int64_t>{orusim::kMsgEnded});
    size_t blocks = (image.size() + 15) / 16;
    EXPECT_EQ(log.Count(EventKind::Download), blocks);
}

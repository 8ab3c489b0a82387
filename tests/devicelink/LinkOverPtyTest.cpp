#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <atomic>
#include <poll.h>
#include <thread>
#include <unistd.h>

#include "devicelink/CommPortDriver.h"
#include "devicelink/LinkCodes.h"
#include "devicelink/SXComm.h"
#include "platform/PollTimer.h"
#include "tests/devicelink/PtyPort.h"

namespace {

// A module at the master side: echoes every byte and acknowledges kComRun
// with a reply packet behind it.
class EchoModule {
public:
    explicit EchoModule(int master) : master_(master), thread_([this] { Run(); }) {}
    ~EchoModule()
    {
        stop_ = true;
        thread_.join();
    }

private:
    void Run()
    {
        while (!stop_) {
            pollfd p{master_, POLLIN, 0};
            if (poll(&p, 1, 10) <= 0 || !(p.revents & POLLIN)) continue;
            uint8_t byte;
            if (read(master_, &byte, 1) != 1) continue;
            (void)!write(master_, &byte, 1);
            if (byte == kComRun) {
                const uint8_t answer[] = {kComRun | kAckBit, 0x7E, 0x81, 0x7D, 0x5E, 0x7E};
                (void)!write(master_, answer, sizeof answer);
            }
        }
    }

    int master_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

void EnsureApplication()
{
    static int argc = 1;
    static char name[] = "test_devicelink";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance()) static QCoreApplication app(argc, argv);
}

}  // namespace

TEST(LinkOverPty, CommandAndReplyOverTheRealDriver)
{
    PtyPort pty;
    SystemClock clock;
    NullLinkHost host;
    TCommPortDriver port(&clock);
    port.SetComPort(pty.PortIndex());
    port.SetComPortSpeed(br28800);
    port.SetEnableDTROnOpen(false);
    ASSERT_TRUE(port.Connect());
    EchoModule module(pty.Master());
    TSXComm link(port, host, clock);

    link.SendSimpleCommand(kComRun);
    uint8_t reply[8];
    int32_t length = sizeof reply;
    link.ReceivePacket(reply, length);
    ASSERT_EQ(length, 2);
    EXPECT_EQ(reply[0], 0x81);
    EXPECT_EQ(reply[1], 0x7E);
    EXPECT_EQ(link.EchoCount(), 0);
}

TEST(LinkOverPty, ThePollTimerFollowsAPortOpenedOnAnotherThread)
{
    EnsureApplication();
    PtyPort pty;
    TCommPortDriver port;
    port.SetComPort(pty.PortIndex());
    PollTimer timer(port);
    std::string received;
    std::thread worker([&] {
        port.Connect();
        port.SetComPortPollingDelay(5);
        port.SetOnReceiveData([&](TCommPortDriver&, const uint8_t* data, int32_t size) {
            received.append(reinterpret_cast<const char*>(data), size_t(size));
        });
    });
    worker.join();
    pty.Write("module says hi");

    QElapsedTimer waited;
    waited.start();
    while (received.size() < 14 && waited.elapsed() < 2000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    EXPECT_EQ(received, "module says hi");
    EXPECT_TRUE(timer.IsPolling());
    EXPECT_EQ(timer.Interval(), 5);

    std::thread([&] { port.Disconnect(); }).join();
    while (timer.IsPolling() && waited.elapsed() < 4000) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    EXPECT_FALSE(timer.IsPolling());
}

#include <functional>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>

#include "tests/support/TempDir.h"
#include "tools/orusim/PtyLineSettings.h"
#include "tools/orusim/PtyTransport.h"
#include "tools/orusim/ScriptedEngine.h"
#include "tools/orusim/SteadyClock.h"
#include "tools/orusim/Wire.h"

using namespace orusim;
using Bytes = std::vector<uint8_t>;

namespace {
sockaddr_un UnixAddress(const std::string& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return address;
}

// The PC's end: the port device and its modem socket.
class PcSide {
public:
    bool Open(const std::string& link) {
        fd_ = open(link.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        if (fd_ < 0) return false;
        modem_ = socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0);
        sockaddr_un address = UnixAddress(link + ".modem");
        if (connect(modem_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) return false;
        return Line("DTR 0") && Line("RTS 0");
    }

    void Close() {
        if (modem_ >= 0) close(modem_);
        if (fd_ >= 0) close(fd_);
        modem_ = fd_ = -1;
    }

    ~PcSide() { Close(); }

    bool Line(const char* text) { return send(modem_, text, std::strlen(text), MSG_NOSIGNAL) > 0; }

    // The DSR the module answers once RTS is raised: "DSR 1" through the cable's loop.
    std::string DsrWithRts() {
        Line("RTS 1");
        return Dsr();
    }

    std::string Dsr() {
        Line("GET");
        pollfd p{modem_, POLLIN, 0};
        if (poll(&p, 1, 2000) <= 0) return "";
        char buffer[16];
        ssize_t n = recv(modem_, buffer, sizeof buffer, 0);
        return n > 0 ? std::string(buffer, static_cast<size_t>(n)) : "";
    }

    void Write(const Bytes& bytes) { ASSERT_EQ(write(fd_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size())); }

    // Reads until n bytes came or nothing came for quietMs.
    Bytes Read(size_t n, int quietMs = 3000) {
        Bytes out;
        while (out.size() < n) {
            pollfd p{fd_, POLLIN, 0};
            if (poll(&p, 1, quietMs) <= 0) break;
            uint8_t buffer[256];
            ssize_t got = read(fd_, buffer, std::min(sizeof buffer, n - out.size()));
            if (got <= 0) break;
            out.insert(out.end(), buffer, buffer + got);
        }
        return out;
    }

    int Fd() const { return fd_; }

private:
    int fd_ = -1;
    int modem_ = -1;
};

// A socket bound at path that nobody listens on.
int BoundSocket(const std::string& path) {
    int fd = socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0);
    sockaddr_un address = UnixAddress(path);
    if (bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) return fd;
    close(fd);
    return -1;
}

class PtyModule : public ::testing::Test {
protected:
    explicit PtyModule(bool paced = false) : transport{module, PtyOptions{dir.Path(), 7, paced}} {}

    void SetUp() override {
        std::string error;
        ASSERT_TRUE(transport.Start(error)) << error;
        for (int i = 0; i < 300 && log.Count(EventKind::Boot) == 0; ++i) usleep(10000);
        ASSERT_EQ(log.Count(EventKind::Boot), 1u) << "the power-on start-up ends";
    }

    // Waits (boundedly) until the log holds the event `times` times.
    // Polls the module's event log for up to 3 s until seen() holds.
    bool Eventually(const std::function<bool()>& seen) {
        for (int i = 0; i < 300; ++i) {
            if (seen()) return true;
            usleep(10000);
        }
        return false;
    }

    bool ModuleSaw(EventKind kind, const std::string& name, int64_t value, int times = 1) {
        return Eventually([&] {
            int count = 0;
            for (const Event& e : log.OfKind(kind))
                if (e.name == name && !e.values.empty() && e.values[0] == value) ++count;
            return count >= times;
        });
    }

    // The line took this many bytes while the port was closed and dropped them.
    bool OutputLost(size_t bytes) {
        return Eventually([&] {
            size_t lost = 0;
            for (const Event& e : log.OfKind(EventKind::BytesOut))
                if (e.name == "lost") lost += e.bytes.size();
            return lost >= bytes;
        });
    }

    TempDir dir{"orusim-pty"};
    SteadyClock clock;
    ScriptedEngine engine;
    EventLog log;
    ProtocolEngine module{clock, engine, log, BootTiming{20, 250, 1}};
    PtyTransport transport;
};

class PtyPaced : public PtyModule {
protected:
    PtyPaced() : PtyModule(true) {}
};
}  // namespace

TEST_F(PtyModule, PublishesARawLinkAt28800AndItsModemSocket) {
    EXPECT_EQ(transport.LinkPath(), dir.File("COM7"));
    EXPECT_EQ(std::filesystem::read_symlink(dir.File("COM7")).string(), transport.PtyPath());
    EXPECT_TRUE(std::filesystem::is_socket(dir.File("COM7.modem")));

    int fd = open(dir.File("COM7").c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(fd, 0);
    LineSettings settings;
    ASSERT_TRUE(ReadLineSettings(fd, settings));
    EXPECT_EQ(settings.outputBaud, 28800u);
    EXPECT_EQ(settings.inputBaud, 28800u);
    EXPECT_TRUE(settings.raw);
    EXPECT_TRUE(settings.eightBits);
    close(fd);

    transport.Stop();
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(dir.File("COM7"))));
    EXPECT_FALSE(std::filesystem::exists(dir.File("COM7.modem")));
}

TEST_F(PtyModule, OutputIsLostWhileThePortIsClosedAndTheLineSurvivesReopening) {
    {
        PcSide pc;
        ASSERT_TRUE(pc.Open(transport.LinkPath()));
        ASSERT_TRUE(ModuleSaw(EventKind::Modem, "port", 1));
    }
    ASSERT_TRUE(ModuleSaw(EventKind::Modem, "port", 0, 2));
    transport.WithModule([](ProtocolEngine& m) { m.SendText("lost"); });
    ASSERT_TRUE(ModuleSaw(EventKind::MessageSent, "", kMsgText));
    ASSERT_TRUE(OutputLost(FrameMessage(kMsgText, {'l', 'o', 's', 't'}).size())) << "the closed line took the text";

    PcSide pc;
    ASSERT_TRUE(pc.Open(transport.LinkPath()));
    ASSERT_TRUE(ModuleSaw(EventKind::Modem, "port", 1, 2));
    EXPECT_EQ(pc.Read(1, 100), Bytes{}) << "nothing stale";
    transport.WithModule([](ProtocolEngine& m) { m.SendText("ok"); });
    EXPECT_EQ(pc.Read(5), FrameMessage(kMsgText, {'o', 'k'}));
}

TEST_F(PtyModule, ASecondDriverIsTurnedAway) {
    PcSide first;
    ASSERT_TRUE(first.Open(transport.LinkPath()));
    ASSERT_TRUE(ModuleSaw(EventKind::Modem, "port", 1));
    PcSide second;
    second.Open(transport.LinkPath());
    EXPECT_EQ(second.Dsr(), "");
    EXPECT_EQ(first.DsrWithRts(), "DSR 1");
}

TEST_F(PtyPaced, OutputKeepsToTheLineRate) {
    PcSide pc;
    ASSERT_TRUE(pc.Open(transport.LinkPath()));
    ASSERT_TRUE(ModuleSaw(EventKind::Modem, "port", 1));
    std::string text(285, 'p');  // 288 bytes on the line: 0.1 s
    int64_t start = SteadyClock::NowUs();  // before the text is queued: pacing may start at once
    transport.WithModule([&](ProtocolEngine& m) { m.SendText(text); });
    EXPECT_EQ(pc.Read(288), FrameMessage(kMsgText, Bytes(text.begin(), text.end())));
    EXPECT_GE(SteadyClock::NowUs() - start, 90000) << "not faster than the line";
}

TEST_F(PtyModule, APortClosedAndOpenedAtOnceKeepsWhatTheNewDriverSent) {
    PcSide first;
    ASSERT_TRUE(first.Open(transport.LinkPath()));
    ASSERT_TRUE(ModuleSaw(EventKind::Modem, "port", 1));
    PcSide second;
    // The transport waits while the old driver leaves and the new one connects and writes.
    transport.WithModule([&](ProtocolEngine&) {
        first.Close();
        ASSERT_TRUE(second.Open(transport.LinkPath()));
        second.Write({0x42});
    });
    EXPECT_EQ(second.Read(1), Bytes{0x42}) << "the echo of the new driver's byte";
    EXPECT_EQ(second.DsrWithRts(), "DSR 1") << "the new driver is the one served";
}

TEST_F(PtyModule, ASecondModuleOnALivePortRefusesAndLeavesTheFirstItsPort) {
    ScriptedEngine otherEngine;
    EventLog otherLog;
    ProtocolEngine other{clock, otherEngine, otherLog};
    PtyTransport second{other, PtyOptions{dir.Path(), 7, false}};
    std::string error;
    EXPECT_FALSE(second.Start(error));
    EXPECT_EQ(error, "COM7 in " + dir.Path() + " is served by another simulator");
    second.Stop();

    EXPECT_EQ(std::filesystem::read_symlink(dir.File("COM7")).string(), transport.PtyPath());
    PcSide pc;
    ASSERT_TRUE(pc.Open(transport.LinkPath()));
    EXPECT_EQ(pc.DsrWithRts(), "DSR 1");
}

TEST_F(PtyModule, StoppingRemovesOnlyTheLinkAndTheSocketStillItsOwn) {
    // Someone else's port took the place of ours.
    std::filesystem::remove(dir.File("COM7"));
    std::filesystem::remove(dir.File("COM7.modem"));
    std::filesystem::create_symlink("/dev/null", dir.File("COM7"));
    const std::string path = dir.File("COM7.modem");
    int socketFd = BoundSocket(path);
    ASSERT_GE(socketFd, 0);

    transport.Stop();
    EXPECT_EQ(std::filesystem::read_symlink(dir.File("COM7")).string(), "/dev/null");
    EXPECT_TRUE(std::filesystem::is_socket(path));
    close(socketFd);
}

TEST_F(PtyModule, AStaleSocketOfAModuleThatDiedIsReplaced) {
    transport.Stop();
    const std::string path = dir.File("COM7.modem");
    int socketFd = BoundSocket(path);
    ASSERT_GE(socketFd, 0);
    close(socketFd);  // left behind, nobody listens

    std::string error;
    ASSERT_TRUE(transport.Start(error)) << error;
    PcSide pc;
    ASSERT_TRUE(pc.Open(transport.LinkPath()));
    EXPECT_EQ(pc.DsrWithRts(), "DSR 1");
}

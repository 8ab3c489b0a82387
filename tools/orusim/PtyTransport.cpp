#include "tools/orusim/PtyTransport.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <limits>

#include "tools/orusim/SteadyClock.h"
#include "tools/orusim/WakeTimeout.h"

namespace orusim {

namespace {
constexpr unsigned kLineBaud = 28800;
constexpr int kIdlePollMs = 200;

std::string ReadLink(const std::string& path) {
    std::error_code ec;
    std::filesystem::path target = std::filesystem::read_symlink(path, ec);
    return ec ? std::string() : target.string();
}
}  // namespace

PtyTransport::PtyTransport(ProtocolEngine& module, PtyOptions options)
    : module_(module), options_(std::move(options)) {}

PtyTransport::~PtyTransport() { Stop(); }

std::string PtyTransport::LinkPath() const {
    return options_.portDir + "/COM" + std::to_string(options_.com);
}

bool PtyTransport::Start(std::string& error) {
    std::error_code ec;
    std::filesystem::create_directories(options_.portDir, ec);
    // A live simulator keeps its port: nothing of it is replaced.
    if (ModemLineServer::Served(ModemPath())) {
        error = "COM" + std::to_string(options_.com) + " in " + options_.portDir +
                " is served by another simulator";
        return false;
    }
    if (!pty_.Open(kLineBaud, error)) return false;
    std::string link = LinkPath();
    std::filesystem::remove(link, ec);
    if (symlink(pty_.FarPath().c_str(), link.c_str()) != 0) {
        error = "cannot create " + link + ": " + std::strerror(errno);
        pty_.Close();
        return false;
    }
    linked_ = true;
    if (!modem_.Listen(ModemPath(), error) || pipe2(wakeFds_, O_CLOEXEC | O_NONBLOCK) != 0) {
        if (error.empty()) error = std::string("cannot create a pipe: ") + std::strerror(errno);
        Stop();
        return false;
    }
    stopping_ = false;
    module_.SetPortOpen(false);
    thread_ = std::thread([this] { Serve(); });
    return true;
}

void PtyTransport::Stop() {
    if (thread_.joinable()) {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            stopping_ = true;
        }
        Wake();
        thread_.join();
    }
    modem_.Close();
    if (linked_ && ReadLink(LinkPath()) == pty_.FarPath()) unlink(LinkPath().c_str());
    linked_ = false;
    pty_.Close();
    for (int& fd : wakeFds_) {
        if (fd >= 0) close(fd);
        fd = -1;
    }
}

void PtyTransport::WithModule(const std::function<void(ProtocolEngine&)>& fn) {
    ++commandsWaiting_;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        --commandsWaiting_;
        fn(module_);
    }
    commandDone_.notify_all();
    Wake();
}

void PtyTransport::Wake() {
    if (wakeFds_[1] < 0) return;
    char b = 1;
    [[maybe_unused]] ssize_t n = write(wakeFds_[1], &b, 1);
}

int PtyTransport::PollTimeoutMs() {
    if (!pending_.empty()) return kIdlePollMs;  // waits for room in the pty
    return WakeTimeoutMs(module_.Clock().TickCount(), module_.NextWakeTime(), options_.paced ? &pacer_ : nullptr,
                         kIdlePollMs);
}

void PtyTransport::Serve() {
    for (;;) {
        int timeout;
        {
            std::unique_lock<std::mutex> lock(mutex_);
            commandDone_.wait(lock, [this] { return commandsWaiting_ == 0; });
            if (stopping_) return;
            timeout = PollTimeoutMs();
        }
        pollfd fds[4] = {
            {wakeFds_[0], POLLIN, 0},
            {pty_.MasterFd(), static_cast<short>(POLLIN | (pending_.empty() ? 0 : POLLOUT)), 0},
            {modem_.ListenFd(), POLLIN, 0},
            {modem_.ClientFd(), POLLIN, 0},
        };
        if (poll(fds, 4, timeout) < 0 && errno != EINTR) return;
        std::lock_guard<std::mutex> lock(mutex_);
        if (fds[0].revents) {
            char drain[64];
            while (read(wakeFds_[0], drain, sizeof drain) > 0) {}
        }
        // A driver that closes and at once reopens the port: the old client's
        // end is served, then the new one accepted, then the line read.
        if (fds[3].revents) ServeModem();
        if ((fds[2].revents & POLLIN) && modem_.Accept()) module_.SetPortOpen(true);
        if (fds[1].revents & POLLIN) ReadFromPc();
        WriteToPc();
    }
}

void PtyTransport::ReadFromPc() {
    uint8_t buffer[4096];
    for (;;) {
        ssize_t n = read(pty_.MasterFd(), buffer, sizeof buffer);
        if (n <= 0) return;
        if (modem_.Connected()) module_.Receive(buffer, static_cast<size_t>(n));
    }
}

void PtyTransport::ServeModem() {
    using Request = ModemLineServer::Request;
    for (;;) {
        switch (modem_.Read()) {
        case Request::Empty: return;
        case Request::Unknown: break;
        case Request::DtrLow: module_.SetDTR(false); break;
        case Request::DtrHigh: module_.SetDTR(true); break;
        case Request::RtsLow: module_.SetRTS(false); break;
        case Request::RtsHigh: module_.SetRTS(true); break;
        case Request::Get: modem_.AnswerDSR(module_.DSR()); break;
        case Request::Closed: PortClosed(); return;
        }
    }
}

void PtyTransport::PortClosed() {
    // What waits on the line was sent before the close, or already by a
    // driver that reopened the port at once: the module takes it.
    ReadFromPc();
    modem_.DropClient();
    module_.SetDTR(false);
    module_.SetRTS(false);
    // The new driver already waits: the port was never closed for the module.
    if (modem_.ConnectionWaiting()) return;
    pending_.clear();
    module_.SetPortOpen(false);
}

void PtyTransport::WriteToPc() {
    if (pending_.empty()) {
        int64_t nowUs = SteadyClock::NowUs();
        size_t allowance = options_.paced ? pacer_.Allowance(nowUs) : std::numeric_limits<size_t>::max();
        pending_ = module_.TakeOutput(allowance);
        if (options_.paced) pacer_.Sent(pending_.size(), allowance, nowUs);
    }
    while (!pending_.empty()) {
        ssize_t n = write(pty_.MasterFd(), pending_.data(), pending_.size());
        if (n <= 0) return;
        pending_.erase(pending_.begin(), pending_.begin() + n);
    }
}

}  // namespace orusim

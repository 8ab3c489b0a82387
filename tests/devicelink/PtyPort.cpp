#include "tests/devicelink/PtyPort.h"

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto Patience = std::chrono::seconds(2);

}  // namespace

PtyPort::PtyPort(int comNumber) : dir_("corvane-pty"), com_(comNumber)
{
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0)
        throw std::runtime_error("no pseudo-terminal");
    std::string slave = ptsname(master_);
    std::string link = dir_.File("COM" + std::to_string(com_));
    if (symlink(slave.c_str(), link.c_str()) != 0) throw std::runtime_error("symlink failed");
}

void PtyPort::HangUp()
{
    if (master_ >= 0) close(master_);
    master_ = -1;
}

PtyPort::~PtyPort()
{
    if (master_ >= 0) close(master_);
}

void PtyPort::Write(const std::string& bytes)
{
    if (::write(master_, bytes.data(), bytes.size()) != ssize_t(bytes.size()))
        throw std::runtime_error("short write to the master");
}

std::string PtyPort::Read(size_t count)
{
    std::string got;
    auto deadline = Clock::now() + Patience;
    while (got.size() < count && Clock::now() < deadline) {
        pollfd p{master_, POLLIN, 0};
        if (poll(&p, 1, 50) <= 0 || !(p.revents & POLLIN)) continue;
        char buffer[256];
        ssize_t n = ::read(master_, buffer, std::min(sizeof buffer, count - got.size()));
        if (n <= 0) break;
        got.append(buffer, size_t(n));
    }
    return got;
}

ModemPeer::ModemPeer(const PtyPort& port, bool answer) : answer_(answer)
{
    std::string path = port.Dir() + "/COM" + std::to_string(port.PortIndex() + 1) + ".modem";
    listener_ = socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    if (listener_ < 0 || bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(listener_, 4) != 0 || pipe2(stopPipe_, O_CLOEXEC) != 0)
        throw std::runtime_error("modem socket failed");
    thread_ = std::thread([this] { Serve(); });
}

ModemPeer::~ModemPeer()
{
    char stop = 1;
    (void)!::write(stopPipe_[1], &stop, 1);
    thread_.join();
    close(listener_);
    close(stopPipe_[0]);
    close(stopPipe_[1]);
}

void ModemPeer::Serve()
{
    int connection = -1;
    for (;;) {
        pollfd p[2] = {{stopPipe_[0], POLLIN, 0}, {connection >= 0 ? connection : listener_, POLLIN, 0}};
        if (poll(p, 2, -1) <= 0) continue;
        if (p[0].revents) break;
        if (connection < 0) {
            connection = accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
            continue;
        }
        char buffer[64];
        ssize_t n = recv(connection, buffer, sizeof buffer, 0);
        if (n <= 0) {  // the driver closed the port; wait for the next one
            close(connection);
            connection = -1;
            continue;
        }
        std::string message(buffer, size_t(n));
        {
            std::lock_guard guard(mutex_);
            messages_.push_back(message);
        }
        if (message == "GET" && answer_) {
            const char* reply = dsr_ ? "DSR 1" : "DSR 0";
            send(connection, reply, std::strlen(reply), MSG_NOSIGNAL);
        }
    }
    if (connection >= 0) close(connection);
}

std::vector<std::string> ModemPeer::Messages(size_t count)
{
    auto deadline = Clock::now() + Patience;
    for (;;) {
        {
            std::lock_guard guard(mutex_);
            if (messages_.size() >= count || Clock::now() >= deadline) return messages_;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

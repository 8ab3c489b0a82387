#include "devicelink/ModemSocket.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

bool ModemSocket::Open(const std::string& path)
{
    Close();
    struct stat st {};
    sockaddr_un address{};
    if (path.empty() || path.size() >= sizeof address.sun_path) return false;
    if (stat(path.c_str(), &st) != 0 || !S_ISSOCK(st.st_mode)) return false;
    int fd = socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.c_str(), path.size());
    if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return false;
    }
    fd_ = fd;
    return true;
}

void ModemSocket::Close()
{
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

bool ModemSocket::Send(const char* text)
{
    if (fd_ < 0) return false;
    return ::send(fd_, text, std::strlen(text), MSG_NOSIGNAL | MSG_DONTWAIT) >= 0;
}

void ModemSocket::SendLine(const char* name, bool on)
{
    std::string message = std::string(name) + (on ? " 1" : " 0");
    Send(message.c_str());
}

void ModemSocket::DropWaiting()
{
    char buffer[64];
    while (::recv(fd_, buffer, sizeof buffer, MSG_DONTWAIT) > 0) {
    }
}

bool ModemSocket::QueryDSR()
{
    if (fd_ < 0) return false;
    DropWaiting();  // a late answer to an earlier question
    if (!Send("GET")) return false;
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(DsrAnswerMs);
    for (;;) {
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left < 0) return false;
        pollfd p{fd_, POLLIN, 0};
        int ready = ::poll(&p, 1, int(left));
        if (ready < 0 && errno == EINTR) continue;
        if (ready <= 0 || !(p.revents & POLLIN)) return false;
        char buffer[64];
        ssize_t got = ::recv(fd_, buffer, sizeof buffer - 1, MSG_DONTWAIT);
        if (got <= 0) return false;
        buffer[got] = '\0';
        if (std::strcmp(buffer, "DSR 1") == 0) return true;
        if (std::strcmp(buffer, "DSR 0") == 0) return false;
    }
}

std::string ModemSocketPath(int portIndex)
{
    const char* dir = std::getenv("CORVANE_PORT_DIR");
    if (!dir || !*dir) return {};
    return std::string(dir) + "/COM" + std::to_string(portIndex + 1) + ".modem";
}

#include "tools/orusim/ModemLineServer.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace orusim {

bool ModemLineServer::Listen(const std::string& path, std::string& error) {
    Close();
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) {
        error = "socket path too long: " + path;
        return false;
    }
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    unlink(path.c_str());
    listenFd_ = socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (listenFd_ < 0 || bind(listenFd_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(listenFd_, 4) != 0) {
        error = "cannot serve " + path + ": " + std::strerror(errno);
        Close();
        return false;
    }
    path_ = path;
    return true;
}

void ModemLineServer::Close() {
    DropClient();
    if (listenFd_ >= 0) close(listenFd_);
    listenFd_ = -1;
    if (!path_.empty()) unlink(path_.c_str());
    path_.clear();
}

bool ModemLineServer::Accept() {
    int fd = accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
    if (fd < 0) return false;
    if (clientFd_ >= 0) {
        close(fd);
        return false;
    }
    clientFd_ = fd;
    return true;
}

bool ModemLineServer::ConnectionWaiting() const {
    if (listenFd_ < 0) return false;
    pollfd p{listenFd_, POLLIN, 0};
    return poll(&p, 1, 0) > 0 && (p.revents & POLLIN);
}

ModemLineServer::Request ModemLineServer::Read() {
    char buffer[32];
    ssize_t n = recv(clientFd_, buffer, sizeof buffer - 1, 0);
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) return Request::Empty;
    if (n <= 0) return Request::Closed;
    std::string text(buffer, static_cast<size_t>(n));
    if (text == "DTR 0") return Request::DtrLow;
    if (text == "DTR 1") return Request::DtrHigh;
    if (text == "RTS 0") return Request::RtsLow;
    if (text == "RTS 1") return Request::RtsHigh;
    if (text == "GET") return Request::Get;
    return Request::Unknown;
}

void ModemLineServer::AnswerDSR(bool on) {
    const char* answer = on ? "DSR 1" : "DSR 0";
    send(clientFd_, answer, std::strlen(answer), MSG_NOSIGNAL);
}

void ModemLineServer::DropClient() {
    if (clientFd_ >= 0) close(clientFd_);
    clientFd_ = -1;
}

}  // namespace orusim

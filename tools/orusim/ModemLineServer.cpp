#include "tools/orusim/ModemLineServer.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace orusim {

namespace {
bool SocketAddress(const std::string& path, sockaddr_un& address) {
    address = {};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return true;
}
}  // namespace

bool ModemLineServer::Served(const std::string& path) {
    sockaddr_un address;
    if (!SocketAddress(path, address)) return false;
    int fd = socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    bool live = connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    close(fd);
    return live;
}

bool ModemLineServer::Listen(const std::string& path, std::string& error) {
    Close();
    sockaddr_un address;
    if (!SocketAddress(path, address)) {
        error = "socket path too long: " + path;
        return false;
    }
    unlink(path.c_str());
    listenFd_ = socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    struct stat made {};
    if (listenFd_ < 0 || bind(listenFd_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(listenFd_, 4) != 0 || stat(path.c_str(), &made) != 0) {
        error = "cannot serve " + path + ": " + std::strerror(errno);
        Close();
        return false;
    }
    path_ = path;
    device_ = made.st_dev;
    inode_ = made.st_ino;
    return true;
}

bool ModemLineServer::StillOurs() const {
    struct stat now {};
    return !path_.empty() && lstat(path_.c_str(), &now) == 0 && now.st_dev == device_ && now.st_ino == inode_;
}

void ModemLineServer::Close() {
    DropClient();
    if (listenFd_ >= 0) close(listenFd_);
    listenFd_ = -1;
    if (StillOurs()) unlink(path_.c_str());
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

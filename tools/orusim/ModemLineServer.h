#pragma once
#include <sys/types.h>

#include <string>

namespace orusim {

// The far end of a port's modem-line socket ("COM<n>.modem"): an AF_UNIX
// SOCK_SEQPACKET socket on which the port's driver sends "DTR 0", "DTR 1",
// "RTS 0", "RTS 1" and "GET", and gets "DSR 0" or "DSR 1" back. One driver
// at a time; the port counts as open while it is connected.
class ModemLineServer {
public:
    enum class Request { Empty, Unknown, DtrLow, DtrHigh, RtsLow, RtsHigh, Get, Closed };

    ModemLineServer() = default;
    ~ModemLineServer() { Close(); }
    ModemLineServer(const ModemLineServer&) = delete;
    ModemLineServer& operator=(const ModemLineServer&) = delete;

    // True when a live server listens on the socket at path.
    static bool Served(const std::string& path);

    // Replaces a stale socket at path. False with a reason on failure.
    bool Listen(const std::string& path, std::string& error);
    // Removes the socket only while it is still the one Listen made.
    void Close();

    int ListenFd() const { return listenFd_; }
    int ClientFd() const { return clientFd_; }
    bool Connected() const { return clientFd_ >= 0; }
    // A driver's connection waits to be accepted.
    bool ConnectionWaiting() const;

    // The listening socket is readable: takes the driver's connection, or
    // turns a second one away. True when a driver connected.
    bool Accept();
    // One datagram from the driver; Empty when none waits.
    Request Read();
    void AnswerDSR(bool on);
    void DropClient();

private:
    bool StillOurs() const;

    std::string path_;
    dev_t device_ = 0;
    ino_t inode_ = 0;
    int listenFd_ = -1;
    int clientFd_ = -1;
};

}  // namespace orusim

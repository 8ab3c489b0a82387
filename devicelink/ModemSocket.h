#pragma once
#include <string>

// The driver's end of a "COM<n>.modem" socket, which carries DTR, RTS and DSR
// for a port without modem lines (the contract is in CommPort.h).
class ModemSocket {
public:
    // A live far end always answers; it is a process that a loaded machine
    // may schedule late, so the wait is generous.
    static constexpr int DsrAnswerMs = 1000;

    ModemSocket() = default;
    ~ModemSocket() { Close(); }
    ModemSocket(const ModemSocket&) = delete;
    ModemSocket& operator=(const ModemSocket&) = delete;

    // Connects when a socket stands at the path; false otherwise.
    bool Open(const std::string& path);
    void Close();
    bool IsOpen() const { return fd_ >= 0; }

    void SendLine(const char* name, bool on);
    // Asks "GET" and waits up to DsrAnswerMs for "DSR 0" or "DSR 1".
    bool QueryDSR();

private:
    bool Send(const char* text);
    void DropWaiting();

    int fd_ = -1;
};

// "<dir>/COM<port + 1>.modem" when CORVANE_PORT_DIR is set, else empty.
std::string ModemSocketPath(int portIndex);

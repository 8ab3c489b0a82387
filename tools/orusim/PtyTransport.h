#pragma once
#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "tools/orusim/LinePacer.h"
#include "tools/orusim/ModemLineServer.h"
#include "tools/orusim/ProtocolEngine.h"
#include "tools/orusim/PseudoTerminal.h"

namespace orusim {

struct PtyOptions {
    std::string portDir;  // gets "COM<n>" (a link to the pty) and "COM<n>.modem"
    int com = 1;
    bool paced = false;   // hold output to 2880 bytes/s
};

// A simulated module at the far end of a pseudo-terminal. A thread of its
// own serves the line; the module must run on a real clock. The port counts
// as open while a driver is connected to the modem socket; the module's
// output is lost while it is closed, as on a real line.
class PtyTransport {
public:
    PtyTransport(ProtocolEngine& module, PtyOptions options);
    ~PtyTransport();
    PtyTransport(const PtyTransport&) = delete;
    PtyTransport& operator=(const PtyTransport&) = delete;

    // Creates the pty, the link and the socket, and starts serving.
    bool Start(std::string& error);
    // Stops serving and removes the link and the socket.
    void Stop();

    // Runs fn with the module, between two turns of the line.
    void WithModule(const std::function<void(ProtocolEngine&)>& fn);

    const std::string& PtyPath() const { return pty_.FarPath(); }
    std::string LinkPath() const;
    std::string ModemPath() const { return LinkPath() + ".modem"; }

private:
    void Serve();
    int PollTimeoutMs();
    void ReadFromPc();
    void ServeModem();
    void PortClosed();
    void WriteToPc();
    void Wake();

    ProtocolEngine& module_;
    PtyOptions options_;
    PseudoTerminal pty_;
    ModemLineServer modem_;
    LinePacer pacer_;
    std::vector<uint8_t> pending_;  // taken from the module, not yet written
    std::mutex mutex_;
    // Commands waiting for the module: a busy module's serving thread, which
    // takes the mutex again at once, steps aside for them.
    std::atomic<int> commandsWaiting_{0};
    std::condition_variable commandDone_;
    std::thread thread_;
    int wakeFds_[2] = {-1, -1};
    bool stopping_ = false;
    bool linked_ = false;
};

}  // namespace orusim

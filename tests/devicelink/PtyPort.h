#pragma once
#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/ScopedEnv.h"
#include "tests/support/TempDir.h"

// A pseudo-terminal published as COM<n> in a private CORVANE_PORT_DIR; the
// test holds the master side.
class PtyPort {
public:
    explicit PtyPort(int comNumber = 3);
    ~PtyPort();

    int PortIndex() const { return com_ - 1; }
    int Master() const { return master_; }
    const std::string& Dir() const { return dir_.Path(); }

    void Write(const std::string& bytes);
    // Closes the master side: the line hangs up.
    void HangUp();
    // Reads until `count` bytes came or two seconds passed.
    std::string Read(size_t count);

private:
    TempDir dir_;
    int com_;
    int master_ = -1;
    ScopedEnv portDir_{"CORVANE_PORT_DIR", dir_.Path()};
};

// The far end of "COM<n>.modem": records what the driver says and answers
// "GET" with the DSR state it is given.
class ModemPeer {
public:
    ModemPeer(const PtyPort& port, bool answer = true);
    ~ModemPeer();

    void SetDSR(bool on) { dsr_ = on; }
    // The messages received so far, waiting up to two seconds for `count`.
    std::vector<std::string> Messages(size_t count);

private:
    void Serve();

    int listener_ = -1;
    int stopPipe_[2] = {-1, -1};
    bool answer_;
    std::atomic<bool> dsr_{false};
    std::mutex mutex_;
    std::vector<std::string> messages_;
    std::thread thread_;
};

#pragma once
#include <cerrno>
#include <cstdint>
#include <deque>
#include <functional>
#include <iterator>
#include <vector>

#include "devicelink/Clock.h"
#include "devicelink/CommPort.h"

using Bytes = std::vector<uint8_t>;

// A port on a virtual clock: bytes arrive at set times, waits move the clock
// to the next arrival, and every byte sent comes back as an echo.
class ScriptedPort : public ICommPort {
public:
    explicit ScriptedPort(VirtualClock& clock) : clock_(clock) {}

    // Bytes that arrive `delayMs` from now, after any already due then.
    void Arrive(int64_t delayMs, const Bytes& bytes)
    {
        int64_t at = clock_.TickCount() + delayMs;
        auto it = queue_.begin();
        while (it != queue_.end() && it->at <= at) ++it;
        for (uint8_t b : bytes) it = std::next(queue_.insert(it, {at, b}));
    }

    int ComPort() const override { return port_; }
    void SetComPort(int port) override
    {
        if (!open_) port_ = port;
    }
    bool Connect() override { return open_ = true; }
    void Disconnect() override { open_ = false; }
    bool Connected() const override { return open_; }

    int32_t SendData(const uint8_t* data, int32_t count) override
    {
        if (!open_) return 0;
        int32_t n = 0;
        for (; n < count; ++n) {
            if (writeLimit == 0) {
                error_ = EIO;
                break;
            }
            if (writeLimit > 0) --writeLimit;
            sent.push_back(data[n]);
            if (echo) Arrive(0, {data[n]});
            if (onSend) onSend(data[n]);
        }
        return n;
    }
    bool ReadChar(uint8_t& c) override
    {
        if (!open_ || failReads || CharCount() <= 0) {
            error_ = failReads ? EIO : EAGAIN;
            return false;
        }
        c = queue_.front().byte;
        queue_.pop_front();
        return true;
    }
    int32_t CharCount() override
    {
        if (!open_) return -1;
        int32_t n = 0;
        for (const auto& e : queue_)
            if (e.at <= clock_.TickCount()) ++n;
        return n;
    }
    int32_t OutFreeSpace() override { return open_ ? 2048 : 65535; }
    void FlushBuffers(bool input, bool) override
    {
        if (input) queue_.clear();
    }
    void ToggleDTR(bool on) override { dtr = on; }
    void ToggleRTS(bool on) override { rts = on; }
    bool ReadDSR() override { return open_ && dsr; }
    bool WaitReadable(int32_t timeoutMs) override
    {
        if (!open_) return false;
        ++waits;
        if (CharCount() > 0) return true;
        int64_t until = clock_.TickCount() + timeoutMs;
        if (!queue_.empty() && queue_.front().at < until) until = queue_.front().at;
        clock_.Advance(until - clock_.TickCount());
        return CharCount() > 0;
    }
    int32_t GetLastError() const override { return error_; }

    Bytes sent;
    bool echo = true;
    bool failReads = false;
    int writeLimit = -1;  // bytes that may still be written; -1 any
    bool dtr = false, rts = false, dsr = false;
    int waits = 0;
    std::function<void(uint8_t)> onSend;

private:
    struct Entry {
        int64_t at;
        uint8_t byte;
    };
    VirtualClock& clock_;
    std::deque<Entry> queue_;
    bool open_ = true;
    int port_ = 0;
    int32_t error_ = 0;
};

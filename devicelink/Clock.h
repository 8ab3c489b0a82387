#pragma once
#include <atomic>
#include <cstdint>

// Milliseconds for the link's waits and time-outs.
class IClock {
public:
    virtual ~IClock() = default;
    // Milliseconds since an arbitrary fixed start; never goes back.
    virtual int64_t TickCount() = 0;
    virtual void Sleep(int64_t ms) = 0;
};

// The machine's monotonic clock.
class SystemClock : public IClock {
public:
    int64_t TickCount() override;
    void Sleep(int64_t ms) override;
};

// Time that moves only when told: Sleep and Advance move it forward.
// Safe to read and advance from several threads.
class VirtualClock : public IClock {
public:
    explicit VirtualClock(int64_t start = 0) : now_(start) {}
    int64_t TickCount() override { return now_.load(); }
    void Sleep(int64_t ms) override { Advance(ms); }
    void Advance(int64_t ms)
    {
        if (ms > 0) now_.fetch_add(ms);
    }

private:
    std::atomic<int64_t> now_;
};

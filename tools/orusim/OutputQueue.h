#pragma once
#include <cstdint>
#include <deque>
#include <limits>
#include <vector>

#include "devicelink/Clock.h"
#include "tools/orusim/Faults.h"

namespace orusim {

// One piece of module output that goes out whole: an echo, an
// acknowledgement, a reply packet, a message.
struct OutputUnit {
    OutputUnit() = default;
    explicit OutputUnit(std::vector<uint8_t> unitBytes) : bytes(std::move(unitBytes)) {}

    std::vector<uint8_t> bytes;
    int perByteMs = 0;
    std::vector<Pause> pauses;
    bool echo = false;
    bool begun = false;  // already under way: goes behind the units on the line, ahead of all others
};

// The module's transmit side. Units go out in order; an echo goes ahead of
// every unit that has not started yet, but never into one that has (nor
// ahead of one pushed as begun).
class OutputQueue {
public:
    explicit OutputQueue(IClock& clock) : clock_(clock) {}

    // A delayed unit joins the queue when it is due.
    void Push(OutputUnit unit, int delayMs = 0);
    // Bytes that may go out now, at most max.
    std::vector<uint8_t> Take(size_t max = std::numeric_limits<size_t>::max());
    // When Take next has bytes: a time, or -1 when nothing is waiting.
    int64_t NextReadyTime();
    // Bytes not yet taken.
    size_t PendingBytes() const;
    void Clear();

private:
    struct Queued {
        OutputUnit unit;
        size_t sent = 0;
        int64_t readyAt = 0;
    };
    struct Scheduled {
        int64_t due;
        uint64_t order;
        OutputUnit unit;
    };

    void PromoteDue(int64_t now);
    void Enqueue(OutputUnit unit, int64_t now);

    IClock& clock_;
    std::deque<Queued> queue_;
    std::vector<Scheduled> scheduled_;
    uint64_t order_ = 0;
};

}  // namespace orusim

#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace orusim {

// A pattern sent again and again until a time: a noisy line or a module gone
// mad. It comes in bursts of whole patterns, one burst a millisecond.
class LineFlood {
public:
    static constexpr size_t kBurst = 16;

    void Start(std::vector<uint8_t> pattern, int64_t until);
    void Stop() { pattern_.clear(); }
    bool Active(int64_t now) const { return !pattern_.empty() && now < until_; }
    // When the next burst is due; -1 when none is.
    int64_t NextTime(int64_t now) const { return Active(now) ? next_ : -1; }
    // The burst due now, if it fits in max; else nothing.
    std::vector<uint8_t> Take(size_t max, int64_t now);

private:
    std::vector<uint8_t> pattern_;
    int64_t next_ = 0;
    int64_t until_ = 0;
};

}  // namespace orusim

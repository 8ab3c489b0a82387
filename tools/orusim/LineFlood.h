#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace orusim {

// A pattern sent again and again, as fast as the line takes it, until a
// time: a noisy line or a module gone mad.
class LineFlood {
public:
    static constexpr size_t kChunk = 4096;

    void Start(std::vector<uint8_t> pattern, int64_t until);
    void Stop() { pattern_.clear(); }
    bool Active(int64_t now) const { return !pattern_.empty() && now < until_; }
    // The next bytes of the pattern, at most max (and a chunk).
    std::vector<uint8_t> Take(size_t max, int64_t now);

private:
    std::vector<uint8_t> pattern_;
    size_t next_ = 0;
    int64_t until_ = 0;
};

}  // namespace orusim

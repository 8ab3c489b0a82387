#pragma once
#include <cstddef>
#include <cstdint>

namespace orusim {

// Holds output to the line's real rate: 28800 baud, 10 bits a byte.
class LinePacer {
public:
    static constexpr int64_t kBytesPerSecond = 2880;

    // Bytes that may go out at nowUs (microseconds).
    size_t Allowance(int64_t nowUs) const;
    // count of the allowance went out; fewer means the output ran dry.
    void Sent(size_t count, size_t allowance, int64_t nowUs);
    // When the next byte may go, in microseconds.
    int64_t NextFreeUs() const { return freeAtUs_; }
    // False while the line may still be sending; the owner looks again at
    // NextFreeUs so that a line that ran dry is seen idle and saves nothing up.
    bool Idle() const { return idle_; }

private:
    static constexpr int64_t kUsPerByte = 1000000 / kBytesPerSecond;  // 347

    // Where the line's time starts counting: an idle line saves up nothing.
    int64_t Since(int64_t nowUs) const;

    int64_t freeAtUs_ = 0;
    bool idle_ = true;  // the output last ran dry: the line may be idle
};

}  // namespace orusim

#pragma once
#include <cstdint>
#include <vector>

// The module's stack as one stack query copied it: the three values of the
// reply and the stack bytes from the stack base upwards.
class TJVMStack {
public:
    TJVMStack() = default;
    virtual ~TJVMStack() = default;

    void SetData(const uint8_t* bytes, int32_t n);
    void SetBase(int32_t base) { base_ = base; }
    // Values 1 and 2 are module addresses, kept relative to the stack base.
    void SetValue1(int32_t value) { value1_ = value - base_; }
    void SetValue2(int32_t value) { value2_ = value - base_; }
    void SetValue3(int32_t value) { value3_ = value; }
    int32_t GetValue1() const { return value1_; }
    int32_t GetValue2() const { return value2_; }
    int32_t GetValue3() const { return value3_; }
    int32_t GetSize() const { return int32_t(bytes_.size()); }
    // IDE-1 (98) outside the copy.
    uint8_t GetByteChecked(int32_t offset) const;

private:
    int32_t value1_ = 0;
    int32_t value2_ = 0;
    int32_t value3_ = 0;
    std::vector<uint8_t> bytes_;
    int32_t base_ = 0;
};

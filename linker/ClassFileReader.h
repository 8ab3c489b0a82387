#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// Big-endian reader over a byte range. Reading past the end calls the
// `fail` function given at construction, which must throw.
class CClassFileReader {
public:
    using FailFunction = void (*)(const std::string& className);

    CClassFileReader(const uint8_t* data, size_t size, const std::string& className, FailFunction fail)
        : data_(data), size_(size), className_(className), fail_(fail) {}

    uint8_t U1();
    uint16_t U2();
    uint32_t U4();
    const uint8_t* Bytes(size_t count);  // the next count bytes, in place
    void Skip(size_t count) { Bytes(count); }
    // A reader over the next `count` bytes; this one moves past them.
    CClassFileReader Sub(size_t count);

    size_t Remaining() const { return size_ - pos_; }
    bool AtEnd() const { return pos_ == size_; }
    [[noreturn]] void Fail() const;

private:
    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
    const std::string& className_;
    FailFunction fail_;
};

#pragma once
#include <array>
#include <cstdint>
#include <vector>

namespace orusim {

// The module's 64 KiB of memory. Every address is 16 bits, so no access can
// leave it; words are big-endian and may start at any byte.
class VmMemory {
public:
    void Clear() { bytes_.fill(0); }
    void Load(const std::vector<uint8_t>& image);

    uint8_t Byte(uint16_t address) const { return bytes_[address]; }
    void SetByte(uint16_t address, uint8_t value) { bytes_[address] = value; }
    uint16_t Word(uint16_t address) const {
        return static_cast<uint16_t>(bytes_[address] << 8 | bytes_[static_cast<uint16_t>(address + 1)]);
    }
    void SetWord(uint16_t address, uint16_t value) {
        bytes_[address] = static_cast<uint8_t>(value >> 8);
        bytes_[static_cast<uint16_t>(address + 1)] = static_cast<uint8_t>(value);
    }
    void Fill(uint16_t address, uint32_t count, uint8_t value);
    std::vector<uint8_t> Read(uint16_t address, uint32_t count) const;

private:
    std::array<uint8_t, 65536> bytes_{};
};

}  // namespace orusim

#pragma once
#include <cstdint>
#include <vector>

// The module's memory: the image from address 0, the stack from the stack
// base upwards, the heap down from 32768, the statics at the top.
namespace orusim {

constexpr uint32_t kMemorySize = 65536;       // addressable bytes
constexpr uint16_t kTotalMemory = 0x9000;     // 36864, the first configuration value
constexpr uint16_t kHeapTop = 0x8000;         // 32768
constexpr size_t kMaxImageSize = 65536;
constexpr size_t kImageBlockSize = 16;

inline uint16_t ImageWord(const std::vector<uint8_t>& image, size_t offset) {
    if (offset + 1 >= image.size()) return 0;
    return static_cast<uint16_t>(image[offset] << 8 | image[offset + 1]);
}

// Header fields the module reads.
inline uint16_t StackBaseOf(const std::vector<uint8_t>& image) { return ImageWord(image, 18); }
inline uint16_t MainMethodOf(const std::vector<uint8_t>& image) { return ImageWord(image, 4); }

}  // namespace orusim

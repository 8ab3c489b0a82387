#include "tools/orusim/vm/VmMemory.h"

#include <algorithm>

namespace orusim {

void VmMemory::Load(const std::vector<uint8_t>& image) {
    Clear();
    std::copy(image.begin(), image.begin() + static_cast<long>(std::min(image.size(), bytes_.size())), bytes_.begin());
}

void VmMemory::Fill(uint16_t address, uint32_t count, uint8_t value) {
    for (uint32_t i = 0; i < count; ++i) bytes_[static_cast<uint16_t>(address + i)] = value;
}

std::vector<uint8_t> VmMemory::Read(uint16_t address, uint32_t count) const {
    std::vector<uint8_t> out(count);
    for (uint32_t i = 0; i < count; ++i) out[i] = bytes_[static_cast<uint16_t>(address + i)];
    return out;
}

}  // namespace orusim

#include "tools/orusim/Wire.h"

namespace orusim {

uint8_t Checksum(const std::vector<uint8_t>& bytes) {
    uint8_t sum = 0;
    for (uint8_t b : bytes) sum = static_cast<uint8_t>(sum + b);
    return static_cast<uint8_t>(0x100 - sum);
}

bool ChecksumHolds(const std::vector<uint8_t>& bytesWithChecksum) {
    uint8_t sum = 0;
    for (uint8_t b : bytesWithChecksum) sum = static_cast<uint8_t>(sum + b);
    return sum == 0;
}

void AppendStuffed(std::vector<uint8_t>& out, uint8_t byte) {
    if (byte == kPacketEscape || byte == kPacketFlag) {
        out.push_back(kPacketEscape);
        out.push_back(static_cast<uint8_t>(byte ^ 0x20));
    } else {
        out.push_back(byte);
    }
}

std::vector<uint8_t> Stuff(const std::vector<uint8_t>& payload) {
    std::vector<uint8_t> out;
    out.reserve(payload.size() + 4);
    for (uint8_t b : payload) AppendStuffed(out, b);
    return out;
}

std::vector<uint8_t> FramePacket(const std::vector<uint8_t>& payload) {
    std::vector<uint8_t> out = Stuff(payload);
    out.push_back(kPacketFlag);
    return out;
}

std::vector<uint8_t> FrameMessage(uint8_t type, const std::vector<uint8_t>& body) {
    std::vector<uint8_t> out{kComMessage};
    AppendStuffed(out, type);
    for (uint8_t b : body) AppendStuffed(out, b);
    out.push_back(kPacketFlag);
    return out;
}

std::vector<uint8_t> ExceptionBody(uint16_t classRecord, uint16_t instruction) {
    uint16_t pc = static_cast<uint16_t>(instruction + 1);
    return {static_cast<uint8_t>(classRecord >> 8), static_cast<uint8_t>(classRecord), static_cast<uint8_t>(pc >> 8),
            static_cast<uint8_t>(pc)};
}

}  // namespace orusim

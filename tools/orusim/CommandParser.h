#pragma once
#include <cstdint>
#include <optional>
#include <vector>

namespace orusim {

// One thing the PC said.
struct PcCommand {
    enum class Kind { Simple, Packet, InputByte, NoInput, Stray, Expired };
    Kind kind = Kind::Stray;
    uint8_t code = 0;
    std::vector<uint8_t> payload;  // Packet: unstuffed, code first; InputByte: the byte
};

// Splits the bytes from the PC into commands: single command bytes, the
// stuffed packets of known length (heap query, breakpoint list, image
// block), kComInputByte with its raw byte. Anything else is stray.
class CommandParser {
public:
    // An unfinished packet is dropped when no byte came for this long.
    static constexpr int kPacketTimeoutMs = 1000;

    std::optional<PcCommand> Feed(uint8_t byte, int64_t now);
    // Drops an unfinished packet whose time ran out; returns it as Expired.
    std::optional<PcCommand> Expire(int64_t now);
    // When Expire next has work, or -1.
    int64_t Deadline() const;
    void Reset();

private:
    enum class State { Idle, Packet, InputByte };

    std::optional<PcCommand> FeedPacket(uint8_t byte);
    size_t ExpectedLength() const;

    State state_ = State::Idle;
    std::vector<uint8_t> packet_;
    bool escape_ = false;
    int64_t lastByteAt_ = 0;
};

}  // namespace orusim

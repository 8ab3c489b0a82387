#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

// Faults a test injects into the simulated module. Each fault with a count
// applies to that many matching occasions (-1: every one) and is then gone.
namespace orusim {

// Output paused for ms after the first `offset` bytes of a unit went out.
using Pause = std::pair<size_t, int>;

struct EchoFault {
    int onlyFor = -1;     // the received byte it applies to; -1 any
    uint8_t xorMask = 0;  // corrupts the echo
    int delayMs = 0;
    bool drop = false;
    int count = 1;
};

struct ReplyFault {
    int forCode = -1;  // reply code (0x81, 0x87, 0x88, 0x89); -1 any
    int count = 1;
    int replaceCode = -1;            // a wrong reply code (checksum kept right)
    size_t dropBytes = 0;            // shorter: payload bytes removed before the checksum
    std::vector<uint8_t> extraBytes{};  // longer: payload bytes added before the checksum
    bool badChecksum = false;
    std::vector<uint8_t> trailing{};    // raw bytes after the end flag
    int delayMs = 0;                 // before the first byte
    int perByteMs = 0;               // between bytes
    std::vector<uint8_t> flood{};    // after the reply, this pattern again and again
    int floodMs = 0;                 // for so long
};

struct AckFault {
    int forAck = -1;  // acknowledgement byte (0x83, 0x84, 0x86, 0x8A, 0x8B, 0x8C, 0x8D); -1 any
    int count = 1;
    bool withhold = true;  // false: sent late by delayMs
    int delayMs = 0;
};

struct MessageFault {
    int count = 1;
    std::vector<Pause> pauses;  // split the message into chunks
    int perByteMs = 0;
};

// A terminal-text message the module had begun when it heard the byte: the
// message goes out whole ahead of the byte's echo.
struct TextFault {
    int onlyFor = -1;  // the received byte it applies to; -1 any
    std::vector<uint8_t> text{};
    int count = 1;
};

enum class BootFault { None, Silent, Garbage };

struct Faults {
    std::optional<bool> dsrStuck;
    std::vector<EchoFault> echoes;
    std::vector<ReplyFault> replies;
    std::vector<AckFault> acks;
    std::vector<MessageFault> messages;
    std::vector<TextFault> texts;
    BootFault boot = BootFault::None;
    std::vector<uint8_t> bootGarbage{0x42, 0x00, 0xFF};
    int endLoadByte = -1;  // sent instead of 0x5n
};

// Takes the first fault that matches, counting it down.
template <class Fault, class Match>
std::optional<Fault> TakeFault(std::vector<Fault>& faults, Match match) {
    for (size_t i = 0; i < faults.size(); ++i) {
        if (!match(faults[i])) continue;
        Fault taken = faults[i];
        if (faults[i].count > 0 && --faults[i].count == 0) faults.erase(faults.begin() + static_cast<long>(i));
        return taken;
    }
    return std::nullopt;
}

}  // namespace orusim

#pragma once
#include <cstdint>
#include <vector>

// Bytes on the line between the PC and the module.
namespace orusim {

constexpr uint8_t kComQueryStatus = 0x01;
constexpr uint8_t kComStep = 0x03;
constexpr uint8_t kComRun = 0x04;
constexpr uint8_t kComMessage = 0x05;
constexpr uint8_t kComStop = 0x06;
constexpr uint8_t kComQueryStack = 0x07;
constexpr uint8_t kComQueryConfig = 0x08;
constexpr uint8_t kComQueryHeap = 0x09;
constexpr uint8_t kComBreakpoints = 0x0A;
constexpr uint8_t kComLoadBlock = 0x0B;
constexpr uint8_t kComBeginLoad = 0x0C;
constexpr uint8_t kComStepDone = 0x0D;
constexpr uint8_t kComSync = 0x0E;
constexpr uint8_t kComStartLoad = 0x0F;
constexpr uint8_t kComInputRequest = 0x11;
constexpr uint8_t kComInputByte = 0x12;
constexpr uint8_t kComNoInput = 0x13;
constexpr uint8_t kComEndLoad = 0x50;  // low nibble: firmware revision

constexpr uint8_t kPacketFlag = 0x7E;
constexpr uint8_t kPacketEscape = 0x7D;
constexpr uint8_t kAckBit = 0x80;

// Module messages (first byte after kComMessage).
constexpr uint8_t kMsgUnknownBytecode = 1;
constexpr uint8_t kMsgStopped = 2;
constexpr uint8_t kMsgText = 3;
constexpr uint8_t kMsgException = 4;
constexpr uint8_t kMsgEnded = 5;

constexpr uint8_t Ack(uint8_t code) { return static_cast<uint8_t>(code | kAckBit); }

// Two's complement of the 8-bit sum: the byte that makes the sum zero.
uint8_t Checksum(const std::vector<uint8_t>& bytes);
bool ChecksumHolds(const std::vector<uint8_t>& bytesWithChecksum);

// 0x7D and 0x7E become 0x7D followed by the byte XOR 0x20.
void AppendStuffed(std::vector<uint8_t>& out, uint8_t byte);
std::vector<uint8_t> Stuff(const std::vector<uint8_t>& payload);

// A reply packet as the module sends it: stuffed payload and the end flag.
std::vector<uint8_t> FramePacket(const std::vector<uint8_t>& payload);
// A module message: kComMessage, the stuffed type and body, the end flag.
std::vector<uint8_t> FrameMessage(uint8_t type, const std::vector<uint8_t>& body);
// The body of kMsgException: the class record and the program counter one
// past the instruction, high bytes first.
std::vector<uint8_t> ExceptionBody(uint16_t classRecord, uint16_t instruction);

}  // namespace orusim

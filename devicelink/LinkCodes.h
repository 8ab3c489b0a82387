#pragma once
#include <cstdint>

// Bytes on the wire between the PC and the module. A command is acknowledged
// by its code OR AckBit.
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
constexpr uint8_t kComEndLoad = 0x50;  // 0x50 to 0x5F: low nibble = firmware revision

constexpr uint8_t kAckBit = 0x80;
constexpr uint8_t kPacketFlag = 0x7E;
constexpr uint8_t kPacketEscape = 0x7D;
constexpr uint8_t kEscapeXor = 0x20;

constexpr bool IsEndLoad(uint8_t byte) { return (byte & 0xF0) == kComEndLoad; }

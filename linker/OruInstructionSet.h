#pragma once
#include <array>
#include <cstdint>

#include "linker/JvmOpcodes.h"

// The module's instruction set: 86 codes, each stored in the image as one
// byte (the code itself below 52, 2 x code - 51 from 52 on).
constexpr int OruCodeCount = 86;
constexpr int OruFirstWideCode = 52;
constexpr int LastOruByte = 119;  // the byte of code 85

// ORU code of each JVM opcode, -1 when the module does not run it.
extern const std::array<int32_t, JvmOpcodeCount> JvmToOruMap;

// The JVM opcode that each ORU code stands for, then -1.
extern const std::array<int32_t, OruCodeCount + 1> OruOpcodeList;

// The image byte of an ORU code.
uint8_t EncodeOruCode(int code);

// The ORU code an image byte stands for; -1 for bytes past the last code's
// (120 and up). An even byte from 54 on names the code of the odd byte before.
int DecodeOruByte(uint8_t imageByte);

// The ORU code of a JVM opcode, -1 when unsupported (opcodes past 0xE3 too).
int OruCodeOfJvmOpcode(int jvmOpcode);

// The long and double instructions that the linker refuses while resolving.
bool IsLongOrDoubleOpcode(int jvmOpcode);

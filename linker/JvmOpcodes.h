#pragma once
#include <cstdint>

// Mnemonics of opcodes 0x00 to 0xE3 (the quick forms last), then nullptr.
constexpr int JvmOpcodeCount = 228;
extern const char* const JvmOpcodeNames[JvmOpcodeCount + 1];

// The mnemonic, or "**unknown**" past the table.
const char* JvmOpcodeName(int opcode);

// Opcodes the reader, the lister and the linker handle by value.
enum TJvmOpcode : uint8_t {
    opBipush = 0x10,
    opSipush = 0x11,
    opLdc = 0x12,
    opLdcW = 0x13,
    opLdc2W = 0x14,
    opIload = 0x15,
    opLload = 0x16,
    opFload = 0x17,
    opDload = 0x18,
    opAload = 0x19,
    opIstore = 0x36,
    opLstore = 0x37,
    opFstore = 0x38,
    opDstore = 0x39,
    opAstore = 0x3A,
    opIinc = 0x84,
    opIfeq = 0x99,
    opJsr = 0xA8,
    opRet = 0xA9,
    opTableswitch = 0xAA,
    opLookupswitch = 0xAB,
    opGetstatic = 0xB2,
    opPutstatic = 0xB3,
    opGetfield = 0xB4,
    opPutfield = 0xB5,
    opInvokevirtual = 0xB6,
    opInvokespecial = 0xB7,
    opInvokestatic = 0xB8,
    opInvokeinterface = 0xB9,
    opNew = 0xBB,
    opNewarray = 0xBC,
    opAnewarray = 0xBD,
    opCheckcast = 0xC0,
    opInstanceof = 0xC1,
    opWide = 0xC4,
    opMultianewarray = 0xC5,
    opIfnull = 0xC6,
    opIfnonnull = 0xC7,
    opGotoW = 0xC8,
    opJsrW = 0xC9,
};

// Length of the instruction at pc of `code`, 0 when it does not fit in the
// code or its operands are impossible (a switch with a negative count, a
// wide of an instruction that cannot be widened).
uint32_t InstructionLengthAt(const uint8_t* code, uint32_t codeLength, uint32_t pc);

// Big-endian operands.
inline int16_t ReadS16(const uint8_t* p) { return int16_t(uint16_t((p[0] << 8) | p[1])); }
inline uint16_t ReadU16(const uint8_t* p) { return uint16_t((p[0] << 8) | p[1]); }
inline int32_t ReadS32(const uint8_t* p) {
    return int32_t((uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | p[3]);
}

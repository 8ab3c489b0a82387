#pragma once
#include <cstdint>

#include "tools/orusim/vm/VmMemory.h"

namespace orusim {

constexpr uint16_t kImageHeaderSize = 20;
constexpr uint16_t kNoClass = 0xFFFF;  // superclass of a class without one; caller of main

// The image header fields the virtual machine uses.
struct OruHeader {
    uint8_t staticBytes = 0;  // 2 x static slots
    uint16_t mainMethod = 0;
    uint16_t objectClass = 0;
    uint16_t stringClass = 0;
    uint16_t throwMethod = 0;  // Throwable.throwVMException(int)
    uint16_t stringTable = 0;
    uint16_t outOfMemoryClass = 0;
    uint16_t stackBase = 0;

    static OruHeader Read(const VmMemory& memory) {
        OruHeader header;
        header.staticBytes = memory.Byte(3);
        header.mainMethod = memory.Word(4);
        header.objectClass = memory.Word(6);
        header.stringClass = memory.Word(8);
        header.throwMethod = memory.Word(10);
        header.stringTable = memory.Word(12);
        header.outOfMemoryClass = memory.Word(16);
        header.stackBase = memory.Word(18);
        return header;
    }
};

// A method record: 7 bytes in its class record.
struct MethodRecord {
    uint8_t parameterBytes = 0;  // 2 x parameter words
    bool hasHandlers = false;
    uint8_t localBytes = 0;      // 2 x the locals past the parameters
    bool native = false;
    uint16_t target = 0;         // code address, or the native number
    uint16_t handlers = 0;       // exception table address

    static MethodRecord Read(const VmMemory& memory, uint16_t address) {
        MethodRecord record;
        uint8_t first = memory.Byte(address);
        record.parameterBytes = first & 0x7F;
        record.hasHandlers = first & 0x80;
        record.localBytes = memory.Byte(static_cast<uint16_t>(address + 1));
        record.native = memory.Byte(static_cast<uint16_t>(address + 2)) & 0x80;
        record.target = memory.Word(static_cast<uint16_t>(address + 3));
        record.handlers = memory.Word(static_cast<uint16_t>(address + 5));
        return record;
    }
    // Bytes from the frame start to the three link words.
    uint16_t LinkOffset() const { return static_cast<uint16_t>(parameterBytes + localBytes); }
};

// The three words above a frame's locals.
constexpr uint16_t kFrameLinkBytes = 6;

}  // namespace orusim

#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace orusim {

// One thing a scripted run or step produces, after delayMs.
struct ScriptItem {
    enum class Kind { Text, InputRequest, Stopped, Ended, Exception, UnknownBytecode, RawMessage };

    Kind kind = Kind::Text;
    std::string text;          // Text
    uint16_t classOffset = 0;  // Exception
    uint16_t pc = 0;           // Exception: image address of the instruction
    uint8_t opcode = 0;        // UnknownBytecode
    uint8_t type = 0;          // RawMessage
    std::vector<uint8_t> body; // RawMessage
    int delayMs = 0;

    static ScriptItem Text(std::string text, int delayMs = 0);
    static ScriptItem Input(int delayMs = 0);
    static ScriptItem Stop(int delayMs = 0);
    static ScriptItem End(int delayMs = 0);
    static ScriptItem Exception(uint16_t classOffset, uint16_t pc, int delayMs = 0);
    static ScriptItem UnknownBytecode(uint8_t opcode, int delayMs = 0);
    static ScriptItem Message(uint8_t type, std::vector<uint8_t> body, int delayMs = 0);
};

}  // namespace orusim

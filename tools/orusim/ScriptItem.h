#pragma once
#include <cstdint>
#include <string>

namespace orusim {

// One thing a scripted run or step produces, after delayMs.
struct ScriptItem {
    enum class Kind { Text, InputRequest, Stopped, Ended, Exception };

    Kind kind = Kind::Text;
    std::string text;          // Text
    uint16_t classOffset = 0;  // Exception
    uint16_t pc = 0;           // Exception: image address of the instruction
    int delayMs = 0;

    static ScriptItem Text(std::string text, int delayMs = 0);
    static ScriptItem Input(int delayMs = 0);
    static ScriptItem Stop(int delayMs = 0);
    static ScriptItem End(int delayMs = 0);
    static ScriptItem Exception(uint16_t classOffset, uint16_t pc, int delayMs = 0);
};

}  // namespace orusim

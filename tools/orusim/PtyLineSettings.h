#pragma once
#include <cstdint>

// Line settings of a terminal through the kernel's termios2, which takes any
// baud rate (28800 has no constant of its own). Kept apart: its kernel header
// clashes with <termios.h>.
namespace orusim {

// Raw mode, 8 data bits, no parity, one stop bit, no flow control, at baud.
bool SetRawLine(int fd, uint32_t baud);

struct LineSettings {
    uint32_t outputBaud = 0;
    uint32_t inputBaud = 0;
    bool raw = false;  // no echo, no canonical input, no signals, no output processing
    bool eightBits = false;
};

bool ReadLineSettings(int fd, LineSettings& settings);

}  // namespace orusim

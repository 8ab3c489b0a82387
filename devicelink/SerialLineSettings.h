#pragma once
#include <cstdint>

// Line settings of a serial device in its own terms.
struct SerialLineSettings {
    enum class Parity { None, Odd, Even, Mark, Space };

    uint32_t baud = 9600;  // any rate; non-standard rates are set exactly
    int dataBits = 8;      // 5 to 8
    Parity parity = Parity::None;
    bool twoStopBits = false;  // 1.5 stop bits are set as two
    bool rtsCtsFlow = false;
    bool xonXoffFlow = false;
    uint8_t xonChar = 17;
    uint8_t xoffChar = 19;
};

// Puts an open terminal device into raw mode with these settings, reads
// returning at once. False with errno set when the device refuses.
bool ApplySerialLineSettings(int fd, const SerialLineSettings& settings);

// Reads the device's current settings back; raw is true when no input,
// output or local processing is on. False with errno set on failure.
bool ReadSerialLineSettings(int fd, SerialLineSettings& settings, bool& raw);

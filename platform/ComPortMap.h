#pragma once
#include <string>

// COM port numbers (1 to 19) and the devices behind them.
constexpr int FirstComPort = 1;
constexpr int LastComPort = 19;

// "COM%d".
std::string ComPortName(int port);

// Device path of a port: $CORVANE_PORT_DIR/COM<n> when that variable is set
// (then the only source), else the user's link
// <config>/HalvoricInc/ports/COM<n> when present, else the fixed table
// (COM1-4 /dev/ttyS0-3, COM5-12 /dev/ttyUSB0-7, COM13-19 /dev/ttyACM0-6).
// Empty for a number outside 1 to 19.
std::string ComPortDevicePath(int port);

// True when the port's path is a character device (for a /dev/ttyS port,
// only when the kernel reports a real UART). Never opens the device.
bool ComPortExists(int port);

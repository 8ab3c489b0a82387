#pragma once
#include <atomic>
#include <cstdint>
#include <string>

// An open serial device: the thin POSIX layer under the port driver.
// Failures return false or -1 and leave errno set.
class SerialDevice {
public:
    SerialDevice() = default;
    ~SerialDevice() { Close(); }
    SerialDevice(const SerialDevice&) = delete;
    SerialDevice& operator=(const SerialDevice&) = delete;

    // Opens the path non-blocking, without becoming its controlling terminal,
    // close-on-exec, and takes it exclusively (TIOCEXCL, which root ignores,
    // and an flock that also holds against root).
    bool Open(const std::string& path);
    // Takes an already open descriptor, which Close will close.
    void Adopt(int fd);
    // Gives the descriptor up without closing it.
    void Release() { fd_ = -1; }
    void Close();
    bool IsOpen() const { return fd_ >= 0; }
    int Fd() const { return fd_; }

    // One byte; false when none could be read.
    bool ReadByte(uint8_t& c);
    // Up to n bytes; the count read, or -1.
    int32_t Read(uint8_t* data, int32_t n);
    // The count written; 0 when the device takes nothing now; -1 on failure.
    int32_t Write(const uint8_t* data, int32_t n);

    int32_t InputCount();   // FIONREAD; -1 on failure
    int32_t OutputCount();  // TIOCOUTQ; -1 on failure
    bool Flush(bool input, bool output);

    // TIOCM_* bits; false on a device without modem lines.
    bool SetModemBits(int bits, bool on);
    bool GetModemBits(int& bits);

    // Waits at most ms for input; true when poll reports the device readable
    // or hung up (so a caller never waits on a dead line).
    bool WaitReadable(int32_t ms);
    // True when the device takes output now.
    bool Writable();
    // True when the line hung up or failed (POLLHUP, POLLERR): a pseudo-
    // terminal whose far end closed, a USB adapter unplugged.
    bool HungUp();

private:
    std::atomic<int> fd_{-1};
};

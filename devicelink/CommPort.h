#pragma once
#include <cstdint>
#include <string>

// A serial port as the module link uses it. TCommPortDriver implements it
// over a real device; test transports implement it in memory.
//
// Neutral results on a closed port: SendData 0, ReadChar false (c untouched),
// CharCount -1, OutFreeSpace 65535, ReadDSR false, WaitReadable false at once;
// FlushBuffers, ToggleDTR and ToggleRTS do nothing.
//
// Modem lines beside a pseudo-terminal. A pseudo-terminal has no DTR, RTS or
// DSR. When CORVANE_PORT_DIR is set and a socket "COM<n>.modem" stands beside
// the port's entry "COM<n>" there, the driver carries the modem lines over it:
//   - an AF_UNIX SOCK_SEQPACKET connection, opened right after the port opens
//     and closed with it; one ASCII message per datagram, no line end;
//   - the driver sends "DTR 0" / "DTR 1" and "RTS 0" / "RTS 1" on every change,
//     and its current DTR and then RTS once right after connecting;
//   - to read DSR the driver sends "GET"; the other end answers "DSR 0" or
//     "DSR 1". No answer within 100 ms reads as DSR off. Unknown or stale
//     datagrams are ignored by both ends.
// Without the socket the driver uses the device's own modem lines.
class ICommPort {
public:
    virtual ~ICommPort() = default;

    // Zero-based port index (0 = COM1); a new value is ignored while connected.
    virtual int ComPort() const = 0;
    virtual void SetComPort(int port) = 0;

    // Opens the port; returns Connected().
    virtual bool Connect() = 0;
    virtual void Disconnect() = 0;
    virtual bool Connected() const = 0;

    // Bytes written; fewer on a failed write; minus the count written when the
    // output made no progress within the output time-out.
    virtual int32_t SendData(const uint8_t* data, int32_t count) = 0;
    // True exactly when one byte was read into c.
    virtual bool ReadChar(uint8_t& c) = 0;
    // Bytes waiting in the input queue.
    virtual int32_t CharCount() = 0;
    // Room left in the output queue.
    virtual int32_t OutFreeSpace() = 0;
    virtual void FlushBuffers(bool input, bool output) = 0;

    virtual void ToggleDTR(bool on) = 0;
    virtual void ToggleRTS(bool on) = 0;
    virtual bool ReadDSR() = 0;

    // Blocks for at most timeoutMs until received data is waiting; true when
    // it is. Never busy-waits. A virtual-time transport advances its clock.
    virtual bool WaitReadable(int32_t timeoutMs) = 0;

    // True when the open line hung up and holds no more input (the far end
    // is gone); false for a port that cannot tell.
    virtual bool HungUp() { return false; }

    // System error code (errno) of the last failed operation.
    virtual int32_t GetLastError() const = 0;
    // The device behind the selected port, for messages; empty when none.
    virtual std::string DevicePath() const { return {}; }
};

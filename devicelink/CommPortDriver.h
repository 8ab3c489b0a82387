#pragma once
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "devicelink/Clock.h"
#include "devicelink/CommPort.h"
#include "devicelink/CommPortTypes.h"
#include "devicelink/ModemSocket.h"
#include "devicelink/SerialDevice.h"
#include "platform/PolledPort.h"

// The serial-port component: one COM port, its line settings, and a poll that
// hands every chunk of received bytes to OnReceiveData. The poll itself is
// driven by a PollTimer on the GUI thread; this class has no Qt.
//
// Connect opens the device path that the COM port map gives for the port.
// Linux raises DTR and RTS inside open() on real hardware; with
// EnableDTROnOpen false both go low right after opening, so the module sees
// at most a short pulse. Over a pseudo-terminal the modem lines travel over
// the "COM<n>.modem" socket described in CommPort.h.
//
// Threads: the link worker may connect, disconnect, attach and detach the
// receive handler while the GUI thread polls; these take one lock, and a
// detach or disconnect waits for a poll in progress. Reads and writes take
// no lock: whoever has the handler detached owns the port.
class TCommPortDriver : public ICommPort, public IPolledPort {
public:
    using ReceiveDataEvent = std::function<void(TCommPortDriver& sender, const uint8_t* data, int32_t size)>;
    using ReceivePacketEvent =
        std::function<void(TCommPortDriver& sender, const uint8_t* packet, int32_t size, int64_t elapsedMs)>;
    using PathResolver = std::function<std::string(int portIndex)>;
    // The line failed under a poll: a read error or a hang-up (system code).
    using LineErrorEvent = std::function<void(TCommPortDriver& sender, int32_t error)>;

    // Handles for SetComHandle besides an open descriptor.
    static constexpr int ClosedHandle = -1;   // closes the port
    static constexpr int InvalidHandle = -2;  // forgets the handle, leaves it open

    explicit TCommPortDriver(IClock* clock = nullptr);
    ~TCommPortDriver() override;
    TCommPortDriver(const TCommPortDriver&) = delete;
    TCommPortDriver& operator=(const TCommPortDriver&) = delete;

    // Where Connect finds a port's device; by default the COM port map.
    void SetPathResolver(PathResolver resolver) { resolver_ = std::move(resolver); }

    // ICommPort
    int ComPort() const override { return comPort_; }
    void SetComPort(int port) override;
    bool Connect() override;
    void Disconnect() override;
    bool Connected() const override { return device_.IsOpen(); }
    int32_t SendData(const uint8_t* data, int32_t count) override;
    bool ReadChar(uint8_t& c) override;
    int32_t CharCount() override;
    int32_t OutFreeSpace() override;
    void FlushBuffers(bool input, bool output) override;
    void ToggleDTR(bool on) override;
    void ToggleRTS(bool on) override;
    bool ReadDSR() override;
    bool WaitReadable(int32_t timeoutMs) override;
    bool HungUp() override;
    int32_t GetLastError() const override { return lastError_.load(); }
    std::string DevicePath() const override { return resolver_(comPort_); }

    bool SendString(const std::string& text);
    bool SendZString(const char* text);
    void ApplyCOMSettings();
    void SetComHandle(int fd);
    int ComHandle() const { return device_.Fd(); }

    // IPolledPort
    void Poll() override;
    bool PollActive() const override { return Connected(); }
    int PollInterval() const override { return pollingDelay_; }
    void SetPollListener(std::function<void()> listener) override;

    void SetOnReceiveData(ReceiveDataEvent handler);
    void SetOnReceivePacket(ReceivePacketEvent handler);
    // Told once when a poll finds the line failed; the port is closed by then.
    void SetOnLineError(LineErrorEvent handler);
    bool HasReceiveHandler() const;

    // Properties.
    TComPortBaudRate ComPortSpeed() const { return speed_; }
    void SetComPortSpeed(TComPortBaudRate value);
    TComPortDataBits ComPortDataBits() const { return dataBits_; }
    void SetComPortDataBits(TComPortDataBits value);
    TComPortStopBits ComPortStopBits() const { return stopBits_; }
    void SetComPortStopBits(TComPortStopBits value);
    TComPortParity ComPortParity() const { return parity_; }
    void SetComPortParity(TComPortParity value);
    TComPortHwHandshaking ComPortHwHandshaking() const { return hwHandshaking_; }
    void SetComPortHwHandshaking(TComPortHwHandshaking value);
    TComPortSwHandshaking ComPortSwHandshaking() const { return swHandshaking_; }
    void SetComPortSwHandshaking(TComPortSwHandshaking value);
    uint16_t ComPortInBufSize() const { return inBufSize_; }
    void SetComPortInBufSize(uint16_t value);
    uint16_t ComPortOutBufSize() const { return outBufSize_; }
    void SetComPortOutBufSize(uint16_t value);
    int16_t PacketSize() const { return packetSize_; }
    void SetPacketSize(int16_t value);
    int32_t PacketTimeout() const { return packetTimeout_; }
    void SetPacketTimeout(int32_t value);
    TPacketMode PacketMode() const { return packetMode_; }
    void SetPacketMode(TPacketMode value) { packetMode_ = value; }
    uint16_t ComPortPollingDelay() const { return pollingDelay_; }
    void SetComPortPollingDelay(uint16_t value);
    bool EnableDTROnOpen() const { return enableDTROnOpen_; }
    void SetEnableDTROnOpen(bool value) { enableDTROnOpen_ = value; }
    uint16_t OutputTimeout() const { return outputTimeout_; }
    void SetOutputTimeout(uint16_t value) { outputTimeout_ = value; }

private:
    void NoteError();
    void NotifyPollListener();
    void SetModemLine(const char* name, int bit, bool on, bool& level);
    void PollStream();
    void PollPackets();
    void LineFailed(int32_t error);
    void FirePacket(int32_t size, int64_t elapsedMs);

    SystemClock systemClock_;
    IClock& clock_;
    PathResolver resolver_;
    SerialDevice device_;
    ModemSocket modem_;
    bool dtr_ = false;
    bool rts_ = false;
    std::atomic<int32_t> lastError_{0};

    mutable std::recursive_mutex lock_;
    std::function<void()> pollListener_;
    ReceiveDataEvent onReceiveData_;
    ReceivePacketEvent onReceivePacket_;
    LineErrorEvent onLineError_;

    int comPort_ = pnCOM2;
    TComPortBaudRate speed_ = br9600;
    TComPortDataBits dataBits_ = db8BITS;
    TComPortStopBits stopBits_ = sb1BITS;
    TComPortParity parity_ = ptNONE;
    TComPortHwHandshaking hwHandshaking_ = hhNONE;
    TComPortSwHandshaking swHandshaking_ = shNONE;
    uint16_t inBufSize_ = 2048;
    uint16_t outBufSize_ = 2048;
    int16_t packetSize_ = -1;
    int32_t packetTimeout_ = -1;
    TPacketMode packetMode_ = pmDiscard;
    uint16_t pollingDelay_ = 50;
    bool enableDTROnOpen_ = true;
    uint16_t outputTimeout_ = 4000;
    std::vector<uint8_t> receiveBuffer_;
    int64_t packetStart_ = -1;
};

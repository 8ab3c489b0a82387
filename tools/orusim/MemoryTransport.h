#pragma once
#include <deque>
#include <functional>
#include <mutex>

#include "devicelink/Clock.h"
#include "devicelink/CommPort.h"
#include "tools/orusim/LinePacer.h"
#include "tools/orusim/ProtocolEngine.h"

namespace orusim {

// A serial port wired straight to a simulated module, in the module's own
// time: waiting for data moves the clock (a virtual clock in tests) to the
// module's next output. The port's open state follows Connect and
// Disconnect; the module's output is lost while it is closed.
class MemoryTransport : public ICommPort {
public:
    MemoryTransport(ProtocolEngine& module, bool paced = false);

    // Runs fn with the module while no port call is under way.
    void WithModule(const std::function<void(ProtocolEngine&)>& fn);

    int ComPort() const override { return comPort_; }
    void SetComPort(int port) override;
    bool Connect() override;
    void Disconnect() override;
    bool Connected() const override { return connected_; }
    int32_t SendData(const uint8_t* data, int32_t count) override;
    bool ReadChar(uint8_t& c) override;
    int32_t CharCount() override;
    int32_t OutFreeSpace() override;
    void FlushBuffers(bool input, bool output) override;
    void ToggleDTR(bool on) override;
    void ToggleRTS(bool on) override;
    bool ReadDSR() override;
    bool WaitReadable(int32_t timeoutMs) override;
    int32_t GetLastError() const override { return 0; }

    static constexpr int32_t kOutBufferSize = 2048;

private:
    void Pump();
    int64_t NextWake();

    ProtocolEngine& module_;
    IClock& clock_;
    bool paced_;
    LinePacer pacer_;
    mutable std::recursive_mutex mutex_;
    std::deque<uint8_t> received_;
    int comPort_ = 1;
    bool connected_ = false;
};

}  // namespace orusim

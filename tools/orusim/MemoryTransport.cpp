#include "tools/orusim/MemoryTransport.h"

namespace orusim {

MemoryTransport::MemoryTransport(ProtocolEngine& module, bool paced)
    : module_(module), clock_(module.Clock()), paced_(paced) {
    module_.SetPortOpen(false);
}

void MemoryTransport::WithModule(const std::function<void(ProtocolEngine&)>& fn) {
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    fn(module_);
}

void MemoryTransport::SetComPort(int port) {
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    if (!connected_) comPort_ = port;
}

bool MemoryTransport::Connect() {
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    if (connected_) return true;
    Pump();  // what came while closed is lost
    received_.clear();
    connected_ = true;
    module_.SetPortOpen(true);
    module_.SetDTR(false);
    module_.SetRTS(false);
    return true;
}

void MemoryTransport::Disconnect() {
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    if (!connected_) return;
    connected_ = false;
    module_.SetPortOpen(false);
    module_.SetDTR(false);
    module_.SetRTS(false);
    received_.clear();
}

void MemoryTransport::Pump() {
    int64_t nowUs = clock_.TickCount() * 1000;
    size_t allowance = paced_ ? pacer_.Allowance(nowUs) : std::numeric_limits<size_t>::max();
    std::vector<uint8_t> bytes = module_.TakeOutput(allowance);
    if (paced_) pacer_.Sent(bytes.size(), allowance, nowUs);
    received_.insert(received_.end(), bytes.begin(), bytes.end());
}

int32_t MemoryTransport::SendData(const uint8_t* data, int32_t count) {
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    if (!connected_ || count <= 0) return 0;
    Pump();
    module_.Receive(data, static_cast<size_t>(count));
    return count;
}

bool MemoryTransport::ReadChar(uint8_t& c) {
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    if (!connected_) return false;
    Pump();
    if (received_.empty()) return false;
    c = received_.front();
    received_.pop_front();
    return true;
}

int32_t MemoryTransport::CharCount() {
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    if (!connected_) return -1;
    Pump();
    return static_cast<int32_t>(received_.size());
}

int32_t MemoryTransport::OutFreeSpace() {
    return kOutBufferSize;  // the module takes every byte at once
}

void MemoryTransport::FlushBuffers(bool input, bool output) {
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    if (!connected_ || !input) return;
    Pump();
    received_.clear();
}

void MemoryTransport::ToggleDTR(bool on) {
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    if (connected_) module_.SetDTR(on);
}

void MemoryTransport::ToggleRTS(bool on) {
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    if (connected_) module_.SetRTS(on);
}

bool MemoryTransport::ReadDSR() {
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    return connected_ && module_.DSR();
}

int64_t MemoryTransport::NextWake() {
    int64_t next = module_.NextWakeTime();
    if (paced_ && next >= 0) {
        int64_t lineFree = (pacer_.NextFreeUs() + 999) / 1000;
        if (lineFree > next) next = lineFree;
    }
    return next;
}

bool MemoryTransport::WaitReadable(int32_t timeoutMs) {
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    if (!connected_) return false;
    int64_t deadline = clock_.TickCount() + (timeoutMs > 0 ? timeoutMs : 0);
    for (;;) {
        Pump();
        if (!received_.empty()) return true;
        int64_t now = clock_.TickCount();
        if (now >= deadline) return false;
        int64_t next = NextWake();
        if (next < 0 || next > deadline) next = deadline;
        clock_.Sleep(next > now ? next - now : 1);
    }
}

}  // namespace orusim

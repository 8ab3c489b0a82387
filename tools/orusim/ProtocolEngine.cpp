#include "tools/orusim/ProtocolEngine.h"

#include "tools/orusim/Wire.h"

namespace orusim {

ProtocolEngine::ProtocolEngine(IClock& clock, IExecutionEngine& engine, EventLog& log, BootTiming timing)
    : clock_(clock), engine_(engine), log_(log), timing_(timing), output_(clock) {
    engine_.Attach(this);
    EnterReset("power");
    StartBoot();
}

ProtocolEngine::~ProtocolEngine() { engine_.Attach(nullptr); }

void ProtocolEngine::Note(EventKind kind, std::string name, std::vector<int64_t> values) {
    Event event;
    event.timeMs = clock_.TickCount();
    event.kind = kind;
    event.name = std::move(name);
    event.values = std::move(values);
    log_.Add(std::move(event));
}

void ProtocolEngine::SetPower(bool on) {
    if (on == power_) return;
    power_ = on;
    Note(EventKind::Modem, "power", {on});
    if (!on) {
        engine_.Stop();
        parser_.Reset();
        output_.Clear();
        flood_.Stop();
        phase_ = Phase::Off;
        return;
    }
    EnterReset("power");
    if (!(cable_ && dtr_)) StartBoot();
}

void ProtocolEngine::SetCable(bool connected) {
    if (connected == cable_) return;
    cable_ = connected;
    Note(EventKind::Modem, "cable", {connected});
}

void ProtocolEngine::SetPortOpen(bool open) {
    if (open == portOpen_) return;
    portOpen_ = open;
    Note(EventKind::Modem, "port", {open});
}

void ProtocolEngine::SetDTR(bool high) {
    if (high == dtr_) return;
    dtr_ = high;
    Note(EventKind::Modem, "DTR", {high});
    if (!cable_ || !power_) return;
    if (high) {
        EnterReset("DTR");
    } else if (phase_ == Phase::Held) {
        StartBoot();
    }
}

void ProtocolEngine::SetRTS(bool high) {
    if (high == rts_) return;
    rts_ = high;
    Note(EventKind::Modem, "RTS", {high});
}

bool ProtocolEngine::DSR() const {
    if (!cable_) return false;
    if (faults_.dsrStuck) return *faults_.dsrStuck;
    return rts_;
}

void ProtocolEngine::EnterReset(const char* cause) {
    engine_.Stop();
    parser_.Reset();
    output_.Clear();
    phase_ = Phase::Held;
    Note(EventKind::Reset, cause);
}

void ProtocolEngine::StartBoot() {
    phase_ = Phase::Booting;
    phaseEnds_ = clock_.TickCount() + timing_.bootDelayMs;
}

void ProtocolEngine::FinishBoot(bool synced) {
    uint8_t endLoad = static_cast<uint8_t>(kComEndLoad | (timing_.firmware & 0x0F));
    if (faults_.endLoadByte >= 0) endLoad = static_cast<uint8_t>(faults_.endLoadByte);
    output_.Push(OutputUnit{{endLoad}});
    phase_ = Phase::Ready;
    downloading_ = false;
    engine_.Boot(image_);
    Note(EventKind::Boot, synced ? "sync" : "run", {synced, endLoad});
    if (!synced && !image_.empty()) engine_.Run();
}

void ProtocolEngine::Poll() {
    int64_t now = clock_.TickCount();
    if (phase_ == Phase::Booting && now >= phaseEnds_) {
        if (faults_.boot == BootFault::None) {
            output_.Push(OutputUnit{{kComStartLoad}});
            phase_ = Phase::SyncWindow;
            phaseEnds_ += timing_.syncWindowMs;
        } else {
            if (faults_.boot == BootFault::Garbage) output_.Push(OutputUnit{faults_.bootGarbage});
            phase_ = Phase::Dead;
        }
    }
    if (phase_ == Phase::SyncWindow && now >= phaseEnds_) FinishBoot(false);
    if (auto expired = parser_.Expire(now)) Dispatch(*expired);
    if (phase_ == Phase::Ready) engine_.Advance();
}

void ProtocolEngine::Receive(const uint8_t* data, size_t count) {
    if (count == 0) return;
    Event event;
    event.timeMs = clock_.TickCount();
    event.kind = EventKind::BytesIn;
    event.bytes.assign(data, data + count);
    bool heard = power_ && cable_;
    if (!heard) event.name = "lost";
    log_.Add(std::move(event));
    if (!heard) return;
    Poll();
    for (size_t i = 0; i < count; ++i) {
        BeginFaultText(data[i]);
        Echo(data[i]);
        HandleByte(data[i]);
    }
}

void ProtocolEngine::Echo(uint8_t byte) {
    auto fault = TakeFault(faults_.echoes, [byte](const EchoFault& f) { return f.onlyFor < 0 || f.onlyFor == byte; });
    OutputUnit unit{{byte}};
    unit.echo = true;
    if (!fault) {
        output_.Push(std::move(unit));
        return;
    }
    if (fault->drop) return;
    unit.bytes[0] = static_cast<uint8_t>(byte ^ fault->xorMask);
    output_.Push(std::move(unit), fault->delayMs);
}

void ProtocolEngine::HandleByte(uint8_t byte) {
    int64_t now = clock_.TickCount();
    if (phase_ == Phase::SyncWindow && byte == kComSync) {
        Note(EventKind::Command, "sync");
        FinishBoot(true);
        return;
    }
    if (phase_ != Phase::Ready) {
        Note(EventKind::Stray, "not ready", {byte});
        return;
    }
    if (auto command = parser_.Feed(byte, now)) Dispatch(*command);
}

std::vector<uint8_t> ProtocolEngine::TakeOutput(size_t max) {
    Poll();
    std::vector<uint8_t> bytes = output_.Take(max);
    const bool lost = !power_ || !cable_ || !portOpen_;
    if (!bytes.empty()) {
        Event event;
        event.timeMs = clock_.TickCount();
        event.kind = EventKind::BytesOut;
        event.bytes = bytes;
        if (lost) event.name = "lost";
        log_.Add(std::move(event));
    }
    // A flood follows the other output at once, in the same write.
    if (output_.PendingBytes() == 0) {
        std::vector<uint8_t> burst = flood_.Take(max - bytes.size(), clock_.TickCount());
        bytes.insert(bytes.end(), burst.begin(), burst.end());
    }
    if (lost) bytes.clear();
    return bytes;
}

int64_t ProtocolEngine::NextWakeTime() {
    int64_t next = output_.NextReadyTime();
    auto consider = [&next](int64_t t) {
        if (t >= 0 && (next < 0 || t < next)) next = t;
    };
    consider(flood_.NextTime(clock_.TickCount()));
    if (phase_ == Phase::Booting || phase_ == Phase::SyncWindow) consider(phaseEnds_);
    if (phase_ == Phase::Ready) consider(engine_.NextWorkTime());
    consider(parser_.Deadline());
    return next;
}

}  // namespace orusim

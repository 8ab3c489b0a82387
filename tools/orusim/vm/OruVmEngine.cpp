#include "tools/orusim/vm/OruVmEngine.h"

#include <algorithm>

#include "tools/orusim/MemoryLayout.h"
#include "tools/orusim/Wire.h"

namespace orusim {

OruVmEngine::OruVmEngine() : machine_(*this) {}

void OruVmEngine::Boot(const std::vector<uint8_t>& image) {
    state_ = machine_.Load(image) ? State::Stopped : State::Idle;
    stepping_ = stepStarted_ = skipBreakpoint_ = waitingInput_ = false;
    delayUntil_ = -1;
    breakpoints_.reset();
}

void OruVmEngine::Run() {
    if (state_ == State::Ended) return Send(kMsgEnded, {});
    if (state_ != State::Stopped) return;
    state_ = State::Running;
    skipBreakpoint_ = true;
}

void OruVmEngine::Stop() {
    if (state_ == State::Running) state_ = State::Stopped;
    waitingInput_ = false;  // the call that waited runs again on the next resume
    delayUntil_ = -1;
    stepping_ = false;
}

void OruVmEngine::Step() {
    stepping_ = true;
    stepStarted_ = false;
}

void OruVmEngine::SetBreakpoints(const std::vector<uint16_t>& addresses) {
    breakpoints_.reset();
    for (uint16_t address : addresses) breakpoints_.set(address);
}

bool OruVmEngine::AnswerInput(int byte) {
    if (!waitingInput_) return false;
    waitingInput_ = false;
    machine_.FinishInput(byte);
    return true;
}

void OruVmEngine::Advance() {
    if (!host_) return;
    if (delayUntil_ >= 0) {
        if (host_->Now() < delayUntil_) return;
        delayUntil_ = -1;
    }
    if (waitingInput_) return;
    if (stepping_) return StepOnce();
    if (state_ == State::Running) RunSlice();
}

void OruVmEngine::StepOnce() {
    if (!stepStarted_) {
        stepStarted_ = true;
        if (state_ == State::Stopped) Settle(machine_.Execute());
        if (Waiting()) return;
    }
    FinishStep();
}

void OruVmEngine::FinishStep() {
    stepping_ = false;
    host_->StepDone();
}

void OruVmEngine::RunSlice() {
    for (int i = 0; i < kSliceInstructions; ++i) {
        if (OutputBlocked()) return;
        if (!skipBreakpoint_ && breakpoints_.test(machine_.Pc())) {
            state_ = State::Stopped;
            return Send(kMsgStopped, {});
        }
        skipBreakpoint_ = false;
        if (!Settle(machine_.Execute()) || Waiting()) return;
    }
}

bool OruVmEngine::Settle(const Outcome& outcome) {
    switch (outcome.kind) {
    case Outcome::Kind::Continue: return true;
    case Outcome::Kind::WaitInput:
        waitingInput_ = true;
        host_->RequestInput();
        return true;
    case Outcome::Kind::Delay:
        if (outcome.delayMs > 0) delayUntil_ = host_->Now() + outcome.delayMs;
        return true;
    case Outcome::Kind::Ended:
        state_ = State::Ended;
        Send(kMsgEnded, {});
        return false;
    case Outcome::Kind::Uncaught:
        state_ = State::Ended;
        Send(kMsgException, ExceptionBody(outcome.classRecord, outcome.origin));
        return false;
    case Outcome::Kind::Undefined:
        state_ = State::Ended;
        Send(kMsgUnknownBytecode, {outcome.opcode});
        return false;
    }
    return false;
}

bool OruVmEngine::OutputBlocked() const { return host_->OutputBacklog() > kBacklogLimit; }

void OruVmEngine::Send(uint8_t type, const std::vector<uint8_t>& body) {
    if (host_) host_->SendMessage(type, body);
}

void OruVmEngine::Text(const std::string& text) {
    for (size_t at = 0; at < text.size(); at += kTextChunk) {
        std::string chunk = text.substr(at, kTextChunk);
        Send(kMsgText, std::vector<uint8_t>(chunk.begin(), chunk.end()));
    }
}

void OruVmEngine::NoteNative(const std::string& name, const std::vector<int64_t>& arguments) {
    if (host_) host_->NoteNative(name, arguments);
}

int64_t OruVmEngine::NextWorkTime() const {
    if (!host_ || waitingInput_) return -1;
    if (delayUntil_ >= 0) return delayUntil_;
    if (stepping_) return host_->Now();
    if (state_ != State::Running) return -1;
    // A program held by a full line looks again a millisecond later.
    return OutputBlocked() ? host_->Now() + 1 : host_->Now();
}

ModuleStatus OruVmEngine::Status() const {
    ModuleStatus status;
    status.pc = machine_.Pc();
    status.opcode = machine_.Memory().Byte(status.pc);
    if (waitingInput_) status.activity = kActivityWaitingInput;
    else if (stepping_) status.activity = kActivityRunning;
    else switch (state_) {
        case State::Idle: status.activity = kActivityIdle; break;
        case State::Stopped: status.activity = kActivityStopped; break;
        case State::Running: status.activity = kActivityRunning; break;
        case State::Ended: status.activity = kActivityEnded; break;
        }
    return status;
}

ModuleConfig OruVmEngine::Config() const { return ModuleConfig{kTotalMemory, machine_.StackBase(), kHeapTop}; }

StackSnapshot OruVmEngine::Stack() const {
    StackSnapshot snapshot;
    snapshot.value1 = machine_.StackTop();
    snapshot.value2 = machine_.Frame();
    snapshot.value3 = machine_.Method();
    uint16_t base = machine_.StackBase();
    if (state_ != State::Idle && machine_.StackTop() > base)
        snapshot.bytes = machine_.Memory().Read(base, static_cast<uint32_t>(machine_.StackTop() - base));
    return snapshot;
}

}  // namespace orusim

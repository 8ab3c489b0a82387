#include "tools/orusim/ScriptedEngine.h"

#include <algorithm>

#include "tools/orusim/MemoryLayout.h"
#include "tools/orusim/Wire.h"

namespace orusim {

ScriptedEngine::ScriptedEngine() : heapPointer_(kHeapTop), memory_(kMemorySize, 0) {}

void ScriptedEngine::SetMemory(uint16_t address, const std::vector<uint8_t>& bytes) {
    for (size_t i = 0; i < bytes.size(); ++i) memory_[(address + i) % kMemorySize] = bytes[i];
}

void ScriptedEngine::Boot(const std::vector<uint8_t>& image) {
    image_ = image;
    std::copy(image.begin(), image.begin() + std::min(image.size(), memory_.size()), memory_.begin());
    active_.clear();
    waitingInput_ = false;
    state_ = image.empty() ? State::Idle : State::Stopped;
}

void ScriptedEngine::Begin(std::vector<ScriptItem> items) {
    active_.assign(items.begin(), items.end());
    waitingInput_ = false;
    ScheduleFront();
}

void ScriptedEngine::ScheduleFront() {
    int64_t now = host_ ? host_->Now() : 0;
    nextAt_ = active_.empty() ? now : now + active_.front().delayMs;
}

namespace {
// The next queued script; none queued: an empty one.
std::vector<ScriptItem> TakeNext(std::deque<std::vector<ScriptItem>>& scripts) {
    std::vector<ScriptItem> items;
    if (!scripts.empty()) {
        items = std::move(scripts.front());
        scripts.pop_front();
    }
    return items;
}
}  // namespace

void ScriptedEngine::Run() {
    if (state_ == State::Running) return;
    ++runsStarted_;
    state_ = State::Running;
    Begin(TakeNext(runs_));
}

void ScriptedEngine::Stop() {
    active_.clear();
    waitingInput_ = false;
    if (state_ == State::Running || state_ == State::Stepping) state_ = State::Stopped;
}

void ScriptedEngine::Step() {
    ++stepsTaken_;
    state_ = State::Stepping;
    Begin(TakeNext(steps_));
}

bool ScriptedEngine::AnswerInput(int byte) {
    if (!waitingInput_) return false;
    inputs_.push_back(byte);
    waitingInput_ = false;
    ScheduleFront();
    return true;
}

void ScriptedEngine::Perform(const ScriptItem& item) {
    using Kind = ScriptItem::Kind;
    switch (item.kind) {
    case Kind::Text:
        host_->SendMessage(kMsgText, std::vector<uint8_t>(item.text.begin(), item.text.end()));
        break;
    case Kind::InputRequest:
        waitingInput_ = true;
        host_->RequestInput();
        break;
    case Kind::Stopped:
        host_->SendMessage(kMsgStopped, {});
        break;
    case Kind::Ended:
        host_->SendMessage(kMsgEnded, {});
        break;
    case Kind::Exception:
        host_->SendMessage(kMsgException, ExceptionBody(item.classOffset, item.pc));
        break;
    }
}

namespace {
bool EndsProgram(ScriptItem::Kind kind) {
    using Kind = ScriptItem::Kind;
    return kind == Kind::Stopped || kind == Kind::Ended || kind == Kind::Exception;
}
}  // namespace

void ScriptedEngine::Advance() {
    if (!host_) return;
    while (!waitingInput_ && !active_.empty() && host_->Now() >= nextAt_) {
        ScriptItem item = std::move(active_.front());
        active_.pop_front();
        Perform(item);
        if (EndsProgram(item.kind)) {
            bool ended = item.kind == ScriptItem::Kind::Ended || item.kind == ScriptItem::Kind::Exception;
            if (state_ == State::Running) {
                active_.clear();
                state_ = ended ? State::Ended : State::Stopped;
                return;
            }
        }
        ScheduleFront();
    }
    if (state_ == State::Stepping && active_.empty() && !waitingInput_) {
        state_ = State::Stopped;
        host_->StepDone();
    }
}

int64_t ScriptedEngine::NextWorkTime() const {
    if (waitingInput_) return -1;
    if (!active_.empty()) return nextAt_;
    if (state_ == State::Stepping) return host_ ? host_->Now() : 0;
    return -1;
}

uint8_t ScriptedEngine::ActivityOfState() const {
    if (waitingInput_) return kActivityWaitingInput;
    switch (state_) {
    case State::Idle: return kActivityIdle;
    case State::Stopped: return kActivityStopped;
    case State::Running:
    case State::Stepping: return kActivityRunning;
    case State::Ended: return kActivityEnded;
    }
    return kActivityIdle;
}

ModuleStatus ScriptedEngine::Status() const {
    ModuleStatus status;
    status.pc = pc_;
    status.activity = activity_.value_or(ActivityOfState());
    status.opcode = opcode_.value_or(memory_[pc_]);
    return status;
}

ModuleConfig ScriptedEngine::Config() const {
    if (config_) return *config_;
    return ModuleConfig{kTotalMemory, StackBaseOf(image_), kHeapTop};
}

StackSnapshot ScriptedEngine::Stack() const {
    if (stack_) return *stack_;
    StackSnapshot snapshot;
    snapshot.value1 = snapshot.value2 = StackBaseOf(image_);
    snapshot.value3 = MainMethodOf(image_);
    return snapshot;
}

}  // namespace orusim

#pragma once
#include <deque>
#include <optional>
#include <vector>

#include "tools/orusim/ExecutionEngine.h"
#include "tools/orusim/ScriptItem.h"

namespace orusim {

// An execution engine whose state a test sets and whose runs and steps
// produce what the test queued. Each Run takes the next queued run script,
// each Step the next step script (none queued: nothing but the end).
class ScriptedEngine : public IExecutionEngine {
public:
    ScriptedEngine();

    // State the replies report.
    void SetProgramCounter(uint16_t pc) { pc_ = pc; }
    void SetActivity(std::optional<uint8_t> activity) { activity_ = activity; }
    void SetOpcode(std::optional<uint8_t> opcode) { opcode_ = opcode; }
    void SetStack(StackSnapshot stack) { stack_ = std::move(stack); }
    void SetMemory(uint16_t address, const std::vector<uint8_t>& bytes);
    void SetHeapPointer(uint16_t value) { heapPointer_ = value; }
    void SetConfig(ModuleConfig config) { config_ = config; }

    void QueueRun(std::vector<ScriptItem> items) { runs_.push_back(std::move(items)); }
    void QueueStep(std::vector<ScriptItem> items) { steps_.push_back(std::move(items)); }

    // What the PC gave it.
    const std::vector<int>& InputsReceived() const { return inputs_; }
    const std::vector<uint16_t>& Breakpoints() const { return breakpoints_; }
    const std::vector<uint8_t>& BootedImage() const { return image_; }
    int RunsStarted() const { return runsStarted_; }
    int StepsTaken() const { return stepsTaken_; }

    // IExecutionEngine
    void Attach(IEngineHost* host) override { host_ = host; }
    void Boot(const std::vector<uint8_t>& image) override;
    void Run() override;
    void Stop() override;
    void Step() override;
    bool Running() const override { return state_ == State::Running; }
    void SetBreakpoints(const std::vector<uint16_t>& addresses) override { breakpoints_ = addresses; }
    bool AnswerInput(int byte) override;
    void Advance() override;
    int64_t NextWorkTime() const override;
    ModuleStatus Status() const override;
    ModuleConfig Config() const override;
    StackSnapshot Stack() const override;
    uint16_t HeapPointer() const override { return heapPointer_; }
    uint8_t ReadMemory(uint16_t address) const override { return memory_[address]; }

private:
    enum class State { Idle, Stopped, Running, Stepping, Ended };

    void Begin(std::vector<ScriptItem> items);
    void Perform(const ScriptItem& item);
    void ScheduleFront();
    uint8_t ActivityOfState() const;

    IEngineHost* host_ = nullptr;
    State state_ = State::Idle;
    std::deque<ScriptItem> active_;
    int64_t nextAt_ = 0;
    bool waitingInput_ = false;

    std::deque<std::vector<ScriptItem>> runs_;
    std::deque<std::vector<ScriptItem>> steps_;

    uint16_t pc_ = 0;
    std::optional<uint8_t> activity_;
    std::optional<uint8_t> opcode_;
    std::optional<StackSnapshot> stack_;
    std::optional<ModuleConfig> config_;
    uint16_t heapPointer_;
    std::vector<uint8_t> memory_;
    std::vector<uint8_t> image_;

    std::vector<int> inputs_;
    std::vector<uint16_t> breakpoints_;
    int runsStarted_ = 0;
    int stepsTaken_ = 0;
};

}  // namespace orusim

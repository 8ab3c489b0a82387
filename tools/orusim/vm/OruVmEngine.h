#pragma once
#include <bitset>
#include <cstdint>
#include <string>
#include <vector>

#include "tools/orusim/ExecutionEngine.h"
#include "tools/orusim/vm/OruMachine.h"

namespace orusim {

// The execution engine that runs the downloaded ORU image on the virtual
// machine: running in slices, breakpoints, single instruction steps, input
// requests, delays, and the replies' view of the machine.
class OruVmEngine : public IExecutionEngine, private IMachineHost {
public:
    static constexpr int kSliceInstructions = 20000;     // per Advance while running
    static constexpr size_t kTextChunk = 1024;           // terminal text per message
    static constexpr size_t kBacklogLimit = 2 * kTextChunk;  // the program waits while more is queued

    OruVmEngine();

    // IExecutionEngine
    void Attach(IEngineHost* host) override { host_ = host; }
    void Boot(const std::vector<uint8_t>& image) override;
    void Run() override;
    void Stop() override;
    void Step() override;
    bool Running() const override { return state_ == State::Running; }
    void SetBreakpoints(const std::vector<uint16_t>& addresses) override;
    bool AnswerInput(int byte) override;
    void Advance() override;
    int64_t NextWorkTime() const override;
    ModuleStatus Status() const override;
    ModuleConfig Config() const override;
    StackSnapshot Stack() const override;
    uint16_t HeapPointer() const override { return machine_.HeapPointer(); }
    uint8_t ReadMemory(uint16_t address) const override { return machine_.Memory().Byte(address); }

    const OruMachine& Machine() const { return machine_; }

private:
    enum class State { Idle, Stopped, Running, Ended };

    // IMachineHost
    void Text(const std::string& text) override;
    void NoteNative(const std::string& name, const std::vector<int64_t>& arguments) override;
    int64_t Now() override { return host_ ? host_->Now() : 0; }

    void RunSlice();
    void StepOnce();
    // Acts on what an instruction left; false when the program no longer runs on.
    bool Settle(const Outcome& outcome);
    void FinishStep();
    bool Waiting() const { return waitingInput_ || delayUntil_ >= 0; }
    bool OutputBlocked() const;
    void Send(uint8_t type, const std::vector<uint8_t>& body);

    IEngineHost* host_ = nullptr;
    OruMachine machine_;
    State state_ = State::Idle;
    bool stepping_ = false;      // a step is under way (it may wait)
    bool stepStarted_ = false;
    bool skipBreakpoint_ = false;  // the first instruction after a resume
    bool waitingInput_ = false;
    int64_t delayUntil_ = -1;
    std::bitset<65536> breakpoints_;
};

}  // namespace orusim

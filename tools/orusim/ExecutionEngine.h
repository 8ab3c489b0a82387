#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// What runs the program inside the simulated module. The protocol engine
// owns the line and the framing; an execution engine owns the program state.
namespace orusim {

// Meaning of the status activity byte.
constexpr uint8_t kActivityIdle = 0;     // no program loaded
constexpr uint8_t kActivityStopped = 1;  // halted for debugging
constexpr uint8_t kActivityRunning = 2;
constexpr uint8_t kActivityWaitingInput = 3;
constexpr uint8_t kActivityEnded = 4;

struct ModuleStatus {
    uint16_t pc = 0;  // image address of the instruction about to run
    uint8_t activity = kActivityIdle;
    uint8_t opcode = 0;  // image byte at pc
};

struct ModuleConfig {
    uint16_t a = 0;  // total memory
    uint16_t b = 0;  // stack base
    uint16_t c = 0;  // top of the heap
};

struct StackSnapshot {
    uint16_t value1 = 0;  // absolute address of the stack top
    uint16_t value2 = 0;  // absolute address of the current frame
    uint16_t value3 = 0;  // image offset of the current method record
    std::vector<uint8_t> bytes;  // memory from the stack base upwards
};

// The protocol side, as the execution engine sees it.
class IEngineHost {
public:
    virtual ~IEngineHost() = default;
    virtual int64_t Now() = 0;
    virtual void SendMessage(uint8_t type, const std::vector<uint8_t>& body) = 0;
    virtual void RequestInput() = 0;
    virtual void StepDone() = 0;
    // A native the program called that has no effect on the line.
    virtual void NoteNative(const std::string& name, const std::vector<int64_t>& arguments) {}
    // Bytes waiting to go out to the PC: a program that prints waits for the line.
    virtual size_t OutputBacklog() { return 0; }
};

class IExecutionEngine {
public:
    virtual ~IExecutionEngine() = default;

    virtual void Attach(IEngineHost* host) = 0;
    // Reset: the image is in memory from address 0; the program is at its
    // start and stopped.
    virtual void Boot(const std::vector<uint8_t>& image) = 0;
    virtual void Run() = 0;
    virtual void Stop() = 0;
    // One step; the engine calls StepDone when it is complete.
    virtual void Step() = 0;
    virtual bool Running() const = 0;
    virtual void SetBreakpoints(const std::vector<uint16_t>& addresses) = 0;
    // The PC's answer to an input request: a byte, or -1 for none. False
    // when no request was waiting.
    virtual bool AnswerInput(int byte) = 0;
    // Does the work that is due now; may call the host.
    virtual void Advance() = 0;
    // When Advance next has work: a time, or -1 while waiting for the PC.
    virtual int64_t NextWorkTime() const = 0;

    virtual ModuleStatus Status() const = 0;
    virtual ModuleConfig Config() const = 0;
    virtual StackSnapshot Stack() const = 0;
    virtual uint16_t HeapPointer() const = 0;
    virtual uint8_t ReadMemory(uint16_t address) const = 0;
};

}  // namespace orusim

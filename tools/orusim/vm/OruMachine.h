#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "tools/orusim/vm/OruHeader.h"
#include "tools/orusim/vm/VmMemory.h"

namespace orusim {

// What the machine asks of the module around it.
class IMachineHost {
public:
    virtual ~IMachineHost() = default;
    virtual void Text(const std::string& text) = 0;
    // A native without a visible effect on the line ran: its name and arguments.
    virtual void NoteNative(const std::string& name, const std::vector<int64_t>& arguments) = 0;
    virtual int64_t Now() = 0;
};

// What one instruction left the machine in.
struct Outcome {
    enum class Kind { Continue, Ended, Uncaught, Undefined, WaitInput, Delay };
    Kind kind = Kind::Continue;
    uint16_t classRecord = 0;  // Uncaught: the exception's class
    uint16_t origin = 0;       // Uncaught: the instruction it came from
    uint8_t opcode = 0;        // Undefined: the image byte
    int64_t delayMs = 0;       // Delay
};

// Memory arrangement the machine keeps.
constexpr uint16_t kStackHeadroom = 192;      // left free above a new frame; a stack overflow fault uses it
constexpr uint16_t kAllocationReserve = 256;  // left between stack and heap by ordinary allocations

// The ORU virtual machine: the image at address 0, frames from the stack
// base upwards, the heap down from 32768, the statics below total memory.
// Frame at f: the locals (parameters first), then the caller's method
// record, the caller's frame and the return address (the invoke's address
// + 1); the operand stack follows.
class OruMachine {
public:
    explicit OruMachine(IMachineHost& host);

    // Puts the image in memory and sets main up; false when there is no program.
    bool Load(const std::vector<uint8_t>& image);
    // Runs the instruction at the program counter.
    Outcome Execute();
    // Completes a Terminal.getByte that ended with WaitInput: a byte, or -1.
    void FinishInput(int value);

    uint16_t Pc() const { return pc_; }
    uint16_t StackTop() const { return sp_; }
    uint16_t Frame() const { return frame_; }
    uint16_t Method() const { return method_; }
    uint16_t HeapPointer() const { return heap_; }
    uint16_t StackBase() const { return stackBase_; }
    uint16_t StaticBase() const { return staticBase_; }
    const OruHeader& Header() const { return header_; }
    const VmMemory& Memory() const { return memory_; }
    uint64_t Executed() const { return executed_; }

private:
    friend class OruNatives;

    // Operands of the current instruction.
    uint8_t U8(int n) const { return memory_.Byte(static_cast<uint16_t>(at_ + n)); }
    int8_t S8(int n) const { return static_cast<int8_t>(U8(n)); }
    uint16_t U16(int n) const { return memory_.Word(static_cast<uint16_t>(at_ + n)); }
    int16_t S16(int n) const { return static_cast<int16_t>(U16(n)); }
    void Next(int length) { pc_ = static_cast<uint16_t>(at_ + length); }
    void Jump(int offset) { pc_ = static_cast<uint16_t>(at_ + offset); }

    // Operand stack and locals.
    void Push(uint16_t value);
    void PushInt(int value) { Push(static_cast<uint16_t>(value)); }
    uint16_t Pop() {
        sp_ = static_cast<uint16_t>(sp_ - 2);
        return memory_.Word(sp_);
    }
    int16_t PopInt() { return static_cast<int16_t>(Pop()); }
    uint16_t Peek(int depth) const { return memory_.Word(static_cast<uint16_t>(sp_ - 2 * (depth + 1))); }
    void Poke(int depth, uint16_t value) { memory_.SetWord(static_cast<uint16_t>(sp_ - 2 * (depth + 1)), value); }
    uint16_t Local(int index) const { return memory_.Word(static_cast<uint16_t>(frame_ + 2 * index)); }
    void SetLocal(int index, uint16_t value) { memory_.SetWord(static_cast<uint16_t>(frame_ + 2 * index), value); }

    // Instruction groups (OruExecute.cpp).
    void ExecuteOpcode(int opcode);
    void StackShuffle(int opcode);
    void Arithmetic(int opcode);
    void Compare(int opcode);
    void Wide();
    void TableSwitch();
    void LookupSwitch();
    void ArrayLoad(int elementBytes);
    void ArrayStore(int elementBytes);
    bool ArrayElement(uint16_t array, int index, int elementBytes, uint16_t& address);
    void NewObject();
    void NewArray(int elementBytes, int length);
    void InstanceOf();

    // Calls and returns (OruCalls.cpp).
    void Invoke(uint16_t record, bool byMachine = false);
    void InvokeVirtual();
    void Return(bool withValue);
    void LeaveGraceIfBelow();
    // A stack overflow is being thrown: its calls and objects may use the headroom.
    bool InGrace() const { return graceFrame_ != 0 && frame_ >= graceFrame_; }

    // Faults, exceptions, memory (OruFaults.cpp).
    void Fault(int code);
    void Throw(uint16_t object, uint16_t origin);
    bool FindHandler(uint16_t table, uint16_t pc, uint16_t classRecord, uint16_t& handler) const;
    bool IsKindOf(uint16_t classRecord, uint16_t target) const;
    bool Allocate(int32_t size, uint16_t& address, bool fromReserve = false);
    // An object of the class: its class record word, then the field bytes the record names.
    int32_t ObjectBytes(uint16_t classRecord) const { return 2 + memory_.Byte(static_cast<uint16_t>(classRecord + 2)); }
    void ThrowOutOfMemory();
    void Exhausted();
    void Undefined();

    IMachineHost& host_;
    VmMemory memory_;
    OruHeader header_;
    uint16_t stackBase_ = 0;
    uint16_t staticBase_ = 0;

    uint16_t pc_ = 0;      // next instruction
    uint16_t at_ = 0;      // the instruction running
    uint16_t sp_ = 0;      // next free stack byte
    uint16_t frame_ = 0;
    uint16_t method_ = 0;  // method record of the running method
    uint16_t heap_ = 0;

    uint16_t faultAt_ = 0;     // the instruction whose fault called throwVMException
    uint16_t graceFrame_ = 0;  // while a stack overflow is thrown: frames from here use the headroom
    uint16_t inputAt_ = 0;     // the Terminal.getByte call waiting for input
    uint8_t inputArgumentBytes_ = 0;
    Outcome outcome_;
    uint64_t executed_ = 0;

    // Devices the natives keep.
    std::array<uint16_t, 256> registers_{};
    std::array<uint16_t, 256> sram_{};
    std::array<uint8_t, 2048> eeprom_{};
    std::array<bool, 32> pins_{};
    int64_t timerStart_ = 0;
};

}  // namespace orusim

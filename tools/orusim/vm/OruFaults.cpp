// VM faults, exceptions and the heap.
#include "linker/NativeSignatures.h"
#include "tools/orusim/vm/OruMachine.h"

namespace orusim {

namespace {
constexpr int kMaxChain = 256;  // classes in a superclass chain; frames are bounded by the stack
}

void OruMachine::Fault(int code) {
    faultAt_ = at_;
    Push(static_cast<uint16_t>(code));
    if (outcome_.kind != Outcome::Kind::Continue) return;
    Invoke(header_.throwMethod, true);
}

// Unwinds from the running method until a handler covers the pc; the
// registers change only when one is found.
void OruMachine::Throw(uint16_t object, uint16_t origin) {
    uint16_t classRecord = memory_.Word(object);
    uint16_t method = method_;
    uint16_t frame = frame_;
    uint16_t pc = static_cast<uint16_t>(at_ + 1);
    for (;;) {
        MethodRecord record = MethodRecord::Read(memory_, method);
        uint16_t handler = 0;
        if (record.hasHandlers && FindHandler(record.handlers, pc, classRecord, handler)) {
            method_ = method;
            frame_ = frame;
            sp_ = static_cast<uint16_t>(frame + record.LinkOffset() + kFrameLinkBytes);
            pc_ = handler;
            LeaveGraceIfBelow();
            Push(object);
            return;
        }
        uint16_t link = static_cast<uint16_t>(frame + record.LinkOffset());
        uint16_t caller = memory_.Word(link);
        uint16_t callerFrame = memory_.Word(static_cast<uint16_t>(link + 2));
        if (caller == kNoClass || callerFrame >= frame) break;
        pc = memory_.Word(static_cast<uint16_t>(link + 4));
        method = caller;
        frame = callerFrame;
    }
    outcome_.kind = Outcome::Kind::Uncaught;
    outcome_.classRecord = classRecord;
    outcome_.origin = origin;
}

bool OruMachine::FindHandler(uint16_t table, uint16_t pc, uint16_t classRecord, uint16_t& handler) const {
    uint8_t count = memory_.Byte(table);
    for (int i = 0; i < count; ++i) {
        uint16_t entry = static_cast<uint16_t>(table + 1 + 8 * i);
        uint16_t start = memory_.Word(entry);
        uint16_t end = memory_.Word(static_cast<uint16_t>(entry + 2));
        if (pc < start || pc >= end) continue;
        if (!IsKindOf(classRecord, memory_.Word(static_cast<uint16_t>(entry + 4)))) continue;
        handler = memory_.Word(static_cast<uint16_t>(entry + 6));
        return true;
    }
    return false;
}

bool OruMachine::IsKindOf(uint16_t classRecord, uint16_t target) const {
    for (int i = 0; i < kMaxChain && classRecord != kNoClass; ++i) {
        if (classRecord == target) return true;
        classRecord = memory_.Word(classRecord);
    }
    return false;
}

bool OruMachine::Allocate(int32_t size, uint16_t& address, bool fromReserve) {
    size = (size + 1) & ~1;
    int32_t low = heap_ - size;
    int32_t floor = sp_ + (fromReserve ? 0 : kAllocationReserve);
    if (low < floor) return false;
    heap_ = static_cast<uint16_t>(low);
    memory_.Fill(heap_, static_cast<uint32_t>(size), 0);
    address = heap_;
    return true;
}

// Thrown by the machine itself: a call to throwVMException would allocate
// again. The error object comes from the reserve.
void OruMachine::ThrowOutOfMemory() {
    uint16_t classRecord = header_.outOfMemoryClass;
    uint16_t object = 0;
    if (!Allocate(ObjectBytes(classRecord), object, true)) return Exhausted();
    memory_.SetWord(object, classRecord);
    Throw(object, at_);
}

// No memory left even for the error: the program ends as if an
// OutOfMemoryError had gone uncaught.
void OruMachine::Exhausted() {
    outcome_.kind = Outcome::Kind::Uncaught;
    outcome_.classRecord = header_.outOfMemoryClass;
    outcome_.origin = at_;
}

void OruMachine::Undefined() {
    pc_ = at_;
    outcome_.kind = Outcome::Kind::Undefined;
    outcome_.opcode = memory_.Byte(at_);
}

}  // namespace orusim

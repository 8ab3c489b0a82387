// Invocation, frames and returns.
#include "linker/NativeSignatures.h"
#include "tools/orusim/vm/OruMachine.h"
#include "tools/orusim/vm/OruNatives.h"

namespace orusim {

void OruMachine::Invoke(uint16_t record, bool byMachine) {
    MethodRecord method = MethodRecord::Read(memory_, record);
    if (method.native) return OruNatives(*this).Call(method);

    uint16_t frame = static_cast<uint16_t>(sp_ - method.parameterBytes);
    int32_t top = frame + method.LinkOffset() + kFrameLinkBytes;
    bool grace = InGrace();
    int32_t limit = heap_ - (byMachine || grace ? 0 : kStackHeadroom);
    if (top > limit) {
        if (byMachine || grace) return Exhausted();
        graceFrame_ = sp_;
        return Fault(vfStackOverflow);
    }
    memory_.Fill(sp_, method.localBytes, 0);
    uint16_t link = static_cast<uint16_t>(frame + method.LinkOffset());
    memory_.SetWord(link, method_);
    memory_.SetWord(static_cast<uint16_t>(link + 2), frame_);
    memory_.SetWord(static_cast<uint16_t>(link + 4), static_cast<uint16_t>(at_ + 1));
    method_ = record;
    frame_ = frame;
    sp_ = static_cast<uint16_t>(top);
    pc_ = method.target;
}

void OruMachine::InvokeVirtual() {
    uint8_t parameterBytes = U8(1);
    uint16_t object = memory_.Word(static_cast<uint16_t>(sp_ - parameterBytes));
    if (object == 0) return Fault(vfNullPointer);
    Invoke(static_cast<uint16_t>(memory_.Word(object) + U8(2)));
}

void OruMachine::Return(bool withValue) {
    uint16_t value = withValue ? Pop() : 0;
    MethodRecord method = MethodRecord::Read(memory_, method_);
    uint16_t link = static_cast<uint16_t>(frame_ + method.LinkOffset());
    uint16_t caller = memory_.Word(link);
    if (caller == kNoClass) {
        outcome_.kind = Outcome::Kind::Ended;
        return;
    }
    sp_ = frame_;
    method_ = caller;
    frame_ = memory_.Word(static_cast<uint16_t>(link + 2));
    pc_ = static_cast<uint16_t>(memory_.Word(static_cast<uint16_t>(link + 4)) + 2);
    LeaveGraceIfBelow();
    if (withValue) Push(value);
}

void OruMachine::LeaveGraceIfBelow() {
    if (graceFrame_ != 0 && frame_ < graceFrame_) graceFrame_ = 0;
}

}  // namespace orusim

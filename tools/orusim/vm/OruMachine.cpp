#include "tools/orusim/vm/OruMachine.h"

#include <algorithm>

#include "tools/orusim/MemoryLayout.h"

namespace orusim {

OruMachine::OruMachine(IMachineHost& host) : host_(host) {}

bool OruMachine::Load(const std::vector<uint8_t>& image) {
    memory_.Load(image);
    header_ = OruHeader::Read(memory_);
    executed_ = 0;
    faultAt_ = graceFrame_ = inputAt_ = 0;
    inputArgumentBytes_ = 0;
    registers_.fill(0);
    sram_.fill(0);
    pins_.fill(false);
    timerStart_ = host_.Now();
    heap_ = kHeapTop;
    staticBase_ = static_cast<uint16_t>(kTotalMemory - header_.staticBytes - 1);
    // The stack never overwrites the image, whatever the header says.
    size_t imageEnd = std::min<size_t>(image.size(), kHeapTop);
    stackBase_ = std::max<uint16_t>(header_.stackBase, static_cast<uint16_t>(imageEnd));
    if (image.size() < kImageHeaderSize) return false;

    // main's frame lies exactly at the stack base; it has no caller.
    MethodRecord main = MethodRecord::Read(memory_, header_.mainMethod);
    method_ = header_.mainMethod;
    frame_ = stackBase_;
    uint16_t link = static_cast<uint16_t>(frame_ + main.LinkOffset());
    memory_.SetWord(link, kNoClass);
    memory_.SetWord(static_cast<uint16_t>(link + 2), 0);
    memory_.SetWord(static_cast<uint16_t>(link + 4), 0);
    sp_ = static_cast<uint16_t>(link + kFrameLinkBytes);
    pc_ = at_ = main.target;
    return true;
}

void OruMachine::Push(uint16_t value) {
    if (sp_ + 2 > heap_) return Exhausted();
    memory_.SetWord(sp_, value);
    sp_ = static_cast<uint16_t>(sp_ + 2);
}

void OruMachine::FinishInput(int value) {
    at_ = inputAt_;
    sp_ = static_cast<uint16_t>(sp_ - inputArgumentBytes_);
    PushInt(value < 0 ? -1 : value & 0xFF);
    Next(3);
}

}  // namespace orusim

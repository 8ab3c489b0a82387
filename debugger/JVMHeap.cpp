#include "debugger/JVMHeap.h"

#include <algorithm>
#include <cstdlib>

#include "devicelink/SXComm.h"
#include "foundation/EError.h"
#include "foundation/Messages.h"

namespace {
constexpr int32_t OutsideMemoryError = 99;
}

TJVMHeap::~TJVMHeap()
{
    TJVMHeap::Clear();
}

void TJVMHeap::Clear()
{
    for (int32_t i = 0; i < count_; ++i) {
        std::free(blocks_[i].Buffer);
        blocks_[i] = {};
    }
    count_ = 0;
}

int32_t TJVMHeap::FindBlock(int32_t address, int32_t length) const
{
    for (int32_t i = 0; i < count_; ++i) {
        const int32_t start = int32_t(blocks_[i].Address);
        if (start <= address && start + int32_t(blocks_[i].Length) >= address + length) return i;
    }
    return -1;
}

void TJVMHeap::Fetch(int32_t address, int32_t length)
{
    if (FindBlock(address, length) >= 0) return;
    if (!session_) throw EError(ecIDE, 1, OutsideMemoryError);
    if (address < 0 || length < 0 || address + length > AddressLimit) throw EError(ecIDE, 1, OutsideMemoryError);
    // Full: the newest block makes room; the other 49 stay.
    if (count_ == BlockCapacity) {
        --count_;
        std::free(blocks_[count_].Buffer);
        blocks_[count_] = {};
    }
    uint8_t* buffer = static_cast<uint8_t*>(std::malloc(size_t(std::max(length, 1))));
    CheckAlloc(buffer);
    int32_t heapPointer = 0;
    try {
        session_->QueryHeap(uint16_t(address), uint16_t(length), heapPointer, buffer);
    } catch (...) {
        std::free(buffer);
        throw;
    }
    heapPointer_ = heapPointer;
    blocks_[count_++] = {uint32_t(address), uint32_t(length), buffer};
}

uint8_t TJVMHeap::ReadByte(int32_t address)
{
    if (address < 0 || address >= AddressLimit) throw EError(ecIDE, 1, OutsideMemoryError);
    int32_t index = FindBlock(address, 1);
    if (index < 0) {
        // The window moves inside the 16-bit address space near either end.
        Fetch(std::clamp(address - MissBefore, 0, AddressLimit - MissLength), MissLength);
        index = FindBlock(address, 1);
        if (index < 0) throw EError(ecIDE, 1, OutsideMemoryError);
    }
    return blocks_[index].Buffer[address - int32_t(blocks_[index].Address)];
}

uint16_t TJVMHeap::ReadWord(int32_t address)
{
    const uint8_t high = ReadByte(address);
    return uint16_t(high << 8 | ReadByte(address + 1));
}

void TJVMHeap::SetSession(TSXComm* session)
{
    Clear();
    session_ = session;
    if (session_) Fetch(0, 1);
}

int32_t TJVMHeap::HeapUsed()
{
    ReadByte(0);
    return HeapTop - heapPointer_;
}

#pragma once
#include <cstdint>

class TSXComm;

// A cache of blocks of module memory, read through the link's heap query.
// Emptied at every refresh of the data window; a miss fetches 20 bytes
// around the wanted byte.
class TJVMHeap {
public:
    static constexpr int32_t BlockCapacity = 50;
    static constexpr int32_t MissBefore = 5;
    static constexpr int32_t MissLength = 20;
    static constexpr int32_t AddressLimit = 0x10000;  // module addresses are 16-bit
    static constexpr int32_t HeapTop = 32768;         // the heap grows down from here

    TJVMHeap() = default;
    virtual ~TJVMHeap();
    TJVMHeap(const TJVMHeap&) = delete;
    TJVMHeap& operator=(const TJVMHeap&) = delete;

    // Frees every block.
    virtual void Clear();
    // Makes one block cover [address, address + length).
    virtual void Fetch(int32_t address, int32_t length);

    // IDE-1 (99) for an address outside the module's memory.
    uint8_t ReadByte(int32_t address);
    // A 16-bit word, high byte first.
    uint16_t ReadWord(int32_t address);
    // The first block covering [address, address + length), or -1.
    int32_t FindBlock(int32_t address, int32_t length) const;
    // Empties the cache, stores the link (not owned) and fetches [0, 1).
    void SetSession(TSXComm* session);
    // Heap bytes in use.
    int32_t HeapUsed();

    int32_t BlockCount() const { return count_; }
    int32_t BlockAddress(int32_t index) const { return int32_t(blocks_[index].Address); }
    int32_t BlockLength(int32_t index) const { return int32_t(blocks_[index].Length); }
    int32_t HeapPointer() const { return heapPointer_; }

private:
    struct Block {
        uint32_t Address = 0;
        uint32_t Length = 0;
        uint8_t* Buffer = nullptr;
    };

    Block blocks_[BlockCapacity];
    int32_t count_ = 0;
    int32_t heapPointer_ = 0;
    TSXComm* session_ = nullptr;
};

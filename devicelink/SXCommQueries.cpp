// The four queries: status, configuration, stack and heap.
#include <cstring>
#include <new>
#include <vector>

#include "devicelink/JVMStack.h"
#include "devicelink/LinkCodes.h"
#include "devicelink/SXComm.h"
#include "devicelink/SerialTrace.h"
#include "foundation/EError.h"
#include "foundation/Messages.h"

namespace {

constexpr int32_t SmallReplyCapacity = 100;
constexpr int32_t StatusReplyLength = 6;
constexpr int32_t ConfigReplyLength = 8;
constexpr int32_t StackReplyHeader = 7;  // code and three values
constexpr int32_t StackReplyMinimum = 8;  // header and checksum
constexpr int32_t HeapReplyOverhead = 4;  // code, value, last byte
constexpr int32_t HeapBufferSlack = 40;

void CheckLength(int32_t length, int32_t expected)
{
    if (length != expected) throw EError(ecIDE, 10, int(length));
}

void CheckChecksum(const uint8_t* reply, int32_t length)
{
    if (!TSXComm::VerifyChecksum(reply, length)) throw EError(ecIDE, 9);
}

void CheckCode(const uint8_t* reply, uint8_t command)
{
    if (reply[0] != (command | kAckBit)) throw EError(ecIDE, 10, int(reply[0]));
}

int32_t LowHigh(const uint8_t* bytes)
{
    return bytes[0] | bytes[1] << 8;
}

}  // namespace

void TSXComm::QueryStatus(int32_t& pc, int32_t& activity, uint8_t& bytecode)
{
    CommandExchange([&] {
        if (ComTrace(1)) DebugPrintf("TSXComm::QueryStatus");
        SendCommand(kComQueryStatus);
        uint8_t reply[SmallReplyCapacity];
        int32_t length = SmallReplyCapacity;
        ReceivePacket(reply, length);
        CheckLength(length, StatusReplyLength);
        CheckChecksum(reply, length);
        CheckCode(reply, kComQueryStatus);
        pc = LowHigh(reply + 1) - 1;
        activity = reply[3];
        bytecode = reply[4];
    });
}

void TSXComm::QueryConfig(int32_t& a, int32_t& b, int32_t& c)
{
    CommandExchange([&] {
        if (ComTrace(1)) DebugPrintf("TSXComm::QueryConfig");
        SendCommand(kComQueryConfig);
        uint8_t reply[SmallReplyCapacity];
        int32_t length = SmallReplyCapacity;
        ReceivePacket(reply, length);
        CheckLength(length, ConfigReplyLength);
        CheckChecksum(reply, length);
        CheckCode(reply, kComQueryConfig);
        a = LowHigh(reply + 1);
        b = LowHigh(reply + 3);
        c = LowHigh(reply + 5);
    });
}

void TSXComm::QueryStack(TJVMStack& stack)
{
    CommandExchange([&] {
        if (ComTrace(1)) DebugPrintf("TSXComm::QueryStack");
        SendCommand(kComQueryStack);
        std::vector<uint8_t> reply(StackReplyCapacity);
        int32_t length = StackReplyCapacity;
        ReceivePacket(reply.data(), length);
        // Too short to hold its values: not a stack of negative size.
        if (length < StackReplyMinimum) throw EError(ecIDE, 10, int(length));
        CheckChecksum(reply.data(), length);
        CheckCode(reply.data(), kComQueryStack);
        stack.SetData(reply.data() + StackReplyHeader, length - StackReplyMinimum);
        stack.SetValue1(LowHigh(&reply[1]));
        stack.SetValue2(LowHigh(&reply[3]));
        stack.SetValue3(LowHigh(&reply[5]));
    });
}

void TSXComm::QueryHeap(uint16_t address, uint16_t length, int32_t& value, uint8_t* destination)
{
    CommandExchange([&] {
        if (ComTrace(1)) DebugPrintf("TSXComm::QueryHeap");
        const int32_t capacity = int32_t(length) + HeapBufferSlack;
        std::vector<uint8_t> reply;
        try {
            reply.resize(size_t(capacity));
        } catch (const std::bad_alloc&) {
            throw EError(ecSYS, 30);
        }
        const uint8_t query[] = {kComQueryHeap, uint8_t(address >> 8), uint8_t(address), uint8_t(length >> 8),
                                 uint8_t(length)};
        TransmitPacket(query, int32_t(sizeof query));
        int32_t received = capacity;
        ReceivePacket(reply.data(), received);
        CheckLength(received, int32_t(length) + HeapReplyOverhead);
        CheckCode(reply.data(), kComQueryHeap);
        if (length > 0) std::memcpy(destination, reply.data() + 3, length);
        value = reply[1] * 256 + reply[2];
    });
}

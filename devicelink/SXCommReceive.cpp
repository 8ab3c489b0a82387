#include <algorithm>
#include <cerrno>

#include "devicelink/LinkCodes.h"
#include "devicelink/PortFailure.h"
#include "devicelink/SXComm.h"
#include "devicelink/SerialTrace.h"
#include "foundation/EError.h"
#include "foundation/Messages.h"

namespace {

constexpr int64_t WaitSliceMs = 5;
constexpr int32_t PacketByteMs = 1000, PacketWholeMs = 2000;
constexpr int32_t RunningPacketByteMs = 5000, RunningPacketWholeMs = 6000;

}  // namespace

void TSXComm::WaitForData(std::initializer_list<WaitLimit> limits)
{
    for (bool first = true;; first = false) {
        if (host_.HasLinkWorker()) host_.CheckCancel();
        const int64_t now = clock_.TickCount();
        int64_t left = WaitSliceMs, since = now;
        for (const WaitLimit& limit : limits) {
            left = std::min(left, limit.timeoutMs - (now - limit.start));
            since = std::min(since, limit.start);
        }
        // A byte already waiting ends the wait at once; one that comes only
        // after a limit has passed comes too late.
        if ((first || left >= 0) && CharAvailable()) return;
        if (left < 0) throw EError(ecIDE, 22);
        // A line whose far end is gone answers no more.
        if (port_.HungUp()) throw LineLostError(port_, EIO);
        host_.LinkWaiting(now - since);
        // At the limit itself wait one millisecond more: the first moment past it.
        port_.WaitReadable(int32_t(std::max<int64_t>(left, 1)));
    }
}

void TSXComm::CheckLimit(const WaitLimit& limit) const
{
    if (clock_.TickCount() - limit.start > limit.timeoutMs) throw EError(ecIDE, 22);
}

uint8_t TSXComm::ReadByteOrRaise()
{
    uint8_t byte = 0;
    if (!port_.ReadChar(byte)) throw EError(ecIDE, 8, int(port_.GetLastError()));
    return byte;
}

uint8_t TSXComm::ReceiveByte(int32_t timeoutMs, std::optional<uint8_t> answer, std::optional<WaitLimit> messages)
{
    int64_t start = clock_.TickCount();
    if (!JobOptions().debugIgnoreEchoes) {
        while (echoCount_ > 0) {
            WaitForData({{start, timeoutMs}});
            uint8_t echo = ReadByteOrRaise();
            if (TakeMessageByte(echo, messages)) continue;
            const std::optional<uint8_t> awaited = AwaitedEcho();
            if (answer && echo == *answer && awaited && *awaited != echo) return echo;
            if (ComTrace(3)) DebugPrintf("Discarding echo 0x%2.2X '%c'", echo, TraceChar(echo));
            --echoCount_;
        }
    }
    start = clock_.TickCount();
    for (;;) {
        WaitForData({{start, timeoutMs}});
        uint8_t byte = ReadByteOrRaise();
        if (TakeMessageByte(byte, messages)) continue;
        if (ComTrace(3)) DebugPrintf("Got character 0x%2.2X '%c'", byte, TraceChar(byte));
        return byte;
    }
}

void TSXComm::WaitForAck(uint8_t code, int32_t timeoutMs)
{
    Exchange([&] {
        const int64_t start = clock_.TickCount();
        for (;;) {
            CheckLimit({start, timeoutMs});
            WaitForData({{start, timeoutMs}});
            // The byte waiting may be an echo: the answer behind it gets what is
            // left of the acknowledgement's own time-out when that is longer.
            const int64_t left = timeoutMs - (clock_.TickCount() - start);
            // An input request answered meanwhile may have its echo behind the
            // acknowledgement; a message begun ahead of either is no answer.
            uint8_t byte = ReceiveByte(int32_t(std::max<int64_t>(ReceiveByteTimeoutMs, left)), code | kAckBit,
                                       WaitLimit{start, timeoutMs});
            if (ComTrace(3))
                DebugPrintf("TSXComm::received byte $%2.2X '%c' in %dms", byte, TraceChar(byte),
                            int(clock_.TickCount() - start));
            if (byte == (code | kAckBit)) return;
            ReceiveData(&byte, 1, host_.CurrentImage());
        }
    });
}

void TSXComm::StartPacket(int32_t& count, bool& escape)
{
    count = 0;
    escape = false;
}

void TSXComm::ReceivePacket(uint8_t* buffer, int32_t& length)
{
    const int32_t byteMs = running_ ? RunningPacketByteMs : PacketByteMs;
    const int32_t wholeMs = running_ ? RunningPacketWholeMs : PacketWholeMs;
    const int32_t capacity = length;
    int32_t count;
    bool escape;
    StartPacket(count, escape);
    // The whole-packet limit runs from the first packet's start: packets
    // thrown away for the bytes behind them, or flags over and over, do not
    // restart it, and bytes that keep coming do not hold the wait past it.
    const int64_t packetStart = clock_.TickCount();
    bool flagSeen = false;
    const WaitLimit whole{packetStart, wholeMs};
    for (;;) {
        WaitForData({{clock_.TickCount(), byteMs}, whole});
        // No reply starts with a message start: until its first byte, messages are the receive path's.
        const std::optional<WaitLimit> messages =
            count == 0 && !escape ? std::optional<WaitLimit>(whole) : std::nullopt;
        uint8_t byte = ReceiveByte(ReceiveByteTimeoutMs, std::nullopt, messages);
        if (byte == kPacketFlag && count == 0) {
            if (ComTrace(3)) DebugPrintf("Flag - resetting");
            if (flagSeen) CheckLimit(whole);
            flagSeen = true;
            continue;
        }
        if (byte == kPacketFlag) {
            if (ComTrace(3)) DebugPrintf("Flag - end");
            if (!CharAvailable()) break;
            DebugPrintf("Discarding packet");
            CheckLimit(whole);
            StartPacket(count, escape);
            continue;
        }
        if (byte == kPacketEscape) {
            if (ComTrace(3)) DebugPrintf("Escape");
            escape = true;
            continue;
        }
        if (escape) {
            byte ^= kEscapeXor;
            if (ComTrace(3)) DebugPrintf("Escaped data");
        }
        if (count >= capacity) throw EError(ecIDE, 11);  // no room at all
        buffer[count++] = byte;
        if (ComTrace(3)) DebugPrintf("Receive 0x%2.2X '%c'", byte, TraceChar(byte));
        // The byte that fills the buffer is one too many.
        if (count >= capacity) throw EError(ecIDE, 11);
        escape = false;
    }
    length = count;
}

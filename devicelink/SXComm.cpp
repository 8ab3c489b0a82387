#include "devicelink/SXComm.h"

#include <vector>

#include "devicelink/LinkCodes.h"
#include "devicelink/SerialTrace.h"
#include "foundation/EError.h"
#include "foundation/Messages.h"

TSXComm::TSXComm(ICommPort& port, ILinkHost& host, IClock& clock) : port_(port), host_(host), clock_(clock)
{
    SetRunning(false);
}

TSXComm::~TSXComm()
{
    if (port_.Connected()) port_.Disconnect();
}

void TSXComm::TransmitByte(uint8_t byte)
{
    if (ComTrace(3)) DebugPrintf("Transmit: $%2.2X '%c'", byte, TraceChar(byte));
    if (port_.SendData(&byte, 1) != 1) throw EError(ecIDE, 7, int(port_.GetLastError()));
    ++echoCount_;
    NoteSent(&byte, 1);
}

void TSXComm::NoteSent(const uint8_t* data, int32_t n)
{
    for (int32_t i = 0; i < n; ++i) sent_[sentTotal_++ % SentMemory] = data[i];
}

std::optional<uint8_t> TSXComm::AwaitedEcho() const
{
    const uint64_t back = uint64_t(echoCount_);
    if (echoCount_ <= 0 || back > SentMemory || back > sentTotal_) return std::nullopt;
    return sent_[(sentTotal_ - back) % SentMemory];
}

void TSXComm::TransmitPacket(const uint8_t* data, int32_t n)
{
    std::vector<uint8_t> stuffed;
    stuffed.reserve(size_t(n > 0 ? 2 * n : 0));
    for (int32_t i = 0; i < n; ++i) {
        uint8_t byte = data[i];
        if (byte == kPacketEscape || byte == kPacketFlag) {
            stuffed.push_back(kPacketEscape);
            byte ^= kEscapeXor;
        }
        stuffed.push_back(byte);
    }
    if (ComTrace(3)) DebugPrintf("Transmiting packet");
    const int32_t length = int32_t(stuffed.size());
    echoCount_ += length;
    NoteSent(stuffed.data(), length);
    if (port_.SendData(stuffed.data(), length) != length) throw EError(ecIDE, 7, int(port_.GetLastError()));
}

uint8_t TSXComm::Checksum(const uint8_t* data, int32_t n)
{
    uint8_t sum = 0;
    for (int32_t i = 0; i < n; ++i) sum = uint8_t(sum + data[i]);
    return uint8_t(0x100 - sum);
}

bool TSXComm::VerifyChecksum(const uint8_t* data, int32_t n)
{
    return Checksum(data, n) == 0;
}

bool TSXComm::CharAvailable()
{
    return port_.CharCount() > 0;
}

void TSXComm::SendCommand(uint8_t code)
{
    if (ComTrace(1)) DebugPrintf("TSXComm::SendCommand(%d)", code);
    TransmitByte(code);
}

void TSXComm::SendSimpleCommand(uint8_t code)
{
    if (ComTrace(1)) DebugPrintf("TSXComm::SendSimpleCommand(%d)", code);
    TransmitByte(code);
    WaitForAck(code, SimpleCommandAckMs);
}

void TSXComm::SetRunning(bool running)
{
    host_.StopJog();
    running_ = running;
}

// Module messages and terminal input: the collector is complete; what a
// message does and how an input request is answered from the terminal come
// with the module commands.
#include "devicelink/LinkCodes.h"
#include "devicelink/SXComm.h"
#include "foundation/Messages.h"

int32_t TSXComm::CollectMessage(const uint8_t* data, int32_t n, CORULinker* linker, int32_t start)
{
    for (int32_t i = start; i < n; ++i) {
        uint8_t byte = data[i];
        if (byte == kPacketEscape) {
            messageEscape_ = true;
            continue;
        }
        if (byte == kPacketFlag) {
            inMessage_ = false;
            DispatchMessage(linker);
            return i + 1;
        }
        if (messageEscape_) {
            byte ^= kEscapeXor;
            messageEscape_ = false;
        }
        if (messageLength_ < MessageCapacity)
            message_[messageLength_++] = byte;
        else
            DebugPrintf("Message buffer length exceeded");
    }
    return n;
}

void TSXComm::DispatchMessage(CORULinker*)
{
}

void TSXComm::SendTerminalInput()
{
    TransmitByte(kComNoInput);
}

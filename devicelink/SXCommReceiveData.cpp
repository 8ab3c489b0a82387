#include <algorithm>

#include "devicelink/LinkCodes.h"
#include "devicelink/SXComm.h"
#include "devicelink/SerialTrace.h"
#include "foundation/EError.h"
#include "foundation/Messages.h"

void TSXComm::ReceiveData(const uint8_t* data, int32_t n, CORULinker* linker)
{
    // A session that is ending handles nothing more: the host deletes the
    // link once the current command or poll has returned.
    if (sessionEnding_) return;
    // The chunk is one exchange: what its messages ask for runs after it.
    Exchange([&] {
        try {
            HandleChunk(data, n, linker);
        } catch (const EError& error) {
            error.Report();
        }
    });
}

void TSXComm::HandleChunk(const uint8_t* data, int32_t n, CORULinker* linker)
{
    int32_t i = 0;
    if (inMessage_) i = CollectMessage(data, n, linker, 0);
    // Only bytes still in the chunk can be echoes.
    const int32_t echoes = std::clamp(echoCount_, 0, n - i);
    echoCount_ -= echoes;
    i += echoes;
    while (i < n && !sessionEnding_) {
        const uint8_t byte = data[i++];
        if (byte == kComMessage) {
            messageEscape_ = false;
            inMessage_ = true;
            messageLength_ = 0;
            i = CollectMessage(data, n, linker, i);
        } else if (byte == kComStartLoad) {
            if (ComTrace(1)) DebugPrintf("TSXComm::Got kComStartLoad");
        } else if (byte == kComInputRequest) {
            SendTerminalInput();
        } else if (IsEndLoad(byte)) {
            if (ComTrace(1)) DebugPrintf("TSXComm::Got kComEndLoad");
        }
    }
}

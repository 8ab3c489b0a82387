#include <algorithm>

#include "devicelink/LinkCodes.h"
#include "devicelink/SXComm.h"
#include "devicelink/SerialTrace.h"
#include "foundation/EError.h"
#include "foundation/Messages.h"
#include "foundation/Options.h"

void TSXComm::ReceiveData(const uint8_t* data, int32_t n, const ILinkImage* image)
{
    // A session that is ending handles nothing more: the host deletes the
    // link once the current command or poll has returned.
    if (sessionEnding_) return;
    // The chunk is one exchange: what its messages ask for runs after it.
    Exchange([&] {
        try {
            HandleChunk(data, n, image);
        } catch (const EError& error) {
            error.Report();
        }
    });
}

void TSXComm::HandleChunk(const uint8_t* data, int32_t n, const ILinkImage* image)
{
    int32_t i = 0;
    if (inMessage_) i = CollectMessage(data, n, image, 0);
    i = SkipEchoes(data, n, image, i);
    while (i < n && !sessionEnding_) {
        const uint8_t byte = data[i++];
        if (byte == kComMessage) {
            i = OpenMessage(data, n, image, i);
        } else if (byte == kComStartLoad) {
            StartLoadOutsideReset();
        } else if (byte == kComInputRequest) {
            SendTerminalInput();
        } else if (IsEndLoad(byte)) {
            if (ComTrace(1)) DebugPrintf("TSXComm::Got kComEndLoad");
        }
    }
}

// Outside a reset the module sends its start byte only when it restarted by
// itself (switched off and on): a batch run's program then starts again from
// its beginning, and the run has failed.
void TSXComm::StartLoadOutsideReset()
{
    if (ComTrace(1)) DebugPrintf("TSXComm::Got kComStartLoad");
    if (JobOptions().TestMode && running_) EError(ecIDE, 57).Report();
}

// The module echoes between its messages, never inside one; but messages it
// began before the byte reached it come first. Only bytes still in the chunk
// can be echoes.
int32_t TSXComm::SkipEchoes(const uint8_t* data, int32_t n, const ILinkImage* image, int32_t i)
{
    while (i < n && echoCount_ > 0 && !sessionEnding_) {
        if (IsMessageStart(data[i])) {
            i = OpenMessage(data, n, image, i + 1);
            continue;
        }
        ++i;
        --echoCount_;
    }
    return i;
}

bool TSXComm::IsMessageStart(uint8_t byte) const
{
    if (byte != kComMessage) return false;
    if (echoCount_ <= 0) return true;
    const std::optional<uint8_t> awaited = AwaitedEcho();
    return awaited && *awaited != kComMessage;
}

bool TSXComm::TakeMessageByte(uint8_t byte, const std::optional<WaitLimit>& limit)
{
    if (!limit || (!inMessage_ && !IsMessageStart(byte))) return false;
    ReceiveData(&byte, 1, host_.CurrentImage());
    // A program that keeps printing does not hold the wait past its limit.
    CheckLimit(*limit);
    return true;
}

int32_t TSXComm::OpenMessage(const uint8_t* data, int32_t n, const ILinkImage* image, int32_t start)
{
    messageEscape_ = false;
    inMessage_ = true;
    messageLength_ = 0;
    return CollectMessage(data, n, image, start);
}

namespace {

constexpr int32_t WaitingChunk = 256;
// A message under way is read to its end before a command goes out, while
// its bytes keep coming.
constexpr int32_t OpenMessageByteMs = 1000;
constexpr int64_t OpenMessageWholeMs = 5000;

}  // namespace

void TSXComm::CommandExchange(const std::function<void()>& body)
{
    Exchange([&] {
        ReceiveWaitingBytes();
        // No command goes out on a link that is being deleted.
        if (!sessionEnding_) body();
    });
}

void TSXComm::ReceiveWaitingBytes()
{
    const int64_t start = clock_.TickCount();
    while (!sessionEnding_) {
        uint8_t chunk[WaitingChunk];
        int32_t n = 0;
        while (n < WaitingChunk && port_.CharCount() > 0 && port_.ReadChar(chunk[n])) ++n;
        if (n > 0)
            ReceiveData(chunk, n, host_.CurrentImage());
        else if (!inMessage_ || port_.HungUp() || !port_.WaitReadable(OpenMessageByteMs))
            return;  // a hung-up line is the command's to report
        if (clock_.TickCount() - start >= OpenMessageWholeMs) return;
    }
}

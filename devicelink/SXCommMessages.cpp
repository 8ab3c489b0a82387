// Module messages: collected across receive chunks, then acted on by type.
#include <memory>
#include <string>

#include "devicelink/LinkCodes.h"
#include "devicelink/SXComm.h"
#include "foundation/EError.h"
#include "foundation/LinInfo.h"
#include "foundation/Messages.h"
#include "foundation/Options.h"

namespace {

constexpr uint8_t kMsgUnknownBytecode = 1;
constexpr uint8_t kMsgStopped = 2;
constexpr uint8_t kMsgText = 3;
constexpr uint8_t kMsgException = 4;
constexpr uint8_t kMsgEnded = 5;

// End column of the position attached to an exception's source line: the
// whole line is selected.
constexpr int32_t ExceptionEndColumn = 100;

}  // namespace

int32_t TSXComm::CollectMessage(const uint8_t* data, int32_t n, const ILinkImage* image, int32_t start)
{
    for (int32_t i = start; i < n; ++i) {
        uint8_t byte = data[i];
        if (byte == kPacketEscape) {
            messageEscape_ = true;
            continue;
        }
        if (byte == kPacketFlag) {
            inMessage_ = false;
            DispatchMessage(image);
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

uint8_t TSXComm::MessageByte(int32_t index) const
{
    return index < messageLength_ ? message_[index] : 0;
}

void TSXComm::DispatchMessage(const ILinkImage* image)
{
    if (messageLength_ == 0) return;
    // Errors are reported here, so that the rest of the chunk is still handled.
    try {
        switch (message_[0]) {
        case 0:
            break;
        case kMsgUnknownBytecode:
            HandleUnknownBytecode(image);
            break;
        case kMsgStopped:
        case kMsgEnded:
            HandleStopOrEnd(image);
            break;
        case kMsgText:
            HandleTerminalText();
            break;
        case kMsgException:
            HandleException(image);
            break;
        default:
            DebugPrintf("Unknown message from Corvane");
            break;
        }
    } catch (const EError& error) {
        error.Report();
    }
}

void TSXComm::HandleUnknownBytecode(const ILinkImage* image)
{
    SetRunning(false);
    host_.RunStopped();
    const bool refresh = CanRefresh(image);
    const EError error(ecIDE, 24, host_.OpcodeName(MessageByte(1)).c_str());
    RunOrDefer([this, refresh, error] {
        if (refresh) {
            try {
                host_.UpdateDebug();
            } catch (const EError&) {
                // The report below says what went wrong.
            }
        }
        throw error;
    });
}

void TSXComm::HandleStopOrEnd(const ILinkImage* image)
{
    if (JobOptions().TestMode) {
        host_.Terminate();
        return;
    }
    if (!running_) return;
    SetRunning(false);
    host_.RunStopped();
    if (CanRefresh(image)) RunOrDefer([this] { host_.UpdateDebug(); });
}

void TSXComm::HandleTerminalText()
{
    const std::string text(reinterpret_cast<const char*>(message_) + 1, size_t(messageLength_ - 1));
    host_.AddText(text.c_str());
}

void TSXComm::HandleException(const ILinkImage* image)
{
    const int32_t classOffset = MessageByte(1) * 256 + MessageByte(2);
    const int32_t pc = MessageByte(3) * 256 + MessageByte(4) - 1;
    std::string className, file;
    int line = 0, javaPc = 0;
    try {
        if (!image) throw EError(ecIDE, 29);
        className = image->ClassNameAt(uint32_t(classOffset));
        file = image->SourceAt(uint32_t(pc), line, javaPc);
    } catch (const EError&) {
        const EError unknown(ecIDE, 42, int(classOffset));
        // The batch run still ends, with what is known in its log.
        if (JobOptions().TestMode) EndTestRun(unknown.Text);
        throw unknown;
    }
    if (JobOptions().TestMode) return EndTestRun(className);
    ReportError(ecIDE, 28, className.c_str());
    MessagePrintfObject(std::make_unique<TLinInfo>(file, line, 1, line, ExceptionEndColumn),
                        "Exception thrown in file '%s' at line %d", file.c_str(), line);
    sessionEnding_ = true;
    deferred_.clear();
    host_.EndDebug();
}

void TSXComm::EndTestRun(const std::string& exception)
{
    if (FILE* log = host_.TestLogFile()) {
        std::fprintf(log, "Exception: %s\n", exception.c_str());
        std::fflush(log);
    }
    host_.Terminate();
}

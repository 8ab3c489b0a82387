#include "foundation/Messages.h"

#include <cstdarg>
#include <cstring>

#include "foundation/EError.h"
#include "foundation/MessageSink.h"

namespace {
void DropTrailingLineFeed(std::string& text) {
    if (!text.empty() && text.back() == '\n') text.pop_back();
}

void CheckFormatLength(const char* format, size_t limit) {
    if (std::strlen(format) > limit) throw EError(ecIDE, 32);
}

void AddMessage(std::unique_ptr<TLinInfo> info, const char* format, va_list args) {
    CheckFormatLength(format, MessageFormatLimit);
    std::string text = FormatLimited(MessageLineCapacity, format, args);
    DropTrailingLineFeed(text);
    CurrentMessageSink().AddLine(std::move(text), std::move(info));
}
}  // namespace

void MessagePrintf(const char* format, ...) {
    va_list args;
    va_start(args, format);
    try {
        AddMessage(nullptr, format, args);
    } catch (...) {
        va_end(args);
        throw;
    }
    va_end(args);
}

void MessagePrintfObject(std::unique_ptr<TLinInfo> info, const char* format, ...) {
    va_list args;
    va_start(args, format);
    try {
        AddMessage(std::move(info), format, args);
    } catch (...) {
        va_end(args);
        throw;
    }
    va_end(args);
}

void DebugPrintf(const char* format, ...) {
    CheckFormatLength(format, DebugFormatLimit);
    static const char prefix[] = "[Debug] ";
    va_list args;
    va_start(args, format);
    std::string text = FormatLimited(DebugTextCapacity, format, args);
    va_end(args);
    DropTrailingLineFeed(text);
    std::string line = prefix + text;
    if (line.size() > DebugLineCapacity) line.resize(DebugLineCapacity);
    CurrentMessageSink().AddLine(std::move(line), nullptr);
}

void CheckAlloc(const void* pointer) {
    if (!pointer) throw EError(ecSYS, 30);
}

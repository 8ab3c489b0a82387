#pragma once
#include <memory>
#include <string>

#include "foundation/LinInfo.h"

// Where message, error and debug lines go. The main window's message list is
// one sink; tests and tools use others. AddLine may be called on any thread;
// a sink bound to a GUI thread must carry lines there in order.
class IMessageSink {
public:
    virtual ~IMessageSink() = default;
    virtual void AddLine(std::string text, std::unique_ptr<TLinInfo> info) = 0;
};

// The current sink (never null: standard error when none was set).
IMessageSink& CurrentMessageSink();

// Installs a sink (nullptr restores standard error); returns the previous one.
IMessageSink* SetMessageSink(IMessageSink* sink);

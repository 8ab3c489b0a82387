#pragma once
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <utility>

#include "foundation/MessageSink.h"

// Hands lines from any thread to a target sink on the owner thread (the one
// that created it), in the order in which they were added. A line added on
// another thread waits in a queue and `post` asks the owner thread to call
// Deliver (a GUI binds it to a queued call on its event loop); a line added on
// the owner thread first delivers the lines waiting before it.
class TQueuedMessageSink : public IMessageSink {
public:
    TQueuedMessageSink(IMessageSink& target, std::function<void()> post);

    void AddLine(std::string text, std::unique_ptr<TLinInfo> info) override;
    void Deliver();  // owner thread only

private:
    using Line = std::pair<std::string, std::unique_ptr<TLinInfo>>;

    IMessageSink& target_;
    std::function<void()> post_;
    std::thread::id owner_;
    std::mutex mutex_;
    std::deque<Line> pending_;
};

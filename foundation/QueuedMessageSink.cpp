#include "foundation/QueuedMessageSink.h"

TQueuedMessageSink::TQueuedMessageSink(IMessageSink& target, std::function<void()> post)
    : target_(target), post_(std::move(post)), owner_(std::this_thread::get_id()) {}

void TQueuedMessageSink::AddLine(std::string text, std::unique_ptr<TLinInfo> info) {
    bool first;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        first = pending_.empty();
        pending_.emplace_back(std::move(text), std::move(info));
    }
    if (std::this_thread::get_id() == owner_)
        Deliver();
    else if (first && post_)
        post_();
}

void TQueuedMessageSink::Deliver() {
    for (;;) {
        Line line;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (pending_.empty()) return;
            line = std::move(pending_.front());
            pending_.pop_front();
        }
        target_.AddLine(std::move(line.first), std::move(line.second));
    }
}

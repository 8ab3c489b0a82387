#include "tools/orusim/OutputQueue.h"

#include <algorithm>

namespace orusim {

void OutputQueue::Push(OutputUnit unit, int delayMs) {
    if (unit.bytes.empty()) return;
    int64_t now = clock_.TickCount();
    if (delayMs > 0) {
        scheduled_.push_back(Scheduled{now + delayMs, order_++, std::move(unit)});
        return;
    }
    PromoteDue(now);
    Enqueue(std::move(unit), now);
}

void OutputQueue::Enqueue(OutputUnit unit, int64_t now) {
    Queued queued{std::move(unit), 0, now};
    if (!queued.unit.echo && !queued.unit.begun) {
        queue_.push_back(std::move(queued));
        return;
    }
    size_t at = 0;
    while (at < queue_.size() && (queue_[at].sent > 0 || queue_[at].unit.begun)) ++at;
    if (queued.unit.echo)
        while (at < queue_.size() && queue_[at].unit.echo && queue_[at].sent == 0) ++at;
    queue_.insert(queue_.begin() + static_cast<long>(at), std::move(queued));
}

void OutputQueue::PromoteDue(int64_t now) {
    std::stable_sort(scheduled_.begin(), scheduled_.end(), [](const Scheduled& a, const Scheduled& b) {
        return a.due != b.due ? a.due < b.due : a.order < b.order;
    });
    size_t due = 0;
    while (due < scheduled_.size() && scheduled_[due].due <= now) ++due;
    for (size_t i = 0; i < due; ++i) Enqueue(std::move(scheduled_[i].unit), now);
    scheduled_.erase(scheduled_.begin(), scheduled_.begin() + static_cast<long>(due));
}

std::vector<uint8_t> OutputQueue::Take(size_t max) {
    int64_t now = clock_.TickCount();
    PromoteDue(now);
    std::vector<uint8_t> out;
    while (out.size() < max && !queue_.empty()) {
        Queued& front = queue_.front();
        if (front.readyAt > now) break;
        out.push_back(front.unit.bytes[front.sent++]);
        if (front.sent == front.unit.bytes.size()) {
            queue_.pop_front();
            continue;
        }
        int wait = front.unit.perByteMs;
        for (const Pause& pause : front.unit.pauses)
            if (pause.first == front.sent) wait += pause.second;
        front.readyAt = now + wait;
    }
    return out;
}

int64_t OutputQueue::NextReadyTime() {
    PromoteDue(clock_.TickCount());
    int64_t next = -1;
    if (!queue_.empty()) next = queue_.front().readyAt;
    for (const Scheduled& s : scheduled_)
        if (next < 0 || s.due < next) next = s.due;
    return next;
}

size_t OutputQueue::PendingBytes() const {
    size_t total = 0;
    for (const Queued& queued : queue_) total += queued.unit.bytes.size() - queued.sent;
    for (const Scheduled& scheduled : scheduled_) total += scheduled.unit.bytes.size();
    return total;
}

void OutputQueue::Clear() {
    queue_.clear();
    scheduled_.clear();
}

}  // namespace orusim

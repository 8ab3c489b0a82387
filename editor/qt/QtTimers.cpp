#include "editor/qt/QtTimers.h"

void TQtTimers::Start(int Id, int IntervalMs) {
    std::unique_ptr<QTimer>& timer = timers_[Id];
    if (!timer) {
        timer = std::make_unique<QTimer>();
        timer->callOnTimeout([this, Id] { fired_(Id); });
    }
    timer->start(std::max(IntervalMs, 0));
}

void TQtTimers::Stop(int Id) {
    auto found = timers_.find(Id);
    if (found != timers_.end()) {
        found->second->stop();
    }
}

bool TQtTimers::Running(int Id) const {
    auto found = timers_.find(Id);
    return found != timers_.end() && found->second->isActive();
}

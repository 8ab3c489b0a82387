#include "platform/PollTimer.h"

#include <QMetaObject>

PollTimer::PollTimer(IPolledPort& port, QObject* parent) : QObject(parent), port_(port)
{
    connect(&timer_, &QTimer::timeout, this, [this] { port_.Poll(); });
    port_.SetPollListener([this] { ScheduleUpdate(); });
    UpdateTimer();
}

PollTimer::~PollTimer()
{
    port_.SetPollListener({});
}

void PollTimer::ScheduleUpdate()
{
    // Queued even on the owning thread: the listener may be called from
    // inside a poll, and the timer is best changed outside it.
    QMetaObject::invokeMethod(this, [this] { UpdateTimer(); }, Qt::QueuedConnection);
}

void PollTimer::UpdateTimer()
{
    if (!port_.PollActive()) {
        timer_.stop();
        return;
    }
    int interval = port_.PollInterval();
    if (!timer_.isActive() || timer_.interval() != interval) timer_.start(interval);
}

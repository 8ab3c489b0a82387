#pragma once
#include <QObject>
#include <QTimer>

#include "platform/PolledPort.h"

// Drives an IPolledPort with a QTimer on the thread that owns this object
// (the GUI thread). The port may switch polling on and off from any thread:
// the timer itself is only ever started and stopped on the owning thread.
class PollTimer : public QObject {
public:
    explicit PollTimer(IPolledPort& port, QObject* parent = nullptr);
    ~PollTimer() override;

    bool IsPolling() const { return timer_.isActive(); }
    int Interval() const { return timer_.interval(); }

private:
    void ScheduleUpdate();
    void UpdateTimer();

    IPolledPort& port_;
    QTimer timer_;
};

#pragma once
#include <QTimer>

#include <functional>
#include <map>
#include <memory>

// Repeating timers by number; each tick calls Fired (Id).
class TQtTimers {
public:
    explicit TQtTimers(std::function<void(int)> Fired) : fired_(std::move(Fired)) {}

    void Start(int Id, int IntervalMs);
    void Stop(int Id);
    bool Running(int Id) const;

private:
    std::function<void(int)> fired_;
    std::map<int, std::unique_ptr<QTimer>> timers_;
};

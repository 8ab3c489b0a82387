#pragma once
#include <functional>

// A device that wants to be polled on the GUI thread while it is active.
// Its methods may be called from any thread; the poll timer that drives it
// lives on the GUI thread (platform/PollTimer.h).
class IPolledPort {
public:
    virtual ~IPolledPort() = default;
    // One poll; called on the GUI thread.
    virtual void Poll() = 0;
    // True while polls are wanted.
    virtual bool PollActive() const = 0;
    // Milliseconds between polls.
    virtual int PollInterval() const = 0;
    // Called, on any thread, whenever PollActive or PollInterval may have
    // changed. An empty function removes the listener; once that call has
    // returned the old listener is never called again.
    virtual void SetPollListener(std::function<void()> listener) = 0;
};

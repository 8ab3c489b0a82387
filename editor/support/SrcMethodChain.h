#pragma once
#include <exception>
#include <vector>

#include "editor/support/SrcEvents.h"
#include "editor/support/SrcObject.h"

// Handler(Sender, E, DoContinue) for an exception raised by a handler of a
// chain; leaving DoContinue true goes on with the next handler.
using TSrcExceptionEvent = TEvent<TObject*, const std::exception&, bool&>;

// A list of event handlers fired in the order they were added.
class TSrcMethodChain : public TObject {
public:
    TSrcMethodChain() = default;
    TSrcMethodChain(const TSrcMethodChain&) = delete;
    TSrcMethodChain& operator=(const TSrcMethodChain&) = delete;

    // A handler added twice fires twice; a nil handler raises ESrcMethodChain.
    void Add(const TMethod& AEvent);
    // Removes every entry equal to AEvent.
    void Remove(const TMethod& AEvent);
    // Calls every handler, including those added while firing. A handler's
    // exception goes to OnException, or out of Fire when that is unset.
    void Fire();

    int Count() const { return static_cast<int>(entries_.size()); }

    TSrcExceptionEvent OnException;

protected:
    virtual void DoFire(const TMethod& AEvent) = 0;
    // Called while the exception E is being handled; true goes on.
    virtual bool DoHandleException(const std::exception& E);

private:
    std::vector<TMethod> entries_;
};

// A chain of TNotifyEvent handlers, each called with Sender.
class TSrcNotifyEventChain : public TSrcMethodChain {
public:
    explicit TSrcNotifyEventChain(TObject* ASender) : Sender(ASender) {}

    void Add(const TNotifyEvent& AEvent) { TSrcMethodChain::Add(AEvent.Method()); }
    void Remove(const TNotifyEvent& AEvent) { TSrcMethodChain::Remove(AEvent.Method()); }

    TObject* Sender;

protected:
    void DoFire(const TMethod& AEvent) override;
};

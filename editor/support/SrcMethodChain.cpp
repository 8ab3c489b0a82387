#include "editor/support/SrcMethodChain.h"

#include "editor/support/SrcExceptions.h"

void TSrcMethodChain::Add(const TMethod& AEvent) {
    if (!AEvent.code) {
        throw ESrcMethodChain(
            FormatText("%s.Entry : the parameter `AEvent' must be specified.", ClassName().c_str()));
    }
    entries_.push_back(AEvent);
}

void TSrcMethodChain::Remove(const TMethod& AEvent) {
    if (!AEvent.code) {
        throw ESrcMethodChain(
            FormatText("%s.Remove: the parameter `AEvent' must be specified.", ClassName().c_str()));
    }
    for (size_t i = entries_.size(); i-- > 0;) {
        if (entries_[i] == AEvent) {
            entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(i));
        }
    }
}

void TSrcMethodChain::Fire() {
    for (size_t i = 0; i < entries_.size(); ++i) {
        TMethod entry = entries_[i];
        try {
            DoFire(entry);
        } catch (const std::exception& e) {
            if (!DoHandleException(e)) {
                return;
            }
        }
    }
}

bool TSrcMethodChain::DoHandleException(const std::exception& E) {
    if (!OnException) {
        throw;
    }
    bool doContinue = true;
    try {
        OnException(this, E, doContinue);
    } catch (...) {
        throw ESrcMethodChain(FormatText(
            "%s.DoHandleException : MUST NOT occur any kind of exception in ExceptionHandler",
            ClassName().c_str()));
    }
    return doContinue;
}

void TSrcNotifyEventChain::DoFire(const TMethod& AEvent) {
    TNotifyEvent handler(AEvent);
    handler(Sender);
}

#pragma once
#include "editor/support/SrcEvents.h"

// Counts how often a notify event fired.
struct NotifyCounter {
    void Fired(TObject*) { ++count; }
    TNotifyEvent Event() { return TNotifyEvent::Of<&NotifyCounter::Fired>(this); }

    int count = 0;
};

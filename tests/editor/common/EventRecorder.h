#pragma once
#include <string>
#include <vector>

#include "editor/support/SrcEvents.h"

// Records editor events as text lines ("Inserted 0 1") for comparison.
class EventRecorder {
public:
    void Notify(TObject*) { Log.push_back("Notify"); }
    void Change(TObject*) { Log.push_back("Change"); }
    void Changing(TObject*) { Log.push_back("Changing"); }
    void Cleared(TObject*) { Log.push_back("Cleared"); }
    void Deleted(TObject*, int index, int count) { Add("Deleted", index, count); }
    void Inserted(TObject*, int index, int count) { Add("Inserted", index, count); }
    void Putted(TObject*, int index, int count) { Add("Putted", index, count); }

    TNotifyEvent NotifyEvent() { return TNotifyEvent::Of<&EventRecorder::Notify>(this); }

    std::vector<std::string> Take() {
        std::vector<std::string> log;
        log.swap(Log);
        return log;
    }

    std::vector<std::string> Log;

private:
    void Add(const char* what, int index, int count) {
        Log.push_back(std::string(what) + " " + std::to_string(index) + " " + std::to_string(count));
    }
};

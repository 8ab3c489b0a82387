#include "editor/control/SrcEditKbdHandler.h"

#include <vector>

namespace {
// Sets a chain's re-entry flag for one walk, also when a handler raises.
class TChainGuard {
public:
    explicit TChainGuard(bool& AFlag) : flag_(AFlag) { flag_ = true; }
    ~TChainGuard() { flag_ = false; }
    TChainGuard(const TChainGuard&) = delete;
    TChainGuard& operator=(const TChainGuard&) = delete;

private:
    bool& flag_;
};

// Calls Call(method) for each handler of the walk's start, newest first,
// skipping those removed meanwhile, until Call returns false.
template <typename F>
void Walk(bool& InChain, const TMethodList& List, F Call) {
    if (InChain) {
        return;
    }
    TChainGuard guard(InChain);
    std::vector<TMethodList::Id> ids = List.Snapshot();
    for (size_t i = ids.size(); i-- > 0;) {
        const TMethod* method = List.Find(ids[i]);
        if (method && !Call(*method)) {
            return;
        }
    }
}
}  // namespace

void TSrcEditKbdHandler::ExecuteKeyDown(TObject* Sender, uint16_t& Key, TShiftState Shift) {
    Walk(inKeyDown_, keyDown_, [&](const TMethod& m) {
        TKeyEvent{m}(Sender, Key, Shift);
        return Key != 0;
    });
}

void TSrcEditKbdHandler::ExecuteKeyUp(TObject* Sender, uint16_t& Key, TShiftState Shift) {
    Walk(inKeyUp_, keyUp_, [&](const TMethod& m) {
        TKeyEvent{m}(Sender, Key, Shift);
        return Key != 0;
    });
}

void TSrcEditKbdHandler::ExecuteKeyPress(TObject* Sender, char& Key) {
    Walk(inKeyPress_, keyPress_, [&](const TMethod& m) {
        TKeyPressEvent{m}(Sender, Key);
        return Key != 0;
    });
}

void TSrcEditKbdHandler::ExecuteMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y) {
    Walk(inMouseDown_, mouseDown_, [&](const TMethod& m) {
        TMouseEvent{m}(Sender, Button, Shift, X, Y);
        return true;
    });
}

void TSrcEditKbdHandler::ExecuteMouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y) {
    Walk(inMouseUp_, mouseUp_, [&](const TMethod& m) {
        TMouseEvent{m}(Sender, Button, Shift, X, Y);
        return true;
    });
}

void TSrcEditKbdHandler::ExecuteMouseCursor(TObject* Sender, const TBufferCoord& Position, TCursor& Cursor) {
    Walk(inMouseCursor_, mouseCursor_, [&](const TMethod& m) {
        TMouseCursorEvent{m}(Sender, Position, Cursor);
        return true;
    });
}

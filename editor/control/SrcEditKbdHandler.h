#pragma once
#include <cstdint>

#include "editor/support/SrcCoord.h"
#include "editor/support/SrcEvents.h"
#include "editor/support/SrcInput.h"
#include "editor/support/SrcMethodList.h"

// (Sender, Key, Shift); a handler that sets Key to 0 consumes it.
using TKeyEvent = TEvent<TObject*, uint16_t&, TShiftState>;
// (Sender, Key); a handler that sets Key to #0 consumes it.
using TKeyPressEvent = TEvent<TObject*, char&>;
// (Sender, Button, Shift, X, Y).
using TMouseEvent = TEvent<TObject*, TMouseButton, TShiftState, int, int>;
// (Sender, Position, Cursor).
using TMouseCursorEvent = TEvent<TObject*, const TBufferCoord&, TCursor&>;

// The control's chains of keyboard and mouse handlers. Each chain runs
// newest first and is not entered again from one of its own handlers.
class TSrcEditKbdHandler {
public:
    void AddKeyDownHandler(const TKeyEvent& H) { keyDown_.Add(H.Method()); }
    void RemoveKeyDownHandler(const TKeyEvent& H) { keyDown_.Remove(H.Method()); }
    void AddKeyUpHandler(const TKeyEvent& H) { keyUp_.Add(H.Method()); }
    void RemoveKeyUpHandler(const TKeyEvent& H) { keyUp_.Remove(H.Method()); }
    void AddKeyPressHandler(const TKeyPressEvent& H) { keyPress_.Add(H.Method()); }
    void RemoveKeyPressHandler(const TKeyPressEvent& H) { keyPress_.Remove(H.Method()); }
    void AddMouseDownHandler(const TMouseEvent& H) { mouseDown_.Add(H.Method()); }
    void RemoveMouseDownHandler(const TMouseEvent& H) { mouseDown_.Remove(H.Method()); }
    void AddMouseUpHandler(const TMouseEvent& H) { mouseUp_.Add(H.Method()); }
    void RemoveMouseUpHandler(const TMouseEvent& H) { mouseUp_.Remove(H.Method()); }
    void AddMouseCursorHandler(const TMouseCursorEvent& H) { mouseCursor_.Add(H.Method()); }
    void RemoveMouseCursorHandler(const TMouseCursorEvent& H) { mouseCursor_.Remove(H.Method()); }

    // Stop at the first handler that leaves the key 0.
    void ExecuteKeyDown(TObject* Sender, uint16_t& Key, TShiftState Shift);
    void ExecuteKeyUp(TObject* Sender, uint16_t& Key, TShiftState Shift);
    void ExecuteKeyPress(TObject* Sender, char& Key);
    // Call every handler.
    void ExecuteMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void ExecuteMouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void ExecuteMouseCursor(TObject* Sender, const TBufferCoord& Position, TCursor& Cursor);

private:
    TMethodList keyPress_, keyDown_, keyUp_, mouseDown_, mouseUp_, mouseCursor_;
    bool inKeyPress_ = false, inKeyDown_ = false, inKeyUp_ = false;
    bool inMouseDown_ = false, inMouseUp_ = false, inMouseCursor_ = false;
};

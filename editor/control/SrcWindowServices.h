#pragma once
#include <cstdint>

#include <string>

#include "editor/support/SrcColor.h"
#include "editor/support/SrcCoord.h"
#include "editor/control/SrcEditTypes.h"
#include "editor/support/SrcInput.h"

class TSrcCanvas;

// The largest range a scroll bar is given; longer ranges are scaled.
constexpr int32_t SRC_MAX_SCROLL_RANGE = 32767;

enum TSrcScrollBarKind : uint8_t { sbHorizontal, sbVertical };

// A request of a scroll bar; for the horizontal bar "up" is left and
// "down" is right.
enum TSrcScrollCode : uint8_t {
    scrLineUp,
    scrLineDown,
    scrPageUp,
    scrPageDown,
    scrThumbPosition,
    scrThumbTrack,
    scrTop,
    scrBottom,
    scrEndScroll,
};

// One scroll bar's settings. DisableNoScroll keeps a bar that has nothing
// to scroll visible and disabled.
struct TSrcScrollInfo {
    int32_t Min = 0;
    int32_t Max = 0;
    int32_t Page = 0;
    int32_t Pos = 0;
    bool DisableNoScroll = false;
    bool operator==(const TSrcScrollInfo&) const = default;
};

// Which arrows of a scroll bar are disabled.
enum TSrcScrollArrows : uint8_t { saEnableBoth, saDisableLeftUp, saDisableRightDown, saDisableBoth };

// Keys whose state the control asks for.
enum TSrcStateKey : uint8_t { skShift, skControl, skAlt, skLeftButton };

// What the editor control needs of the window it lives in. The platform
// layer implements it over its widget; the model calls nothing else.
class TSrcWindowServices {
public:
    TSrcWindowServices() = default;
    TSrcWindowServices(const TSrcWindowServices&) = delete;
    TSrcWindowServices& operator=(const TSrcWindowServices&) = delete;
    virtual ~TSrcWindowServices() = default;

    virtual TRect ClientRect() const = 0;
    virtual bool Focused() const = 0;
    virtual bool Visible() const = 0;

    // Repaint Rect (the whole client area when Rect is nil).
    virtual void InvalidateRect(const TRect* Rect, bool Erase) = 0;
    // Moves the pixels of Area by (DX, DY) and repaints what was uncovered.
    virtual void ScrollWindow(int DX, int DY, const TRect& Area) = 0;
    // The frame drawn around the window.
    virtual void SetBorderStyle(TBorderStyle Value) = 0;
    // Paints what is pending now.
    virtual void Update() = 0;

    // Transient painting outside a paint: a canvas over an overlay of the
    // client area that each paint composes last; Clear empties the overlay
    // first. Nil when there is nothing to draw on. Every Begin that gave a
    // canvas is followed by one End, which shows what was drawn.
    virtual TSrcCanvas* BeginTransientPaint(bool Clear) = 0;
    virtual void EndTransientPaint() = 0;

    virtual void SetScrollInfo(TSrcScrollBarKind Bar, const TSrcScrollInfo& Info) = 0;
    virtual void ShowScrollBar(TSrcScrollBarKind Bar, bool Show) = 0;
    virtual void EnableScrollBarArrows(TSrcScrollBarKind Bar, TSrcScrollArrows Arrows) = 0;
    // Height of a scroll bar arrow button.
    virtual int ScrollArrowHeight() const = 0;

    // The scroll hint: a small window holding Text. ScrollHintSize measures it
    // for at most MaxWidth pixels; ShowScrollHint places its top left
    // corner at Pos (client coordinates) in the colour Color.
    virtual TPoint ScrollHintSize(const std::string& Text, int MaxWidth) = 0;
    virtual void ShowScrollHint(const std::string& Text, const TPoint& Pos, TColor Color) = 0;
    virtual void HideScrollHint() = 0;

    virtual void CreateCaret(int Width, int Height) = 0;
    virtual void DestroyCaret() = 0;
    virtual void SetCaretPos(int X, int Y) = 0;
    // False when there is no caret to show or hide.
    virtual bool ShowCaret() = 0;
    virtual bool HideCaret() = 0;

    virtual bool KeyDown(TSrcStateKey Key) const = 0;

    // A repeating timer; the window calls the control's TimerFired(Id).
    virtual void StartTimer(int Id, int IntervalMs) = 0;
    virtual void StopTimer(int Id) = 0;

    // The mouse: capture while a button is held (the window calls the
    // control's CaptureChanged when it loses it), the cursor shape over the
    // window, the pointer in client coordinates, the distance that starts a
    // drag, the lines of one wheel notch (-1: a page).
    virtual void SetMouseCapture(bool Value) = 0;
    virtual bool MouseCapture() const = 0;
    virtual void SetCursor(TCursor Cursor) = 0;
    virtual TPoint CursorPos() const = 0;
    virtual TPoint DragDistance() const = 0;
    virtual int WheelScrollLines() const = 0;
    // Starts dragging the control's selection; the window reports the end
    // through the control's DragEnded.
    virtual void BeginDrag() = 0;
    // Gives the focus to the window, or to Control, one of the control's
    // focus controls.
    virtual void TakeFocus(const void* Control) = 0;
};

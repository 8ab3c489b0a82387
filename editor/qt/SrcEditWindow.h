#pragma once
#include <QPainter>
#include <QRegion>

#include <memory>

#include "editor/control/SrcWindowServices.h"
#include "editor/qt/QtCanvas.h"
#include "editor/qt/QtCaret.h"
#include "editor/qt/QtScrollBars.h"
#include "editor/qt/QtTimers.h"
#include "editor/qt/TransientOverlay.h"

class QAbstractScrollArea;
class QPaintEvent;
class TCustomSrcEdit;

// The window services of an editor control over a Qt scroll area's
// viewport: paint regions, scrolling, the caret, scroll bars and hint,
// timers and the overlay of transient painting.
class TSrcEditWindow : public TSrcWindowServices {
public:
    TSrcEditWindow(QAbstractScrollArea& Area, TCustomSrcEdit& Control);
    ~TSrcEditWindow() override;

    // The viewport's paint event: the control paints each rectangle of
    // the region, then the overlay and the caret are composed.
    void PaintEvent(QPaintEvent& Event);
    void Resized();

    TRect ClientRect() const override;
    bool Focused() const override;
    bool Visible() const override;

    void InvalidateRect(const TRect* Rect, bool Erase) override;
    void ScrollWindow(int DX, int DY, const TRect& Area) override;
    void SetBorderStyle(TBorderStyle Value) override;
    void Update() override;

    TSrcCanvas* BeginTransientPaint(bool Clear) override;
    void EndTransientPaint() override;

    void SetScrollInfo(TSrcScrollBarKind Bar, const TSrcScrollInfo& Info) override;
    void ShowScrollBar(TSrcScrollBarKind Bar, bool Show) override;
    void EnableScrollBarArrows(TSrcScrollBarKind Bar, TSrcScrollArrows Arrows) override;
    int ScrollArrowHeight() const override;

    TPoint ScrollHintSize(const std::string& Text, int MaxWidth) override;
    void ShowScrollHint(const std::string& Text, const TPoint& Pos, TColor Color) override;
    void HideScrollHint() override;

    void CreateCaret(int Width, int Height) override;
    void DestroyCaret() override;
    void SetCaretPos(int X, int Y) override;
    bool ShowCaret() override;
    bool HideCaret() override;

    bool KeyDown(TSrcStateKey Key) const override;

    void StartTimer(int Id, int IntervalMs) override;
    void StopTimer(int Id) override;

    void SetMouseCapture(bool Value) override { captured_ = Value; }
    bool MouseCapture() const override { return captured_; }
    void SetCursor(TCursor Cursor) override;
    TPoint CursorPos() const override;
    TPoint DragDistance() const override;
    int WheelScrollLines() const override;
    void BeginDrag() override;
    void TakeFocus(const void* Control) override;

    // The pointer as the newest mouse or drag event of the viewport saw it.
    void SetPointer(const QPoint& Pos) { pointer_ = Pos; }
    // The capture ends without a release (focus lost, window deactivated).
    void LoseCapture();
    TCursor Cursor() const { return cursor_; }
    bool TimerRunning(int Id) const { return timers_.Running(Id); }

    const TQtCaret& Caret() const { return caret_; }
    TQtScrollBars& ScrollBars() { return scrollBars_; }

private:
    void Repaint(const QRect& Rect);
    
    QAbstractScrollArea& area_;
    TCustomSrcEdit& control_;
    TQtCaret caret_;
    TQtScrollBars scrollBars_;
    TQtTimers timers_;
    TTransientOverlay overlay_;
    std::unique_ptr<QPainter> transientPainter_;
    std::unique_ptr<TQtCanvas> transientCanvas_;
    int transientDepth_ = 0;
    QRegion pending_;  // asked to repaint, not painted yet
    QRegion fresh_;    // to be painted afresh: the overlay goes there
    bool painting_ = false;
    bool captured_ = false;
    QPoint pointer_;
    TCursor cursor_ = crIBeam;
};

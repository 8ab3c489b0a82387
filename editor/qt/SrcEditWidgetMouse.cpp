#include <QMouseEvent>
#include <QWheelEvent>

#include "editor/qt/QtGuardedCall.h"
#include "editor/qt/SrcEditWidget.h"

namespace {
TShiftState MouseShift(Qt::KeyboardModifiers Modifiers, Qt::MouseButtons Buttons) {
    TShiftState shift;
    if (Modifiers.testFlag(Qt::ShiftModifier)) shift.Include(ssShift);
    if (Modifiers.testFlag(Qt::AltModifier)) shift.Include(ssAlt);
    if (Modifiers.testFlag(Qt::ControlModifier)) shift.Include(ssCtrl);
    if (Buttons.testFlag(Qt::LeftButton)) shift.Include(ssLeft);
    if (Buttons.testFlag(Qt::RightButton)) shift.Include(ssRight);
    if (Buttons.testFlag(Qt::MiddleButton)) shift.Include(ssMiddle);
    return shift;
}

TShiftState MouseShift(const QMouseEvent& Event) { return MouseShift(Event.modifiers(), Event.buttons()); }

// False for buttons the control does not know.
bool ToMouseButton(Qt::MouseButton Button, TMouseButton& Result) {
    switch (Button) {
    case Qt::LeftButton: Result = mbLeft; return true;
    case Qt::RightButton: Result = mbRight; return true;
    case Qt::MiddleButton: Result = mbMiddle; return true;
    default: return false;
    }
}
}  // namespace

namespace {
// Call(Button, Shift, X, Y) for a button the control knows; the event's
// position is the window's pointer from now on.
template <typename F>
void ButtonEvent(TSrcEditWindow& Window, QMouseEvent& Event, const char* What, F&& Call) {
    QPoint pos = Event.position().toPoint();
    Window.SetPointer(pos);
    TMouseButton button;
    if (ToMouseButton(Event.button(), button)) {
        QtGuardedCall(What, [&] { Call(button, MouseShift(Event), pos.x(), pos.y()); });
    }
    Event.accept();
}
}  // namespace

void TSrcEditWidget::mousePressEvent(QMouseEvent* Event) {
    ButtonEvent(*window_, *Event, "mouse press",
                [this](TMouseButton Button, TShiftState Shift, int X, int Y) { MouseDown(Button, Shift, X, Y); });
}

void TSrcEditWidget::mouseMoveEvent(QMouseEvent* Event) {
    QPoint pos = Event->position().toPoint();
    window_->SetPointer(pos);
    QtGuardedCall("mouse move", [&] { MouseMove(MouseShift(*Event), pos.x(), pos.y()); });
    Event->accept();
}

void TSrcEditWidget::mouseReleaseEvent(QMouseEvent* Event) {
    ButtonEvent(*window_, *Event, "mouse release",
                [this](TMouseButton Button, TShiftState Shift, int X, int Y) { MouseUp(Button, Shift, X, Y); });
}

// The second press of a double click; a third is an ordinary press.
void TSrcEditWidget::mouseDoubleClickEvent(QMouseEvent* Event) {
    ButtonEvent(*window_, *Event, "double click", [this](TMouseButton Button, TShiftState Shift, int X, int Y) {
        DblClick();
        Shift.Include(ssDouble);
        MouseDown(Button, Shift, X, Y);
    });
}

// The control scrolls; the scroll bar is not moved by the base class.
void TSrcEditWidget::wheelEvent(QWheelEvent* Event) {
    window_->SetPointer(Event->position().toPoint());
    int delta = Event->angleDelta().y();
    if (delta != 0) {
        QtGuardedCall("wheel", [&] { MouseWheel(delta, MouseShift(Event->modifiers(), Event->buttons())); });
    }
    Event->accept();
}

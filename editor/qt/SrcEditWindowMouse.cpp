#include <QAbstractScrollArea>
#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QStyleHints>

#include "editor/control/SrcEdit.h"
#include "editor/qt/QtClipboard.h"
#include "editor/qt/SrcEditWindow.h"

namespace {
Qt::CursorShape QtCursorShape(TCursor Cursor) {
    switch (Cursor) {
    case crIBeam: return Qt::IBeamCursor;
    case crDrag: return Qt::DragMoveCursor;
    case crMultiDrag: return Qt::DragCopyCursor;
    default: return Qt::ArrowCursor;
    }
}
}  // namespace

void TSrcEditWindow::SetCursor(TCursor Cursor) {
    cursor_ = Cursor;
    area_.viewport()->setCursor(QtCursorShape(Cursor));
}

TPoint TSrcEditWindow::CursorPos() const { return Point(pointer_.x(), pointer_.y()); }

TPoint TSrcEditWindow::DragDistance() const {
    int distance = QApplication::startDragDistance();
    return Point(distance, distance);
}

int TSrcEditWindow::WheelScrollLines() const { return QApplication::wheelScrollLines(); }

void TSrcEditWindow::TakeFocus(const void* Control) {
    QWidget* target = Control ? static_cast<QWidget*>(const_cast<void*>(Control)) : &area_;
    target->setFocus(Qt::MouseFocusReason);
}

void TSrcEditWindow::LoseCapture() {
    if (captured_) {
        captured_ = false;
        control_.CaptureChanged();
    }
}

// The drop target does both halves of the move itself and answers a copy;
// no answer at all is a cancelled drag.
void TSrcEditWindow::BeginDrag() {
    std::string text = control_.SelText();
    std::string block(1, static_cast<char>(control_.ActiveSelectionMode()));
    block += text;
    block += '\0';
    auto* drag = new QDrag(&area_);
    drag->setMimeData(MakeSrcMimeData({{kSrcClipboardText, text}, {kSrcClipboardBlock, block}}));
    Qt::DropAction action = drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::CopyAction);
    captured_ = false;
    control_.DragEnded(action != Qt::IgnoreAction);
}

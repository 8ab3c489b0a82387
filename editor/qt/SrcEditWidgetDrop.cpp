#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include <vector>

#include "editor/qt/QtGuardedCall.h"
#include "editor/qt/SrcEditWidget.h"

namespace {
TShiftState DropShift(const QDropEvent& Event) {
    TShiftState shift;
    if (Event.modifiers().testFlag(Qt::ShiftModifier)) shift.Include(ssShift);
    if (Event.modifiers().testFlag(Qt::ControlModifier)) shift.Include(ssCtrl);
    if (Event.modifiers().testFlag(Qt::AltModifier)) shift.Include(ssAlt);
    return shift;
}

// Local file names at full length, in the platform's encoding.
std::vector<std::string> LocalFiles(const QMimeData& Data) {
    std::vector<std::string> files;
    for (const QUrl& url : Data.urls()) {
        if (url.isLocalFile()) {
            files.push_back(url.toLocalFile().toLocal8Bit().toStdString());
        }
    }
    return files;
}
}  // namespace

QObject* TSrcEditWidget::DropSource(const QDropEvent& Event) const { return Event.source(); }

TCustomSrcEdit* TSrcEditWidget::DraggedEditor(const QDropEvent& Event) const {
    return dynamic_cast<TSrcEditWidget*>(DropSource(Event));
}

void TSrcEditWidget::DragOverEvent(QDragMoveEvent& Event, TDragState State) {
    QPoint pos = Event.position().toPoint();
    window_->SetPointer(pos);
    TCustomSrcEdit* source = DraggedEditor(Event);
    if (!source) {
        bool files = Options().Contains(eoDropFiles) && !LocalFiles(*Event.mimeData()).empty();
        files ? Event.acceptProposedAction() : Event.ignore();
        return;
    }
    bool accept = false;
    QtGuardedCall("drag over", [&] { DragOver(source, pos.x(), pos.y(), State, DropShift(Event), accept); });
    if (accept) {
        Event.setDropAction(Qt::CopyAction);
        Event.accept();
    } else {
        Event.ignore();
    }
}

void TSrcEditWidget::dragEnterEvent(QDragEnterEvent* Event) { DragOverEvent(*Event, dsDragEnter); }

void TSrcEditWidget::dragMoveEvent(QDragMoveEvent* Event) { DragOverEvent(*Event, dsDragMove); }

void TSrcEditWidget::dragLeaveEvent(QDragLeaveEvent* Event) {
    if (Dragging()) {
        QtGuardedCall("drag leave", [&] {
            bool accept = false;
            DragOver(this, 0, 0, dsDragLeave, {}, accept);
        });
    }
    Event->accept();
}

// The target does the move's deletion in the source itself and answers a
// copy, so that the source deletes nothing again.
void TSrcEditWidget::dropEvent(QDropEvent* Event) {
    QPoint pos = Event->position().toPoint();
    TCustomSrcEdit* source = DraggedEditor(*Event);
    if (source) {
        QtGuardedCall("drop", [&] { DragDrop(source, pos.x(), pos.y(), DropShift(*Event)); });
        Event->setDropAction(Qt::CopyAction);
        Event->accept();
        return;
    }
    std::vector<std::string> files = LocalFiles(*Event->mimeData());
    if (Options().Contains(eoDropFiles) && !files.empty()) {
        QtGuardedCall("dropped files", [&] { DropFiles(pos.x(), pos.y(), files); });
        Event->acceptProposedAction();
        return;
    }
    Event->ignore();
}

#include <QInputMethodEvent>
#include <QKeyEvent>

#include "editor/qt/FontsInfoManager.h"
#include "editor/qt/QtGuardedCall.h"
#include "editor/qt/QtKeyMap.h"
#include "editor/qt/QtText.h"
#include "editor/qt/SrcEditWidget.h"

namespace {
bool IsTab(const QKeyEvent& Event) { return Event.key() == Qt::Key_Tab || Event.key() == Qt::Key_Backtab; }
bool IsReturn(const QKeyEvent& Event) { return Event.key() == Qt::Key_Return || Event.key() == Qt::Key_Enter; }
}  // namespace

// Shortcut overrides stay unaccepted, so that the window's shortcuts take
// their keys first. Tab reaches the control before focus handling only
// when it wants tabs.
bool TSrcEditWidget::event(QEvent* Event) {
    if (Event->type() == QEvent::ShortcutOverride) {
        Event->ignore();
        return true;
    }
    if (Event->type() == QEvent::KeyPress && IsTab(*static_cast<QKeyEvent*>(Event)) && WantTabs()) {
        keyPressEvent(static_cast<QKeyEvent*>(Event));
        return true;
    }
    return QAbstractScrollArea::event(Event);
}

void TSrcEditWidget::keyPressEvent(QKeyEvent* Event) {
    if ((IsReturn(*Event) && !WantReturns()) || (IsTab(*Event) && !WantTabs())) {
        Event->ignore();  // left to the dialog
        return;
    }
    TQtKeyStroke stroke = TranslateQtKey(*Event);
    QtGuardedCall("key press", [&] {
        KeyDown(stroke.Key, stroke.Shift);
        for (char c : stroke.Chars) {
            KeyPress(c);
        }
    });
    Event->accept();
}

void TSrcEditWidget::keyReleaseEvent(QKeyEvent* Event) {
    if (Event->isAutoRepeat()) {
        return;
    }
    TQtKeyStroke stroke = TranslateQtKey(*Event);
    QtGuardedCall("key release", [&] { KeyUp(stroke.Key, stroke.Shift); });
    Event->accept();
}

// Qt does not repeat a commit as key events: nothing to drop afterwards.
void TSrcEditWidget::inputMethodEvent(QInputMethodEvent* Event) {
    if (!Event->commitString().isEmpty()) {
        QtGuardedCall("input method", [&] { ImeResult(QStringToCp1252(Event->commitString()), 0); });
    }
    Event->accept();
}

QVariant TSrcEditWidget::inputMethodQuery(Qt::InputMethodQuery Query) const {
    switch (Query) {
    case Qt::ImEnabled:
        return true;
    case Qt::ImCursorRectangle: {
        TPoint at = RowColumnToPixels(DisplayXY());
        QPoint origin = viewport()->geometry().topLeft();
        return QRect(origin.x() + at.X, origin.y() + at.Y, CharWidth(), LineHeight());
    }
    case Qt::ImFont:
        return MakeQFont(FontKeyOf(Font()), Font().Style());
    default:
        return QAbstractScrollArea::inputMethodQuery(Query);
    }
}

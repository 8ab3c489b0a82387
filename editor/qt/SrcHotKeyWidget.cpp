#include "editor/qt/SrcHotKeyWidget.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>

#include "editor/qt/QtKeyMap.h"
#include "editor/qt/QtText.h"
#include "editor/support/SrcColor.h"

namespace {
// Enter and Escape without modifiers press the dialog's default or cancel
// button.
bool IsDialogKey(const QKeyEvent& Event) {
    bool plain = (Event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    int key = Event.key();
    return plain && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape);
}
}  // namespace

TSrcHotKeyWidget::TSrcHotKeyWidget(QWidget* Parent)
    : QFrame(Parent), caret_([this](const QRect& Rect) { update(Rect); }) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    ApplyBorderStyle();
}

QSize TSrcHotKeyWidget::sizeHint() const {
    QFontMetrics metrics(font());
    int frame = 2 * frameWidth();
    return {metrics.horizontalAdvance(QStringLiteral("Ctrl+Shift+Alt+Print Screen")) + 3 + frame,
            metrics.height() + 2 + frame};
}

void TSrcHotKeyWidget::Changed() {
    ApplyBorderStyle();
    PlaceCaret();
    update();
}

bool TSrcHotKeyWidget::event(QEvent* Event) {
    // Tab and Shift+Tab are keys here, not focus moves.
    if (Event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(Event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            keyPressEvent(key);
            return true;
        }
    }
    return QFrame::event(Event);
}

void TSrcHotKeyWidget::keyPressEvent(QKeyEvent* Event) {
    if (IsDialogKey(*Event)) {
        Event->ignore();
        return;
    }
    TQtKeyStroke stroke = TranslateQtKey(*Event);
    KeyDown(stroke.Key, stroke.Shift);
    Event->accept();
}

void TSrcHotKeyWidget::keyReleaseEvent(QKeyEvent* Event) {
    if (!Event->isAutoRepeat()) {
        KeyUp();
    }
    Event->accept();
}

void TSrcHotKeyWidget::focusInEvent(QFocusEvent* Event) {
    caret_.Create(1, QFontMetrics(font()).height());
    PlaceCaret();
    caret_.Show();
    QFrame::focusInEvent(Event);
}

void TSrcHotKeyWidget::focusOutEvent(QFocusEvent* Event) {
    caret_.Destroy();
    QFrame::focusOutEvent(Event);
}

void TSrcHotKeyWidget::mousePressEvent(QMouseEvent* Event) {
    setFocus(Qt::MouseFocusReason);
    QFrame::mousePressEvent(Event);
}

void TSrcHotKeyWidget::paintEvent(QPaintEvent* Event) {
    caret_.BeginPaint();
    {
        QPainter painter(this);
        painter.fillRect(contentsRect(), ToQColor(clWindow));
        painter.setPen(ToQColor(clWindowText));
        painter.setClipRect(contentsRect());
        painter.drawText(TextOrigin() + QPoint(0, QFontMetrics(font()).ascent()), ShownText());
        caret_.Draw(painter);
    }
    QFrame::paintEvent(Event);
    caret_.EndPaint();
}

QString TSrcHotKeyWidget::ShownText() const {
    return Cp1252ToQString(Text().data(), static_cast<int>(Text().size()));
}

QPoint TSrcHotKeyWidget::TextOrigin() const { return contentsRect().topLeft() + QPoint(1, 1); }

void TSrcHotKeyWidget::PlaceCaret() {
    QPoint origin = TextOrigin();
    caret_.SetPos(origin.x() + QFontMetrics(font()).horizontalAdvance(ShownText()), origin.y());
}

void TSrcHotKeyWidget::ApplyBorderStyle() {
    setFrameStyle(BorderStyle() == bsSingle ? QFrame::StyledPanel | QFrame::Sunken : QFrame::NoFrame);
}

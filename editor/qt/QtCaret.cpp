#include "editor/qt/QtCaret.h"

#include <QGuiApplication>
#include <QPainter>
#include <QStyleHints>

TQtCaret::TQtCaret(std::function<void(const QRect&)> Repaint) : repaint_(std::move(Repaint)) {
    blinkTimer_.callOnTimeout(this, &TQtCaret::Blink);
}

void TQtCaret::Create(int Width, int Height) {
    QRect before = DrawnRect();
    exists_ = true;
    visible_ = false;  // a new caret starts hidden
    size_ = QSize(std::max(Width, 0), std::max(Height, 0));
    Changed(before);
}

void TQtCaret::Destroy() {
    QRect before = DrawnRect();
    exists_ = false;
    visible_ = false;
    Changed(before);
}

void TQtCaret::SetPos(int X, int Y) {
    if (pos_ == QPoint(X, Y)) {
        return;
    }
    QRect before = DrawnRect();
    pos_ = QPoint(X, Y);
    Changed(before);
}

bool TQtCaret::Show() {
    if (!exists_) {
        return false;
    }
    if (!visible_) {
        QRect before = DrawnRect();
        visible_ = true;
        Changed(before);
    }
    return true;
}

bool TQtCaret::Hide() {
    if (!exists_) {
        return false;
    }
    if (visible_) {
        QRect before = DrawnRect();
        visible_ = false;
        Changed(before);
    }
    return true;
}

void TQtCaret::BeginPaint() {
    painting_ = true;
    drawnBeforePaint_ = DrawnRect();
    stateBeforePaint_ = State();
}

void TQtCaret::EndPaint() {
    painting_ = false;
    if (State() == stateBeforePaint_) {
        return;  // hidden and shown again: the blink goes on
    }
    // A paint that moved or showed the caret (or a grab, which paints
    // elsewhere) may have drawn it only in part on the screen.
    RestartBlink();
    QRect after = DrawnRect();
    if (!drawnBeforePaint_.isEmpty()) {
        repaint_(drawnBeforePaint_);
    }
    if (!after.isEmpty()) {
        repaint_(after);
    }
}

QRect TQtCaret::DrawnRect() const { return Visible() && on_ ? CellRect() : QRect(); }

void TQtCaret::Draw(QPainter& Painter) const {
    QRect cell = DrawnRect();
    if (cell.isEmpty()) {
        return;
    }
    Painter.save();
    Painter.setCompositionMode(QPainter::CompositionMode_Difference);
    Painter.fillRect(cell, Qt::white);
    Painter.restore();
}

void TQtCaret::Scrolled(int DX, int DY) {
    QRect drawn = DrawnRect();
    if (!drawn.isEmpty()) {
        repaint_(drawn);
        repaint_(drawn.translated(DX, DY));
    }
}

void TQtCaret::Changed(const QRect& Before) {
    if (painting_) {
        return;  // the paint under way draws the caret last
    }
    RestartBlink();
    QRect after = DrawnRect();
    if (Before != after) {
        if (!Before.isEmpty()) {
            repaint_(Before);
        }
        if (!after.isEmpty()) {
            repaint_(after);
        }
    }
}

void TQtCaret::RestartBlink() {
    on_ = true;
    int flash = QGuiApplication::styleHints()->cursorFlashTime();
    if (Visible() && flash > 0) {
        blinkTimer_.start(flash / 2);
    } else {
        blinkTimer_.stop();
    }
}

void TQtCaret::Blink() {
    on_ = !on_;
    if (!CellRect().isEmpty()) {
        repaint_(CellRect());
    }
}

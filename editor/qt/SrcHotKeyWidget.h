#pragma once
#include <QFrame>

#include "editor/control/SrcHotKey.h"
#include "editor/qt/QtCaret.h"

// The hot-key entry control as a Qt widget: one line of text in the
// window colour, a caret after it while it has the focus. It takes Tab and
// the arrow keys as keys, leaves plain Enter and Escape to the dialog and
// takes the focus on a click.
class TSrcHotKeyWidget : public QFrame, public TSrcHotKey {
public:
    explicit TSrcHotKeyWidget(QWidget* Parent = nullptr);

    const TQtCaret& Caret() const { return caret_; }
    QSize sizeHint() const override;

protected:
    void Changed() override;
    bool event(QEvent* Event) override;
    void keyPressEvent(QKeyEvent* Event) override;
    void keyReleaseEvent(QKeyEvent* Event) override;
    void focusInEvent(QFocusEvent* Event) override;
    void focusOutEvent(QFocusEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;
    void paintEvent(QPaintEvent* Event) override;

private:
    QString ShownText() const;
    // Where the text starts: one pixel inside the border.
    QPoint TextOrigin() const;
    void PlaceCaret();
    void ApplyBorderStyle();

    TQtCaret caret_;
};

#pragma once
#include <QColor>
#include <QLabel>
#include <QPoint>
#include <QPointer>
#include <QSize>
#include <QString>

// The one scroll hint of the process: a tool-tip window with a text on a
// given colour, made on first use.
class TScrollHintWindow {
public:
    static TScrollHintWindow& Instance();

    // The hint's size for Text at most MaxWidth pixels wide.
    QSize SizeFor(const QString& Text, int MaxWidth);
    // Shows Text with its top left corner at global position At.
    void Show(const QString& Text, const QColor& Color, const QPoint& At);
    void Hide();
    // The window, nil before the first hint.
    QLabel* Window() const { return label_; }

private:
    QLabel& Label();

    QPointer<QLabel> label_;  // nil again once Qt has deleted it
};

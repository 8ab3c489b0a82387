#pragma once
#include <QObject>
#include <QRect>
#include <QTimer>

#include <functional>

class QPainter;

// The editor's caret on a Qt widget: a rectangle drawn inverted by the
// widget at the end of each paint. It blinks with the platform's cursor
// flash time (0: steady). Changes outside a paint repaint the cells it
// leaves and enters; inside a paint they only change what is drawn last.
class TQtCaret : public QObject {
public:
    // Repaint asks the widget to repaint a rectangle of its viewport.
    explicit TQtCaret(std::function<void(const QRect&)> Repaint);

    void Create(int Width, int Height);
    void Destroy();
    void SetPos(int X, int Y);
    // False when there is no caret.
    bool Show();
    bool Hide();

    // Called by the widget around its painting. Hiding and showing again
    // inside schedule nothing; a caret that ends in another state has its
    // old and new cells repainted.
    void BeginPaint();
    void EndPaint();
    // Inverts the caret's cell when it is shown and in its on phase.
    void Draw(QPainter& Painter) const;
    // Where the caret is drawn (empty when it is not).
    QRect DrawnRect() const;
    QRect CellRect() const { return QRect(pos_, size_); }
    // Moves the drawn caret with pixels that were scrolled by (DX, DY).
    void Scrolled(int DX, int DY);

    bool Exists() const { return exists_; }
    bool Visible() const { return exists_ && visible_; }

private:
    struct TState {
        QPoint pos;
        QSize size;
        bool exists;
        bool visible;
        bool operator==(const TState&) const = default;
    };
    TState State() const { return {pos_, size_, exists_, visible_}; }
    void Changed(const QRect& Before);
    void RestartBlink();
    void Blink();

    std::function<void(const QRect&)> repaint_;
    QTimer blinkTimer_;
    QPoint pos_;
    QSize size_;
    bool exists_ = false;
    bool visible_ = false;
    bool on_ = true;
    bool painting_ = false;
    QRect drawnBeforePaint_;
    TState stateBeforePaint_{};
};

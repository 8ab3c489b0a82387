#pragma once
#include <QPainter>
#include <QPlainTextEdit>
#include <QTextBlock>

#include "benchmarks/editorwidget/PeerHighlighter.h"

// QPlainTextEdit doing the editor's work: the same highlighting and a
// gutter of right-aligned line numbers.
class PeerEditor : public QPlainTextEdit {
public:
    PeerEditor() : gutter_(new Gutter(this)), highlighter_(document()) {
        setLineWrapMode(QPlainTextEdit::NoWrap);
        connect(this, &QPlainTextEdit::blockCountChanged, this, [this] { UpdateMargin(); });
        connect(this, &QPlainTextEdit::updateRequest, this, [this](const QRect& Rect, int DY) {
            if (DY != 0) {
                gutter_->scroll(0, DY);
            } else {
                gutter_->update(0, Rect.y(), gutter_->width(), Rect.height());
            }
        });
        UpdateMargin();
    }

protected:
    void resizeEvent(QResizeEvent* Event) override {
        QPlainTextEdit::resizeEvent(Event);
        QRect r = contentsRect();
        gutter_->setGeometry(r.left(), r.top(), GutterWidth(), r.height());
    }

private:
    class Gutter : public QWidget {
    public:
        explicit Gutter(PeerEditor* Editor) : QWidget(Editor), editor_(Editor) {}

    protected:
        void paintEvent(QPaintEvent* Event) override { editor_->PaintGutter(Event->rect()); }

    private:
        PeerEditor* editor_;
    };

    int GutterWidth() const {
        int digits = QString::number(std::max(1, blockCount())).size();
        return 8 + fontMetrics().horizontalAdvance(QLatin1Char('9')) * digits;
    }
    void UpdateMargin() { setViewportMargins(GutterWidth(), 0, 0, 0); }

    void PaintGutter(const QRect& Rect) {
        QPainter painter(gutter_);
        painter.fillRect(Rect, QColor(240, 240, 240));
        QTextBlock block = firstVisibleBlock();
        int top = qRound(blockBoundingGeometry(block).translated(contentOffset()).top());
        int height = qRound(blockBoundingRect(block).height());
        while (block.isValid() && top <= Rect.bottom()) {
            if (block.isVisible() && top + height >= Rect.top()) {
                painter.drawText(0, top, gutter_->width() - 4, fontMetrics().height(), Qt::AlignRight,
                                 QString::number(block.blockNumber() + 1));
            }
            block = block.next();
            top += height;
        }
    }

    Gutter* gutter_;
    PeerHighlighter highlighter_;
};

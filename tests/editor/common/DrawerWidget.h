#pragma once
#include <QPainter>
#include <QWidget>
#include <string>

#include "editor/qt/QtCanvas.h"
#include "editor/qt/TextDrawer.h"

// A plain widget that paints `text` with a text drawer, black on yellow from
// its top-left corner, on a white ground.
class TDrawerWidget : public QWidget {
public:
    explicit TDrawerWidget(std::string text) : text_(std::move(text)) {
        font_.SetName("DejaVu Sans Mono");
        font_.SetSize(10);
        drawer_ = std::make_unique<TTextDrawer>(TFontStyles{}, &font_);
        resize(CellWidth() * (int(text_.size()) + 4), CellHeight() * 2);
    }

    int CellWidth() const { return drawer_->GetCharWidth(); }
    int CellHeight() const { return drawer_->GetCharHeight(); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        TQtCanvas canvas(painter);
        int count = int(text_.size());
        drawer_->BeginDrawing(canvas);
        drawer_->SetForeColor(clBlack);
        drawer_->SetBackColor(clYellow);
        drawer_->ExtTextOut(0, 0, ETO_OPAQUE, Rect(0, 0, CellWidth() * count, CellHeight()), text_.c_str(), count);
        drawer_->EndDrawing();
    }

private:
    std::string text_;
    TFont font_;
    std::unique_ptr<TTextDrawer> drawer_;
};

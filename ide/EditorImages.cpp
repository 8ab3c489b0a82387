#include "ide/EditorImages.h"

#include <QPainter>
#include <QPixmap>

#include "editor/support/SrcCanvas.h"

namespace {

constexpr TColor Transparent = 0xFF00FF;

// A right-pointing triangle.
TSrcBitmap Arrow(int size, TColor color)
{
    TSrcBitmap image(size, size, Transparent);
    const int middle = size / 2;
    for (int x = 0; x < size; ++x) {
        const int reach = middle - x / 2;
        for (int y = middle - reach; y <= middle + reach; ++y) image.SetPixel(x, y, color);
    }
    return image;
}

TSrcBitmap Disc(int size, TColor color)
{
    TSrcBitmap image(size, size, Transparent);
    const double centre = (size - 1) / 2.0;
    const double radius = size / 2.0;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            if ((x - centre) * (x - centre) + (y - centre) * (y - centre) <= radius * radius)
                image.SetPixel(x, y, color);
    return image;
}

// A sheet of paper, with a star when the project is the selected one.
QIcon ProjectIcon(bool selected)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(Qt::darkGray);
    painter.setBrush(Qt::white);
    painter.drawRect(2, 1, 11, 13);
    painter.setPen(Qt::darkBlue);
    for (int y = 4; y <= 10; y += 3) painter.drawLine(4, y, 11, y);
    if (selected) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0xd0, 0x20, 0x20));
        painter.drawEllipse(QPoint(12, 12), 3, 3);
    }
    return QIcon(pixmap);
}

}  // namespace

TEditorImages::TEditorImages()
    : marks_{Arrow(MarkSize, ArrowColor), Disc(MarkSize, BreakpointColor)},
      project_(ProjectIcon(false)),
      selectedProject_(ProjectIcon(true))
{
}

void TEditorImages::DrawMark(TSrcCanvas& canvas, int x, int y, int index) const
{
    if (index < 0 || index >= static_cast<int>(marks_.size())) return;
    const TSrcBitmap& image = marks_[static_cast<size_t>(index)];
    canvas.BrushCopy(x, y, image, Rect(0, 0, image.Width(), image.Height()), Transparent);
}

QIcon TEditorImages::TabImage(int index) const
{
    if (index == ProjectImage) return project_;
    if (index == SelectedProjectImage) return selectedProject_;
    return {};
}

#include "editor/qt/TransientOverlay.h"

#include <QPainter>

void TTransientOverlay::Resize(const QSize& Size) {
    if (image_.size() == Size) {
        return;
    }
    QImage resized(Size, QImage::Format_ARGB32_Premultiplied);
    resized.fill(Qt::transparent);
    if (used_) {
        QPainter painter(&resized);
        painter.drawImage(0, 0, image_);
    }
    image_ = std::move(resized);
}

QImage& TTransientOverlay::Image() {
    used_ = true;
    return image_;
}

void TTransientOverlay::Clear() {
    if (used_) {
        image_.fill(Qt::transparent);
        used_ = false;
    }
}

void TTransientOverlay::ClearRegion(const QRegion& Region) {
    if (!used_ || image_.isNull()) {
        return;
    }
    QPainter painter(&image_);
    painter.setCompositionMode(QPainter::CompositionMode_Clear);
    for (const QRect& r : Region) {
        painter.fillRect(r, Qt::transparent);
    }
}

void TTransientOverlay::Scroll(int DX, int DY, const QRect& Area) {
    if (!used_ || image_.isNull()) {
        return;
    }
    QRect area = Area & image_.rect();
    QImage moved = image_.copy(area);
    QPainter painter(&image_);
    painter.setCompositionMode(QPainter::CompositionMode_Clear);
    painter.fillRect(area, Qt::transparent);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setClipRect(area);
    painter.drawImage(area.topLeft() + QPoint(DX, DY), moved);
}

void TTransientOverlay::ComposeOnto(QPainter& Painter, const QRegion& Region) const {
    if (!used_ || image_.isNull()) {
        return;
    }
    for (const QRect& r : Region) {
        Painter.drawImage(r.topLeft(), image_, r);
    }
}

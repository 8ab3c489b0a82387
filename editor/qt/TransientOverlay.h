#pragma once
#include <QImage>
#include <QRect>
#include <QRegion>

class QPainter;

// What is painted outside a paint event (transient marks): kept in an
// image the size of the viewport and composed over each paint.
class TTransientOverlay {
public:
    void Resize(const QSize& Size);
    // The image to paint on; marks it used.
    QImage& Image();
    bool Empty() const { return !used_; }

    void Clear();
    void ClearRegion(const QRegion& Region);
    // Moves the pixels of Area by (DX, DY); the uncovered part is cleared.
    void Scroll(int DX, int DY, const QRect& Area);
    void ComposeOnto(QPainter& Painter, const QRegion& Region) const;

private:
    QImage image_;
    bool used_ = false;
};

#pragma once
#include <QImage>
#include <QRect>

// The pixels of `area` dark enough to be ink (text on a light background).
int InkPixels(const QImage& image, const QRect& area);

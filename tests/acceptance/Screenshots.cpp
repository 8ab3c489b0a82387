#include "tests/acceptance/Screenshots.h"

int InkPixels(const QImage& image, const QRect& area)
{
    const QRect inside = area & image.rect();
    int ink = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            if (qGray(image.pixel(x, y)) < 96) ++ink;
    return ink;
}

#include "tests/support/gui/ScreenProbe.h"

#include <QWidget>
#include <QWindow>
#include <map>
#include <set>

#include "tests/support/gui/Artifacts.h"
#include "tests/support/gui/WaitUntil.h"

std::string SavePng(const QImage& image, const std::string& name) {
    std::string path = ArtifactFolder() + "/" + name + ".png";
    EXPECT_TRUE(image.save(QString::fromStdString(path), "PNG")) << "cannot write " << path;
    return path;
}

QImage GrabToPng(QWidget& widget, const std::string& name) {
    QImage image = widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
    SavePng(image, name);
    return image;
}

::testing::AssertionResult ShowExposed(QWidget& widget, std::chrono::milliseconds deadline) {
    widget.show();
    return WaitUntil([&] { return widget.windowHandle() && widget.windowHandle()->isExposed(); }, deadline,
                     "the window to be exposed");
}

QColor PixelAt(const QImage& image, QPoint point) {
    if (!image.rect().contains(point)) {
        ADD_FAILURE() << "pixel (" << point.x() << ", " << point.y() << ") is outside the " << image.width() << "x"
                      << image.height() << " image";
        return QColor();
    }
    return QColor(image.pixel(point));
}

QColor DominantColor(const QImage& image, const QRect& area) {
    std::map<QRgb, int> counts;
    QRect inside = area & image.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x) ++counts[image.pixel(x, y)];
    if (counts.empty()) {
        ADD_FAILURE() << "the area lies outside the image";
        return QColor();
    }
    auto most = counts.begin();
    for (auto it = counts.begin(); it != counts.end(); ++it)
        if (it->second > most->second) most = it;
    return QColor(most->first);
}

bool HasColor(const QImage& image, const QRect& area, QColor color) {
    QRect inside = area & image.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            if (QColor(image.pixel(x, y)) == color) return true;
    return false;
}

int ColourCount(const QImage& image, const QRect& area) {
    std::set<QRgb> colours;
    QRect inside = area & image.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x) colours.insert(image.pixel(x, y));
    return static_cast<int>(colours.size());
}

void PrintTo(const QColor& color, std::ostream* out) {
    *out << (color.isValid() ? color.name(QColor::HexRgb).toStdString() : std::string("(no colour)"));
}

#include "debugger/qt/TypeImages.h"

#include <QPainter>
#include <functional>
#include <QPixmap>

#include "debugger/DebugTree.h"

namespace {
constexpr int Size = 16;

QIcon Draw(const std::function<void(QPainter&)>& paint)
{
    QPixmap pixmap(Size, Size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    paint(painter);
    painter.end();
    return QIcon(pixmap);
}

void Box(QPainter& p, const QColor& fill)
{
    p.setPen(Qt::black);
    p.setBrush(fill);
    p.drawRect(2, 2, 11, 11);
}
}  // namespace

const std::array<QIcon, TypeImageCount>& TypeImages()
{
    static const std::array<QIcon, TypeImageCount> images = [] {
        std::array<QIcon, TypeImageCount> made;
        made[imFrame] = Draw([](QPainter& p) {
            for (int i = 0; i < 3; ++i) {
                p.fillRect(2, 3 + 4 * i, 12, 3, QColor(0, 0, 160));
            }
        });
        made[imArray] = Draw([](QPainter& p) {
            p.fillRect(2, 2, 3, 12, QColor(128, 0, 128));
            p.fillRect(11, 2, 3, 12, QColor(128, 0, 128));
            p.fillRect(6, 7, 4, 2, QColor(128, 0, 128));
        });
        made[imNotShown] = Draw([](QPainter& p) {
            for (int i = 0; i < 3; ++i) p.fillRect(2 + 5 * i, 7, 3, 3, QColor(128, 128, 128));
        });
        made[imObject] = Draw([](QPainter& p) { Box(p, QColor(255, 160, 0)); });
        made[imPrimitive] = Draw([](QPainter& p) {
            p.setPen(Qt::black);
            p.setBrush(QColor(0, 160, 0));
            p.drawEllipse(2, 2, 11, 11);
        });
        made[imString] = Draw([](QPainter& p) {
            Box(p, QColor(255, 255, 160));
            p.fillRect(5, 5, 6, 2, Qt::black);
            p.fillRect(5, 9, 6, 2, Qt::black);
        });
        made[imOutOfScope] = Draw([](QPainter& p) {
            p.setPen(QPen(QColor(200, 0, 0), 2));
            p.drawLine(3, 3, 12, 12);
            p.drawLine(12, 3, 3, 12);
        });
        return made;
    }();
    return images;
}

#include "ide/ToolIconShapes.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>
#include <numbers>

namespace ToolShapes {

namespace {
const QColor Outline(0x40, 0x40, 0x40);
}

void Sheet(QPainter& painter, const QRectF& area, bool lines)
{
    const qreal fold = area.width() / 3;
    const QPolygonF page{area.topLeft(), QPointF(area.right() - fold, area.top()),
                         QPointF(area.right(), area.top() + fold), area.bottomRight(), area.bottomLeft()};
    painter.setPen(QPen(Outline, 1));
    painter.setBrush(Qt::white);
    painter.drawPolygon(page);
    painter.setBrush(QColor(0xd0, 0xd0, 0xd0));
    painter.drawPolygon(QPolygonF{QPointF(area.right() - fold, area.top()),
                                  QPointF(area.right() - fold, area.top() + fold),
                                  QPointF(area.right(), area.top() + fold)});
    if (!lines) return;
    painter.setPen(QPen(QColor(0x30, 0x50, 0xa0), 1));
    for (qreal y = area.top() + fold + 2; y < area.bottom() - 1; y += 2)
        painter.drawLine(QPointF(area.left() + 2, y), QPointF(area.right() - 2, y));
}

void Folder(QPainter& painter)
{
    painter.setPen(QPen(QColor(0x90, 0x70, 0x10), 1));
    painter.setBrush(QColor(0xe8, 0xc0, 0x40));
    painter.drawPolygon(QPolygonF{{1.5, 3.5}, {6.5, 3.5}, {8, 5.5}, {14.5, 5.5}, {14.5, 13.5}, {1.5, 13.5}});
    painter.setBrush(QColor(0xf8, 0xe0, 0x70));
    painter.drawPolygon(QPolygonF{{1.5, 13.5}, {4, 7.5}, {15.5, 7.5}, {14.5, 13.5}});
}

void Diskette(QPainter& painter, const QRectF& area)
{
    painter.setPen(QPen(QColor(0x10, 0x20, 0x50), 1));
    painter.setBrush(QColor(0x30, 0x50, 0xb0));
    painter.drawRect(area);
    const qreal w = area.width();
    const qreal h = area.height();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(area.left() + w * 0.2, area.top() + 1, w * 0.6, h * 0.4));
    painter.setBrush(QColor(0xb0, 0xb0, 0xb0));
    painter.drawRect(QRectF(area.left() + w * 0.25, area.bottom() - h * 0.35, w * 0.5, h * 0.35));
}

void Screen(QPainter& painter, const QRectF& area)
{
    painter.setPen(QPen(Outline, 1));
    painter.setBrush(QColor(0x10, 0x10, 0x10));
    painter.drawRect(area);
    painter.setPen(QPen(QColor(0x30, 0xe0, 0x30), 1));
    const QPointF corner = area.topLeft() + QPointF(2, 2);
    painter.drawLine(corner, corner + QPointF(2, 2));
    painter.drawLine(corner + QPointF(2, 2), corner + QPointF(0, 4));
    painter.drawLine(corner + QPointF(4, 4), corner + QPointF(7, 4));
}

void ArrowHead(QPainter& painter, QPointF tip, QPointF direction, qreal size, const QColor& color)
{
    const QPointF back = tip - direction * size;
    const QPointF across(-direction.y() * size * 0.6, direction.x() * size * 0.6);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawPolygon(QPolygonF{tip, back + across, back - across});
}

void Arrow(QPainter& painter, QPointF from, QPointF to, const QColor& color)
{
    const QPointF delta = to - from;
    const qreal length = std::hypot(delta.x(), delta.y());
    if (length <= 0) return;
    const QPointF direction = delta / length;
    painter.setPen(QPen(color, 2, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(from, to - direction * 3);
    ArrowHead(painter, to, direction, 4, color);
}

void Play(QPainter& painter, const QRectF& area, const QColor& color)
{
    painter.setPen(QPen(color.darker(150), 1));
    painter.setBrush(color);
    painter.drawPolygon(QPolygonF{area.topLeft(), QPointF(area.right(), area.center().y()), area.bottomLeft()});
}

void Disc(QPainter& painter, QPointF centre, qreal radius, const QColor& color)
{
    painter.setPen(QPen(color.darker(180), 1));
    painter.setBrush(color);
    painter.drawEllipse(centre, radius, radius);
}

void Gear(QPainter& painter, QPointF centre, qreal radius, const QColor& color)
{
    constexpr int Teeth = 8;
    QPainterPath wheel;
    for (int i = 0; i < Teeth * 2; ++i) {
        const qreal angle = i * std::numbers::pi / Teeth;
        const qreal reach = i % 2 == 0 ? radius : radius * 0.72;
        const QPointF point = centre + QPointF(std::cos(angle), std::sin(angle)) * reach;
        if (i == 0)
            wheel.moveTo(point);
        else
            wheel.lineTo(point);
    }
    wheel.closeSubpath();
    wheel.addEllipse(centre, radius * 0.3, radius * 0.3);
    painter.setPen(QPen(color.darker(170), 1));
    painter.setBrush(color);
    painter.drawPath(wheel);
}

void Cross(QPainter& painter, const QRectF& area, const QColor& color, qreal width)
{
    painter.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(area.topLeft(), area.bottomRight());
    painter.drawLine(area.topRight(), area.bottomLeft());
}

void Tick(QPainter& painter, const QRectF& area)
{
    painter.setPen(QPen(QColor(0x10, 0xa0, 0x10), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(QPolygonF{QPointF(area.left(), area.center().y()),
                                   QPointF(area.left() + area.width() * 0.4, area.bottom()), area.topRight()});
}

}  // namespace ToolShapes

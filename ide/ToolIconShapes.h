#pragma once
#include <QColor>
#include <QPointF>
#include <QRectF>

class QPainter;

// The building blocks of the tool bar pictures, on a 16 x 16 grid.
namespace ToolShapes {

// A page with a folded corner inside `area`; `lines` writes text rows on it.
void Sheet(QPainter& painter, const QRectF& area, bool lines = false);
// A yellow folder.
void Folder(QPainter& painter);
// A diskette inside `area`.
void Diskette(QPainter& painter, const QRectF& area);
// A screen with a prompt inside `area`.
void Screen(QPainter& painter, const QRectF& area);
// A filled arrow head at `tip` pointing along (dx, dy) (a unit direction).
void ArrowHead(QPainter& painter, QPointF tip, QPointF direction, qreal size, const QColor& color);
// A straight arrow from `from` to `to`.
void Arrow(QPainter& painter, QPointF from, QPointF to, const QColor& color);
// A right-pointing triangle inside `area`.
void Play(QPainter& painter, const QRectF& area, const QColor& color);
// A round mark with a dark rim.
void Disc(QPainter& painter, QPointF centre, qreal radius, const QColor& color);
// A gear wheel.
void Gear(QPainter& painter, QPointF centre, qreal radius, const QColor& color);
// A bold cross.
void Cross(QPainter& painter, const QRectF& area, const QColor& color, qreal width);
// A green tick.
void Tick(QPainter& painter, const QRectF& area);

}  // namespace ToolShapes

#include "ide/ToolIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>

#include "ide/ToolIconShapes.h"

using namespace ToolShapes;

static_assert(TToolIcons::ProjectPage == 19 && TToolIcons::SelectedProjectPage == 20,
              "the tab images keep their indexes");

namespace {

const QColor Blue(0x20, 0x50, 0xc0);
const QColor Green(0x20, 0xa0, 0x20);
const QColor Red(0xd0, 0x20, 0x20);

void DrawNewFile(QPainter& p)
{
    Sheet(p, QRectF(2.5, 1.5, 10, 13));
    p.setPen(QPen(QColor(0xf0, 0xb0, 0x00), 2));
    p.drawLine(QPointF(12, 9), QPointF(12, 15));
    p.drawLine(QPointF(9, 12), QPointF(15, 12));
}

void DrawOpenFile(QPainter& p)
{
    Folder(p);
    Arrow(p, QPointF(8, 6), QPointF(12, 1), Green);
}

void DrawSaveFile(QPainter& p) { Diskette(p, QRectF(2.5, 2.5, 11, 11)); }

void DrawSaveAll(QPainter& p)
{
    Diskette(p, QRectF(0.5, 0.5, 9, 9));
    Diskette(p, QRectF(5.5, 5.5, 10, 10));
}

void DrawCut(QPainter& p)
{
    p.setPen(QPen(QColor(0x50, 0x50, 0x50), 1.5));
    p.drawLine(QPointF(4, 1), QPointF(10, 10));
    p.drawLine(QPointF(12, 1), QPointF(6, 10));
    p.setPen(QPen(Red, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(4.5, 12.5), 2.5, 2.5);
    p.drawEllipse(QPointF(11.5, 12.5), 2.5, 2.5);
}

void DrawCopy(QPainter& p)
{
    Sheet(p, QRectF(1.5, 0.5, 8, 10), true);
    Sheet(p, QRectF(6.5, 5.5, 8, 10), true);
}

void DrawPaste(QPainter& p)
{
    p.setPen(QPen(QColor(0x60, 0x40, 0x10), 1));
    p.setBrush(QColor(0xb0, 0x80, 0x40));
    p.drawRect(QRectF(1.5, 2.5, 10, 12));
    p.setBrush(QColor(0x90, 0x90, 0x90));
    p.drawRect(QRectF(4.5, 1.5, 4, 2));
    Sheet(p, QRectF(6.5, 5.5, 8, 10), true);
}

void DrawUndo(QPainter& p)
{
    p.setPen(QPen(Blue, 2, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath curve;
    curve.moveTo(5, 6);
    curve.cubicTo(QPointF(12, 4), QPointF(16, 10), QPointF(9, 14));
    p.drawPath(curve);
    ArrowHead(p, QPointF(1, 6.5), QPointF(-1, 0), 5, Blue);
}

void DrawOptions(QPainter& p) { Gear(p, QPointF(8, 8), 7, QColor(0x90, 0x90, 0xa0)); }

void DrawReset(QPainter& p)
{
    p.setPen(QPen(Red, 2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(2, 3, 12, 12), 120 * 16, -240 * 16);
    p.drawLine(QPointF(8, 1), QPointF(8, 8));
}

void DrawCompile(QPainter& p)
{
    Sheet(p, QRectF(1.5, 0.5, 10, 13), true);
    Tick(p, QRectF(7, 8, 8, 7));
}

void DrawProgram(QPainter& p)
{
    p.setPen(QPen(QColor(0x70, 0x70, 0x70), 1));
    for (int x = 4; x <= 12; x += 2) p.drawLine(x, 8, x, 15);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x20, 0x20, 0x20));
    p.drawRect(QRectF(2, 9, 12, 5));
    Arrow(p, QPointF(8, 0), QPointF(8, 8), Green);
}

void DrawDebug(QPainter& p)
{
    p.setPen(QPen(QColor(0x30, 0x30, 0x30), 1));
    for (qreal y : {6.0, 9.0, 12.0}) {
        p.drawLine(QPointF(2, y - 1), QPointF(14, y + 1));
        p.drawLine(QPointF(2, y + 1), QPointF(14, y - 1));
    }
    p.drawLine(QPointF(6, 1), QPointF(7, 4));
    p.drawLine(QPointF(10, 1), QPointF(9, 4));
    p.setBrush(QColor(0xa0, 0x40, 0x10));
    p.drawEllipse(QRectF(4.5, 4.5, 7, 10));
    p.drawLine(QPointF(8, 5), QPointF(8, 14));
}

void DrawRun(QPainter& p) { Play(p, QRectF(3.5, 2.5, 10, 11), Green); }

void DrawStop(QPainter& p)
{
    p.setPen(QPen(Red.darker(150), 1));
    p.setBrush(Red);
    p.drawRect(QRectF(3.5, 3.5, 9, 9));
}

// Text rows with the current one marked.
void Rows(QPainter& p, int current)
{
    for (int row = 0; row < 3; ++row) {
        p.setPen(QPen(row == current ? Blue : QColor(0xa0, 0xa0, 0xa0), 1));
        const int y = 3 + row * 5;
        p.drawLine(8, y, 15, y);
    }
}

void DrawStepInto(QPainter& p)
{
    Rows(p, 1);
    Arrow(p, QPointF(3, 1), QPointF(3, 9), Blue);
    p.drawLine(QPointF(3, 8), QPointF(6, 8));
}

void DrawStepOver(QPainter& p)
{
    Rows(p, 2);
    p.setPen(QPen(Blue, 2, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(1, 2, 8, 10), 90 * 16, 180 * 16);
    ArrowHead(p, QPointF(8, 12), QPointF(1, 0), 4, Blue);
}

void DrawBreakpoint(QPainter& p)
{
    Disc(p, QPointF(8, 8), 6, Red);
    p.setPen(QPen(QColor(0xff, 0xb0, 0xb0), 1.5));
    p.drawArc(QRectF(4.5, 4.5, 5, 5), 100 * 16, 70 * 16);
}

void DrawShowMessage(QPainter& p) { Screen(p, QRectF(0.5, 2.5, 15, 11)); }

// A sheet of paper, with a red mark when the project is the selected one.
void DrawProjectPage(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::darkGray);
    p.setBrush(Qt::white);
    p.drawRect(2, 1, 11, 13);
    p.setPen(Qt::darkBlue);
    for (int y = 4; y <= 10; y += 3) p.drawLine(4, y, 11, y);
}

void DrawSelectedProjectPage(QPainter& p)
{
    DrawProjectPage(p);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xd0, 0x20, 0x20));
    p.drawEllipse(QPoint(12, 12), 3, 3);
}

void DrawClear(QPainter& p)
{
    Screen(p, QRectF(0.5, 0.5, 12, 9));
    p.setPen(QPen(QColor(0x80, 0x30, 0x50), 1));
    p.setBrush(QColor(0xf0, 0x90, 0xb0));
    p.drawPolygon(QPolygonF{{6.5, 12.5}, {11.5, 7.5}, {15.5, 11.5}, {10.5, 15.5}});
}

void DrawClose(QPainter& p) { Cross(p, QRectF(3.5, 3.5, 9, 9), Red, 2.5); }

void DrawSaveDisplay(QPainter& p)
{
    Screen(p, QRectF(0.5, 0.5, 11, 8));
    Diskette(p, QRectF(7.5, 7.5, 8, 8));
}

void DrawStartLog(QPainter& p)
{
    Sheet(p, QRectF(1.5, 0.5, 10, 14), true);
    Disc(p, QPointF(12, 12), 3.2, Red);
}

void DrawStartSend(QPainter& p)
{
    Sheet(p, QRectF(0.5, 0.5, 9, 12), true);
    Arrow(p, QPointF(5, 12), QPointF(15, 12), Green);
}

void DrawHelp(QPainter& p)
{
    Disc(p, QPointF(8, 8), 7, Blue);
    p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(5, 3, 6, 5), 180 * 16, -250 * 16);
    p.drawLine(QPointF(8, 8), QPointF(8, 10));
    p.drawPoint(QPointF(8, 12.5));
}

struct TPicture {
    TToolIcons::Index Index;
    void (*Draw)(QPainter&);
};

const TPicture Pictures[] = {
    {TToolIcons::NewFile, DrawNewFile},
    {TToolIcons::OpenFile, DrawOpenFile},
    {TToolIcons::SaveFile, DrawSaveFile},
    {TToolIcons::SaveAll, DrawSaveAll},
    {TToolIcons::Cut, DrawCut},
    {TToolIcons::Copy, DrawCopy},
    {TToolIcons::Paste, DrawPaste},
    {TToolIcons::Undo, DrawUndo},
    {TToolIcons::Options, DrawOptions},
    {TToolIcons::Reset, DrawReset},
    {TToolIcons::Compile, DrawCompile},
    {TToolIcons::Program, DrawProgram},
    {TToolIcons::Debug, DrawDebug},
    {TToolIcons::Run, DrawRun},
    {TToolIcons::Stop, DrawStop},
    {TToolIcons::StepInto, DrawStepInto},
    {TToolIcons::StepOver, DrawStepOver},
    {TToolIcons::Breakpoint, DrawBreakpoint},
    {TToolIcons::ShowMessage, DrawShowMessage},
    {TToolIcons::ProjectPage, DrawProjectPage},
    {TToolIcons::SelectedProjectPage, DrawSelectedProjectPage},
    {TToolIcons::Clear, DrawClear},
    {TToolIcons::Close, DrawClose},
    {TToolIcons::SaveDisplay, DrawSaveDisplay},
    {TToolIcons::StartLog, DrawStartLog},
    {TToolIcons::StartSend, DrawStartSend},
    {TToolIcons::Help, DrawHelp},
};

static_assert(std::size(Pictures) == TToolIcons::Count, "one picture per image");

QIcon Paint(void (*draw)(QPainter&))
{
    QPixmap pixmap(TToolIcons::Size, TToolIcons::Size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    painter.end();
    return QIcon(pixmap);
}

}  // namespace

TToolIcons::TToolIcons() : icons_(Count)
{
    for (const TPicture& picture : Pictures) icons_[static_cast<size_t>(picture.Index)] = Paint(picture.Draw);
}

QIcon TToolIcons::Icon(int index) const
{
    if (index < 0 || index >= Count) return {};
    return icons_[static_cast<size_t>(index)];
}

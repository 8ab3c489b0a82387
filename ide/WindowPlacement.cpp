#include "ide/WindowPlacement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace {

constexpr int TitleStripHeight = 24;
constexpr int TitleStripShown = 100;  // the least of a title's width that must show
const QRect NoScreenArea(0, 0, 1024, 768);

// A frame's edges in 64 bits, right and bottom exclusive: stored values lie
// anywhere in the int range, and so do their sums.
struct TEdges {
    qint64 Left, Top, Right, Bottom;
    qint64 Width() const { return Right - Left; }
    qint64 Height() const { return Bottom - Top; }
};

TEdges EdgesOf(const QRect& r)
{
    return {r.left(), r.top(), qint64(r.left()) + r.width(), qint64(r.top()) + r.height()};
}

TEdges EdgesOf(const TWindowRect& stored)
{
    return {stored.Left, stored.Top, qint64(stored.Left) + std::max(stored.Width, 1),
            qint64(stored.Top) + std::max(stored.Height, 1)};
}

TEdges Common(const TEdges& a, const TEdges& b)
{
    return {std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
            std::min(a.Bottom, b.Bottom)};
}

bool TitleShows(const TEdges& frame, const QRect& area)
{
    const TEdges strip{frame.Left, frame.Top, frame.Right,
                       frame.Top + std::min<qint64>(TitleStripHeight, frame.Height())};
    const TEdges shown = Common(strip, EdgesOf(area));
    return shown.Height() == strip.Height() && shown.Width() >= std::min<qint64>(TitleStripShown, strip.Width());
}

// Bounded by the area, so the product stays far inside 64 bits.
qint64 Overlap(const TEdges& frame, const QRect& area)
{
    const TEdges common = Common(frame, EdgesOf(area));
    return common.Width() > 0 && common.Height() > 0 ? common.Width() * common.Height() : 0;
}

const QRect& TargetArea(const TEdges& frame, const QList<QRect>& areas)
{
    for (const QRect& area : areas)
        if (TitleShows(frame, area)) return area;
    const QRect* best = &areas.first();
    for (const QRect& area : areas)
        if (Overlap(frame, area) > Overlap(frame, *best)) best = &area;
    return *best;
}

bool Fits(const TEdges& frame, const QRect& area)
{
    return frame.Width() <= area.width() && frame.Height() <= area.height();
}

// The frame shrunk to the area's size and moved whole into it.
QRect Inside(const TEdges& frame, const QRect& area)
{
    const qint64 width = std::min<qint64>(frame.Width(), area.width());
    const qint64 height = std::min<qint64>(frame.Height(), area.height());
    const qint64 left = std::clamp<qint64>(frame.Left, area.left(), area.left() + area.width() - width);
    const qint64 top = std::clamp<qint64>(frame.Top, area.top(), area.top() + area.height() - height);
    return {int(left), int(top), int(width), int(height)};
}

QMargins DecorationOf(const QWidget& window)
{
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}

QList<QRect> AvailableAreas()
{
    QList<QRect> areas;
    if (const QScreen* primary = QGuiApplication::primaryScreen()) areas << primary->availableGeometry();
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen != QGuiApplication::primaryScreen()) areas << screen->availableGeometry();
    return areas;
}

void Apply(QWidget& window, const QRect& frame, const QMargins& margins)
{
    window.resize(ClientOfFrame(frame, margins).size());
    window.move(frame.topLeft());  // a window's position is its frame's
}

// Places the window once more when the window system has framed it.
class TFrameCorrection : public QObject {
public:
    TFrameCorrection(QWidget& window, const QRect& frame, const QMargins& assumed)
        : QObject(&window), window_(window), frame_(frame), assumed_(assumed)
    {
        setObjectName(Name);
        window.installEventFilter(this);
    }
    static constexpr const char* Name = "FrameCorrection";

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (type != QEvent::Move && type != QEvent::Resize && type != QEvent::Show) return false;
        const QMargins own = DecorationOf(window_);
        if (!window_.isVisible() || own.isNull()) return false;
        window_.removeEventFilter(this);
        if (own != assumed_) Apply(window_, frame_, own);
        deleteLater();
        return false;
    }

private:
    QWidget& window_;
    QRect frame_;
    QMargins assumed_;
};

}  // namespace

QRect FrameInSight(const TWindowRect& stored, const QList<QRect>& areas)
{
    const QList<QRect>& screens = areas.isEmpty() ? QList<QRect>{NoScreenArea} : areas;
    const TEdges frame = EdgesOf(stored);
    const QRect& area = TargetArea(frame, screens);
    if (TitleShows(frame, area) && Fits(frame, area))
        return {stored.Left, stored.Top, int(frame.Width()), int(frame.Height())};
    return Inside(frame, area);
}

QRect ClientOfFrame(const QRect& frame, const QMargins& margins)
{
    return frame.marginsRemoved(margins);
}

void PlaceFrame(QWidget& window, const TWindowRect& stored, const QWidget* framed)
{
    if (stored.Width <= 0 || stored.Height <= 0) return;
    const QRect target = FrameInSight(stored, AvailableAreas());
    QMargins margins = DecorationOf(window);
    if (margins.isNull() && framed) margins = DecorationOf(*framed);
    delete window.findChild<QObject*>(TFrameCorrection::Name, Qt::FindDirectChildrenOnly);
    Apply(window, target, margins);
    if (DecorationOf(window).isNull()) new TFrameCorrection(window, target, margins);
}

#include "ide/WindowPlacement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace {

constexpr int TitleStripHeight = 24;
constexpr int TitleStripShown = 100;  // the least of a title's width that must show

bool TitleShows(const QRect& frame, const QRect& area)
{
    const QRect strip(frame.left(), frame.top(), frame.width(), std::min(TitleStripHeight, frame.height()));
    const QRect shown = strip & area;
    return shown.height() == strip.height() && shown.width() >= std::min(TitleStripShown, strip.width());
}

qint64 Overlap(const QRect& a, const QRect& b)
{
    const QRect common = a & b;
    return common.isEmpty() ? 0 : qint64(common.width()) * common.height();
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

QRect FrameInSight(const QRect& frame, const QList<QRect>& areas)
{
    if (areas.isEmpty()) return frame;
    for (const QRect& area : areas)
        if (TitleShows(frame, area)) return frame;
    QRect best = areas.first();
    for (const QRect& area : areas)
        if (Overlap(frame, area) > Overlap(frame, best)) best = area;
    const QSize size = frame.size().boundedTo(best.size());
    const int left = std::clamp(frame.left(), best.left(), best.right() + 1 - size.width());
    const int top = std::clamp(frame.top(), best.top(), best.bottom() + 1 - size.height());
    return {QPoint(left, top), size};
}

QRect ClientOfFrame(const QRect& frame, const QMargins& margins)
{
    return frame.marginsRemoved(margins);
}

void PlaceFrame(QWidget& window, const QRect& frame, const QWidget* framed)
{
    const QRect target = FrameInSight(frame, AvailableAreas());
    QMargins margins = DecorationOf(window);
    if (margins.isNull() && framed) margins = DecorationOf(*framed);
    delete window.findChild<QObject*>(TFrameCorrection::Name, Qt::FindDirectChildrenOnly);
    Apply(window, target, margins);
    if (DecorationOf(window).isNull()) new TFrameCorrection(window, target, margins);
}

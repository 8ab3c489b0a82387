#include "editor/qt/SrcEditWindow.h"

#include <QAbstractScrollArea>
#include <QGuiApplication>
#include <QPaintEvent>
#include <QStyle>

#include "editor/control/SrcEdit.h"
#include "editor/qt/QtGuardedCall.h"
#include "editor/qt/QtRects.h"
#include "editor/qt/QtText.h"
#include "editor/qt/ScrollHintWindow.h"


TSrcEditWindow::TSrcEditWindow(QAbstractScrollArea& Area, TCustomSrcEdit& Control)
    : area_(Area),
      control_(Control),
      caret_([this](const QRect& r) { Repaint(r); }),
      scrollBars_(Area, [this](TSrcScrollBarKind Bar, TSrcScrollCode Code, int Pos) {
          QtGuardedCall("scroll request", [&] { control_.ScrollRequest(Bar, Code, Pos); });
      }),
      timers_([this](int Id) { QtGuardedCall("timer", [&] { control_.TimerFired(Id); }); }) {
    overlay_.Resize(area_.viewport()->size());
}

TSrcEditWindow::~TSrcEditWindow() { EndTransientPaint(); }

void TSrcEditWindow::PaintEvent(QPaintEvent& Event) {
    QRegion region = Event.region();
    painting_ = true;
    caret_.BeginPaint();
    overlay_.ClearRegion(region & fresh_);
    fresh_ -= region;
    pending_ -= region;
    QPainter painter(area_.viewport());
    TQtCanvas canvas(painter);
    QtGuardedPaint([&] {
        for (const QRect& r : region) {
            painter.setClipRect(r);
            control_.Paint(canvas, ToTRect(r));
        }
    });
    painter.setClipRegion(region);
    overlay_.ComposeOnto(painter, region);
    caret_.Draw(painter);
    caret_.EndPaint();
    painting_ = false;
}

void TSrcEditWindow::Resized() { overlay_.Resize(area_.viewport()->size()); }

TRect TSrcEditWindow::ClientRect() const { return ToTRect(area_.viewport()->rect()); }

bool TSrcEditWindow::Focused() const { return area_.hasFocus(); }

bool TSrcEditWindow::Visible() const { return area_.isVisible(); }

void TSrcEditWindow::InvalidateRect(const TRect* Rect, bool) {
    QRect r = Rect ? ToQRect(*Rect) & area_.viewport()->rect() : area_.viewport()->rect();
    if (r.isEmpty()) {
        return;
    }
    fresh_ += r;
    Repaint(r);
}

void TSrcEditWindow::Repaint(const QRect& Rect) {
    pending_ += Rect;
    area_.viewport()->update(Rect);
}

// Translates the part of Region inside Area by (DX, DY), cut to Area.
static QRegion Scrolled(const QRegion& Region, int DX, int DY, const QRect& Area) {
    QRegion inside = Region & Area;
    return (Region - inside) + (inside.translated(DX, DY) & Area);
}

void TSrcEditWindow::ScrollWindow(int DX, int DY, const TRect& Area) {
    QRect area = ToQRect(Area) & area_.viewport()->rect();
    if (area.isEmpty()) {
        return;
    }
    overlay_.Scroll(DX, DY, area);
    pending_ = Scrolled(pending_, DX, DY, area);
    fresh_ = Scrolled(fresh_, DX, DY, area);
    QRegion uncovered = QRegion(area) - QRegion(area.translated(DX, DY));
    area_.viewport()->scroll(DX, DY, area);
    fresh_ += uncovered;
    pending_ += uncovered;
    caret_.Scrolled(DX, DY);
}

void TSrcEditWindow::SetBorderStyle(TBorderStyle Value) {
    area_.setFrameShape(Value == bsNone ? QFrame::NoFrame : QFrame::StyledPanel);
}

void TSrcEditWindow::Update() {
    if (!painting_ && !pending_.isEmpty() && area_.isVisible()) {
        area_.viewport()->repaint(pending_);
    }
}

TSrcCanvas* TSrcEditWindow::BeginTransientPaint(bool Clear) {
    // Paints asked for before now clear what was drawn before now.
    overlay_.ClearRegion(fresh_);
    fresh_ = QRegion();
    if (Clear && !overlay_.Empty()) {
        overlay_.Clear();
        area_.viewport()->update();
    }
    if (overlay_.Image().isNull()) {
        return nullptr;
    }
    if (!transientPainter_) {
        transientPainter_ = std::make_unique<QPainter>(&overlay_.Image());
        transientCanvas_ = std::make_unique<TQtCanvas>(*transientPainter_);
    }
    ++transientDepth_;
    return transientCanvas_.get();
}

void TSrcEditWindow::EndTransientPaint() {
    if (transientDepth_ == 0 || --transientDepth_ > 0) {
        return;
    }
    transientCanvas_.reset();
    transientPainter_.reset();
    area_.viewport()->update();
}

void TSrcEditWindow::SetScrollInfo(TSrcScrollBarKind Bar, const TSrcScrollInfo& Info) {
    scrollBars_.SetInfo(Bar, Info);
}

void TSrcEditWindow::ShowScrollBar(TSrcScrollBarKind Bar, bool Show) { scrollBars_.Show(Bar, Show); }

void TSrcEditWindow::EnableScrollBarArrows(TSrcScrollBarKind Bar, TSrcScrollArrows Arrows) {
    scrollBars_.EnableArrows(Bar, Arrows);
}

int TSrcEditWindow::ScrollArrowHeight() const {
    return area_.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, area_.verticalScrollBar());
}

TPoint TSrcEditWindow::ScrollHintSize(const std::string& Text, int MaxWidth) {
    QString text = Cp1252ToQString(Text.data(), static_cast<int>(Text.size()));
    QSize size = TScrollHintWindow::Instance().SizeFor(text, MaxWidth);
    return Point(size.width(), size.height());
}

void TSrcEditWindow::ShowScrollHint(const std::string& Text, const TPoint& Pos, TColor Color) {
    QString text = Cp1252ToQString(Text.data(), static_cast<int>(Text.size()));
    QPoint at = area_.viewport()->mapToGlobal(QPoint(Pos.X, Pos.Y));
    TScrollHintWindow::Instance().Show(text, ToQColor(Color), at);
}

void TSrcEditWindow::HideScrollHint() { TScrollHintWindow::Instance().Hide(); }

void TSrcEditWindow::CreateCaret(int Width, int Height) { caret_.Create(Width, Height); }

void TSrcEditWindow::DestroyCaret() { caret_.Destroy(); }

void TSrcEditWindow::SetCaretPos(int X, int Y) { caret_.SetPos(X, Y); }

bool TSrcEditWindow::ShowCaret() { return caret_.Show(); }

bool TSrcEditWindow::HideCaret() { return caret_.Hide(); }

bool TSrcEditWindow::KeyDown(TSrcStateKey Key) const {
    Qt::KeyboardModifiers modifiers = QGuiApplication::queryKeyboardModifiers();
    switch (Key) {
    case skShift: return modifiers.testFlag(Qt::ShiftModifier);
    case skControl: return modifiers.testFlag(Qt::ControlModifier);
    case skAlt: return modifiers.testFlag(Qt::AltModifier);
    case skLeftButton: return QGuiApplication::mouseButtons().testFlag(Qt::LeftButton);
    }
    return false;
}

void TSrcEditWindow::StartTimer(int Id, int IntervalMs) { timers_.Start(Id, IntervalMs); }

void TSrcEditWindow::StopTimer(int Id) { timers_.Stop(Id); }

#include "editor/qt/QtScrollBars.h"

#include <QAbstractScrollArea>

TQtScrollBars::TQtScrollBars(QAbstractScrollArea& Area, TActionHandler OnAction)
    : area_(Area), onAction_(std::move(OnAction)) {
    Connect(sbHorizontal);
    Connect(sbVertical);
}

QScrollBar& TQtScrollBars::Bar(TSrcScrollBarKind Bar) const {
    return *(Bar == sbHorizontal ? area_.horizontalScrollBar() : area_.verticalScrollBar());
}

void TQtScrollBars::Connect(TSrcScrollBarKind Kind) {
    QScrollBar* bar = &Bar(Kind);
    QObject::connect(bar, &QAbstractSlider::actionTriggered, bar, [this, Kind](int action) { Action(Kind, action); });
    QObject::connect(bar, &QAbstractSlider::sliderPressed, bar, [this, Kind, bar] {
        if (!guard_) {
            onAction_(Kind, scrThumbTrack, bar->sliderPosition());
        }
    });
    QObject::connect(bar, &QAbstractSlider::sliderReleased, bar, [this, Kind, bar] {
        if (!guard_) {
            onAction_(Kind, scrThumbPosition, bar->sliderPosition());
            onAction_(Kind, scrEndScroll, 0);
        }
    });
}

void TQtScrollBars::Action(TSrcScrollBarKind Kind, int SliderAction) {
    if (guard_) {
        return;
    }
    QScrollBar& bar = Bar(Kind);
    TSrcScrollCode action;
    switch (SliderAction) {
    case QAbstractSlider::SliderSingleStepSub: action = scrLineUp; break;
    case QAbstractSlider::SliderSingleStepAdd: action = scrLineDown; break;
    case QAbstractSlider::SliderPageStepSub: action = scrPageUp; break;
    case QAbstractSlider::SliderPageStepAdd: action = scrPageDown; break;
    case QAbstractSlider::SliderToMinimum: action = scrTop; break;
    case QAbstractSlider::SliderToMaximum: action = scrBottom; break;
    case QAbstractSlider::SliderMove:
        onAction_(Kind, scrThumbTrack, bar.sliderPosition());
        return;  // the release ends it
    default: return;
    }
    onAction_(Kind, action, bar.sliderPosition());
    onAction_(Kind, scrEndScroll, 0);
}

void TQtScrollBars::SetInfo(TSrcScrollBarKind Kind, const TSrcScrollInfo& Info) {
    QScrollBar& bar = Bar(Kind);
    int maximum = std::max(Info.Min, Info.Max - std::max(Info.Page, 0) + 1);
    guard_ = true;
    bar.setRange(Info.Min, maximum);
    bar.setPageStep(std::max(Info.Page, 1));
    bar.setSingleStep(1);
    bar.setValue(Info.Pos);
    guard_ = false;
    state_[Kind].hasRange = Info.Max - Info.Page + 1 > Info.Min || !Info.DisableNoScroll;
    ApplyEnabled(Kind);
}

void TQtScrollBars::Show(TSrcScrollBarKind Kind, bool Show) {
    // Setting a policy lays the area out again, even an unchanged one.
    Qt::ScrollBarPolicy policy = Show ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff;
    if (Kind == sbHorizontal && area_.horizontalScrollBarPolicy() != policy) {
        area_.setHorizontalScrollBarPolicy(policy);
    } else if (Kind == sbVertical && area_.verticalScrollBarPolicy() != policy) {
        area_.setVerticalScrollBarPolicy(policy);
    }
}

void TQtScrollBars::EnableArrows(TSrcScrollBarKind Kind, TSrcScrollArrows Arrows) {
    state_[Kind].arrowsEnabled = Arrows != saDisableBoth;
    ApplyEnabled(Kind);
}

void TQtScrollBars::ApplyEnabled(TSrcScrollBarKind Kind) {
    Bar(Kind).setEnabled(state_[Kind].hasRange && state_[Kind].arrowsEnabled);
}

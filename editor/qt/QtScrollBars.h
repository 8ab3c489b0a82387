#pragma once
#include <QScrollBar>

#include <functional>

#include "editor/control/SrcWindowServices.h"

class QAbstractScrollArea;

// The editor's scroll bars on a Qt scroll area. Settings from the control
// are applied under a guard so that they never come back as user actions.
class TQtScrollBars {
public:
    using TActionHandler = std::function<void(TSrcScrollBarKind, TSrcScrollCode, int Pos)>;

    TQtScrollBars(QAbstractScrollArea& Area, TActionHandler OnAction);

    void SetInfo(TSrcScrollBarKind Bar, const TSrcScrollInfo& Info);
    void Show(TSrcScrollBarKind Bar, bool Show);
    void EnableArrows(TSrcScrollBarKind Bar, TSrcScrollArrows Arrows);

    QScrollBar& Bar(TSrcScrollBarKind Bar) const;

private:
    struct TBarState {
        bool hasRange = true;
        bool arrowsEnabled = true;
    };
    void Connect(TSrcScrollBarKind Bar);
    void Action(TSrcScrollBarKind Bar, int SliderAction);
    void ApplyEnabled(TSrcScrollBarKind Bar);

    QAbstractScrollArea& area_;
    TActionHandler onAction_;
    TBarState state_[2];
    bool guard_ = false;
};

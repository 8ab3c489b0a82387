#include "widgets/WrapToolBar.h"

#include <QActionEvent>
#include <QFrame>
#include <QToolButton>
#include <QWidgetAction>

#include "widgets/FlowLayout.h"

namespace {
constexpr int IconSize = 16;
constexpr int SeparatorWidth = 6;
}  // namespace

TWrapToolBar::TWrapToolBar(QWidget* parent) : QWidget(parent), layout_(new TFlowLayout(this))
{
    layout_->setContentsMargins(2, 2, 2, 2);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

void TWrapToolBar::setToolButtonStyle(Qt::ToolButtonStyle style)
{
    style_ = style;
    for (QToolButton* button : findChildren<QToolButton*>(Qt::FindDirectChildrenOnly))
        button->setToolButtonStyle(style);
}

QAction* TWrapToolBar::addSeparator()
{
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    addAction(separator);
    return separator;
}

QAction* TWrapToolBar::addWidget(QWidget* widget)
{
    auto* action = new QWidgetAction(this);
    action->setDefaultWidget(widget);
    addAction(action);
    return action;
}

QWidget* TWrapToolBar::widgetForAction(const QAction* action) const
{
    return widgets_.value(action);
}

void TWrapToolBar::clear()
{
    for (QAction* action : actions()) {
        removeAction(action);
        if (action->parent() == this) delete action;
    }
}

QWidget* TWrapToolBar::MakeWidget(QAction* action)
{
    if (auto* widgetAction = qobject_cast<QWidgetAction*>(action)) return widgetAction->requestWidget(this);
    if (action->isSeparator()) {
        auto* line = new QFrame(this);
        line->setFrameShape(QFrame::VLine);
        line->setFrameShadow(QFrame::Sunken);
        line->setFixedWidth(SeparatorWidth);
        line->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
        return line;
    }
    auto* button = new QToolButton(this);
    button->setAutoRaise(true);
    button->setIconSize(QSize(IconSize, IconSize));
    button->setToolButtonStyle(style_);
    button->setDefaultAction(action);
    return button;
}

void TWrapToolBar::actionEvent(QActionEvent* event)
{
    QAction* action = event->action();
    switch (event->type()) {
    case QEvent::ActionAdded: {
        QWidget* widget = MakeWidget(action);
        widgets_.insert(action, widget);
        layout_->InsertWidget(static_cast<int>(actions().indexOf(action)), widget);
        widget->setVisible(action->isVisible());
        break;
    }
    case QEvent::ActionRemoved: {
        QWidget* widget = widgets_.take(action);  // null when it went first
        if (!widget) break;
        if (auto* widgetAction = qobject_cast<QWidgetAction*>(action))
            widgetAction->releaseWidget(widget);
        else
            delete widget;
        break;
    }
    case QEvent::ActionChanged:
        if (QWidget* widget = widgets_.value(action)) widget->setVisible(action->isVisible());
        break;
    default:
        break;
    }
    QWidget::actionEvent(event);
}

#pragma once
#include <QHash>
#include <QPointer>
#include <QWidget>

class QAction;
class QActionEvent;
class TFlowLayout;

// A flat tool bar that wraps onto more rows when it is too narrow, instead
// of hiding buttons behind an extension menu. Every action added to it
// becomes a tool button bound to the action; separators are thin lines;
// addWidget places any other control in the row. Its calls are named as
// QToolBar's.
class TWrapToolBar : public QWidget {
public:
    explicit TWrapToolBar(QWidget* parent = nullptr);

    void setToolButtonStyle(Qt::ToolButtonStyle style);
    Qt::ToolButtonStyle toolButtonStyle() const { return style_; }
    QAction* addSeparator();
    // The action that stands for `widget` in actions().
    QAction* addWidget(QWidget* widget);
    // The button or control of `action`; null when it has none here.
    QWidget* widgetForAction(const QAction* action) const;
    // Removes every action; the separators and controls the bar made go too.
    void clear();

protected:
    void actionEvent(QActionEvent* event) override;

private:
    QWidget* MakeWidget(QAction* action);

    TFlowLayout* layout_;
    QHash<const QAction*, QPointer<QWidget>> widgets_;
    Qt::ToolButtonStyle style_ = Qt::ToolButtonTextUnderIcon;
};

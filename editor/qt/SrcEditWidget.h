#pragma once
#include <QAbstractScrollArea>

#include <memory>

#include "editor/control/SrcEdit.h"
#include "editor/qt/QtClipboard.h"
#include "editor/qt/SrcEditWindow.h"

// The editor control as a Qt widget: a scroll area whose viewport is the
// control's window. Mouse input is passed on elsewhere.
class TSrcEditWidget : public QAbstractScrollArea, public TSrcEdit {
public:
    explicit TSrcEditWidget(QWidget* Parent = nullptr, TComponent* AOwner = nullptr);
    ~TSrcEditWidget() override;

    TSrcEditWindow& Window() const { return *window_; }
    // The caret cell and the editor font for the input method.
    QVariant inputMethodQuery(Qt::InputMethodQuery Query) const override;

protected:
    void paintEvent(QPaintEvent* Event) override;
    void resizeEvent(QResizeEvent* Event) override;
    void focusInEvent(QFocusEvent* Event) override;
    void focusOutEvent(QFocusEvent* Event) override;
    // Keyboard and input method (SrcEditWidgetKeys.cpp).
    bool event(QEvent* Event) override;
    void keyPressEvent(QKeyEvent* Event) override;
    void keyReleaseEvent(QKeyEvent* Event) override;
    void inputMethodEvent(QInputMethodEvent* Event) override;
    void changeEvent(QEvent* Event) override;
    // Mouse and wheel (SrcEditWidgetMouse.cpp).
    void mousePressEvent(QMouseEvent* Event) override;
    void mouseMoveEvent(QMouseEvent* Event) override;
    void mouseReleaseEvent(QMouseEvent* Event) override;
    void mouseDoubleClickEvent(QMouseEvent* Event) override;
    void wheelEvent(QWheelEvent* Event) override;
    // Drops (SrcEditWidgetDrop.cpp): text only from editor widgets of this
    // process; files to OnDropFiles with eoDropFiles, else to the parents.
    void dragEnterEvent(QDragEnterEvent* Event) override;
    void dragMoveEvent(QDragMoveEvent* Event) override;
    void dragLeaveEvent(QDragLeaveEvent* Event) override;
    void dropEvent(QDropEvent* Event) override;
    // Where a drop comes from; the event's drag source.
    virtual QObject* DropSource(const QDropEvent& Event) const;
    // The control scrolls the view itself.
    void scrollContentsBy(int, int) override {}

private:
    TCustomSrcEdit* DraggedEditor(const QDropEvent& Event) const;
    void DragOverEvent(QDragMoveEvent& Event, TDragState State);

    std::unique_ptr<TSrcEditWindow> window_;
    TQtClipboard systemClipboard_;
};

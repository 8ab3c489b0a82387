#include "editor/qt/SrcEditWidget.h"

#include <QFocusEvent>

#include "editor/qt/QtFontServices.h"
#include "editor/qt/QtGuardedCall.h"
#include "editor/support/SrcExceptions.h"

namespace {
// Installs the Qt font services unless some are; returns Parent so that it
// can run before the control is made.
QWidget* WithFontServices(QWidget* Parent) {
    static TQtFontServices services;
    try {
        SrcFontServices();
    } catch (const ESrcEditError&) {
        SetSrcFontServices(&services);
    }
    return Parent;
}
}  // namespace

TSrcEditWidget::TSrcEditWidget(QWidget* Parent, TComponent* AOwner)
    : QAbstractScrollArea(WithFontServices(Parent)), TSrcEdit(AOwner) {
    QWidget* port = viewport();
    port->setAttribute(Qt::WA_OpaquePaintEvent);
    port->setAttribute(Qt::WA_NoSystemBackground);
    port->setAutoFillBackground(false);
    port->setCursor(Qt::IBeamCursor);
    port->setMouseTracking(true);
    port->setAcceptDrops(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    window_ = std::make_unique<TSrcEditWindow>(*this, *this);
    window_->SetBorderStyle(BorderStyle());
    SetWindowServices(window_.get());
    SetClipboard(&systemClipboard_);
}

TSrcEditWidget::~TSrcEditWidget() {
    SetWindowServices(nullptr);
    SetClipboard(nullptr);
    window_.reset();
}

void TSrcEditWidget::paintEvent(QPaintEvent* Event) { window_->PaintEvent(*Event); }

void TSrcEditWidget::resizeEvent(QResizeEvent*) {
    window_->Resized();
    QtGuardedCall("resize", [this] { SizeOrFontChanged(false); });
}

void TSrcEditWidget::focusInEvent(QFocusEvent* Event) {
    QAbstractScrollArea::focusInEvent(Event);
    QtGuardedCall("focus in", [this] { FocusIn(); });
}

void TSrcEditWidget::focusOutEvent(QFocusEvent* Event) {
    QAbstractScrollArea::focusOutEvent(Event);
    QtGuardedCall("focus out", [this] { window_->LoseCapture(); });
    QtGuardedCall("focus out", [this] { FocusOut(); });
}

void TSrcEditWidget::changeEvent(QEvent* Event) {
    QAbstractScrollArea::changeEvent(Event);
    if (Event->type() == QEvent::ActivationChange && !isActiveWindow()) {
        QtGuardedCall("deactivation", [this] { window_->LoseCapture(); });
    }
}

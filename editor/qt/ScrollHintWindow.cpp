#include "editor/qt/ScrollHintWindow.h"

#include <QApplication>
#include <QLabel>

TScrollHintWindow& TScrollHintWindow::Instance() {
    static TScrollHintWindow hint;
    return hint;
}

QLabel& TScrollHintWindow::Label() {
    if (!label_) {
        label_ = new QLabel(nullptr, Qt::ToolTip | Qt::BypassGraphicsProxyWidget);
        label_->setMargin(2);
        label_->setFrameStyle(QFrame::Box | QFrame::Plain);
        label_->setAutoFillBackground(true);
        // Gone with the application's windows.
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, label_, &QObject::deleteLater);
    }
    return *label_;
}

QSize TScrollHintWindow::SizeFor(const QString& Text, int MaxWidth) {
    QLabel& label = Label();
    label.setText(Text);
    QSize size = label.sizeHint();
    size.setWidth(std::min(size.width(), MaxWidth));
    return size;
}

void TScrollHintWindow::Show(const QString& Text, const QColor& Color, const QPoint& At) {
    QLabel& label = Label();
    QPalette palette = label.palette();
    palette.setColor(QPalette::Window, Color);
    palette.setColor(QPalette::ToolTipBase, Color);
    label.setPalette(palette);
    label.setText(Text);
    label.resize(label.sizeHint());
    label.move(At);
    label.show();
    label.raise();
}

void TScrollHintWindow::Hide() {
    if (label_) {
        label_->hide();
    }
}

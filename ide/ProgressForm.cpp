#include "ide/ProgressForm.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

TProgressForm::TProgressForm(QWidget* owner) : QDialog(owner, Qt::Tool)
{
    setObjectName("ProgressForm");
    setWindowTitle("Progress");
    ProgressBar = new QProgressBar(this);
    ProgressBar->setObjectName("ProgressBar");
    ProgressBar->setRange(0, 100);
    ProgressText = new QLineEdit(this);
    ProgressText->setObjectName("ProgressText");
    ProgressText->setReadOnly(true);
    ProgressText->setFrame(false);
    ProgressText->setFocusPolicy(Qt::NoFocus);
    QPalette palette = ProgressText->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    ProgressText->setPalette(palette);
    Cancel = new QPushButton("Cancel", this);
    Cancel->setObjectName("Cancel");
    Cancel->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ProgressBar);
    layout->addWidget(ProgressText);
    layout->addWidget(Cancel, 0, Qt::AlignHCenter);
    connect(Cancel, &QPushButton::clicked, this, [this] { CancelClick(); });
    resize(300, sizeHint().height());
}

void TProgressForm::SetText(const QString& text)
{
    ProgressText->setText(text);
    repaint();
}

void TProgressForm::CancelClick()
{
    if (onCancel_) onCancel_();
}

void TProgressForm::closeEvent(QCloseEvent* event)
{
    event->ignore();
    hide();
    CancelClick();
}

void TProgressForm::reject()
{
    hide();
    CancelClick();
}

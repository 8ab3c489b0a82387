#include "ide/ZARNTabControl.h"

#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

TZARNTabControl::TZARNTabControl(QWidget* parent)
    : QWidget(parent), bar_(new QTabBar(this)), stack_(new QStackedWidget(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    bar_->setExpanding(false);
    bar_->setDocumentMode(true);
    layout->addWidget(bar_);
    layout->addWidget(stack_, 1);
    connect(bar_, &QTabBar::currentChanged, this, [this](int) {
        if (changing_) return;
        ShowSelected();
        if (OnChange) OnChange();
    });
}

int TZARNTabControl::Count() const
{
    return bar_->count();
}

int TZARNTabControl::TabIndex() const
{
    return bar_->currentIndex();
}

void TZARNTabControl::SetTabIndex(int index)
{
    {
        const QSignalBlocker block(bar_);
        bar_->setCurrentIndex(index);
    }
    ShowSelected();
}

int TZARNTabControl::AddTab(const QString& text, QWidget* page)
{
    const QSignalBlocker block(bar_);
    const int selected = bar_->currentIndex();
    stack_->addWidget(page);
    const int index = bar_->addTab(text);
    if (selected >= 0) bar_->setCurrentIndex(selected);
    if (OnGetImage) bar_->setTabIcon(index, OnGetImage(index));
    return index;
}

void TZARNTabControl::RemoveTab(int i)
{
    if (i < 0 || i >= Count()) return;
    int next = TabIndex() - 1;
    {
        const QSignalBlocker block(bar_);
        bar_->removeTab(i);
        stack_->removeWidget(stack_->widget(i));
        if (next < 0 && Count() > 0) next = 0;
        bar_->setCurrentIndex(next);
    }
    ShowSelected();
}

QWidget* TZARNTabControl::Page(int i) const
{
    return stack_->widget(i);
}

int TZARNTabControl::IndexOf(const QWidget* page) const
{
    return stack_->indexOf(const_cast<QWidget*>(page));
}

QString TZARNTabControl::TabText(int i) const
{
    return bar_->tabText(i);
}

void TZARNTabControl::SetTabText(int i, const QString& text)
{
    bar_->setTabText(i, text);
}

void TZARNTabControl::UpdateImages()
{
    if (!OnGetImage) return;
    for (int i = 0; i < Count(); ++i) bar_->setTabIcon(i, OnGetImage(i));
}

void TZARNTabControl::ShowSelected()
{
    const int index = TabIndex();
    if (index >= 0 && index < stack_->count()) stack_->setCurrentIndex(index);
}

#include "widgets/FlowLayout.h"

#include <QWidget>
#include <algorithm>

TFlowLayout::TFlowLayout(QWidget* parent, int spacing) : QLayout(parent), spacing_(spacing)
{
    setContentsMargins(0, 0, 0, 0);
}

TFlowLayout::~TFlowLayout()
{
    while (QLayoutItem* item = takeAt(0)) delete item;
}

void TFlowLayout::addItem(QLayoutItem* item)
{
    items_.append(item);
}

void TFlowLayout::InsertWidget(int index, QWidget* widget)
{
    addChildWidget(widget);
    auto* item = new QWidgetItem(widget);
    if (index < 0 || index > items_.size()) index = static_cast<int>(items_.size());
    items_.insert(index, item);
    invalidate();
}

QLayoutItem* TFlowLayout::itemAt(int index) const
{
    return index >= 0 && index < items_.size() ? items_[index] : nullptr;
}

QLayoutItem* TFlowLayout::takeAt(int index)
{
    if (index < 0 || index >= items_.size()) return nullptr;
    QLayoutItem* item = items_.takeAt(index);
    invalidate();
    return item;
}

int TFlowLayout::heightForWidth(int width) const
{
    return Arrange(QRect(0, 0, width, 0), false);
}

QSize TFlowLayout::sizeHint() const
{
    int width = 0;
    int height = 0;
    int shown = 0;
    for (const QLayoutItem* item : items_) {
        if (item->isEmpty()) continue;
        width += item->sizeHint().width();
        height = std::max(height, item->sizeHint().height());
        ++shown;
    }
    const QMargins margins = contentsMargins();
    return QSize(width + std::max(0, shown - 1) * spacing_ + margins.left() + margins.right(),
                 height + margins.top() + margins.bottom());
}

QSize TFlowLayout::minimumSize() const
{
    QSize size;
    for (const QLayoutItem* item : items_)
        if (!item->isEmpty()) size = size.expandedTo(item->minimumSize());
    const QMargins margins = contentsMargins();
    return size.grownBy(margins);
}

void TFlowLayout::setGeometry(const QRect& rect)
{
    QLayout::setGeometry(rect);
    Arrange(rect, true);
}

int TFlowLayout::Arrange(const QRect& rect, bool place) const
{
    const QRect area = rect.marginsRemoved(contentsMargins());
    QList<QLayoutItem*> row;
    int top = area.top();
    auto finishRow = [&] {
        int height = 0;
        for (const QLayoutItem* item : row) height = std::max(height, item->sizeHint().height());
        int x = area.left();
        for (qsizetype i = 0; i < row.size(); ++i) {
            QLayoutItem* item = row[i];
            const QSize hint = item->sizeHint();
            const bool fills = item->expandingDirections() & Qt::Vertical;
            // A separator at either end of a row separates nothing.
            const bool atEdge = fills && (i == 0 || i == row.size() - 1);
            const int itemHeight = atEdge ? 0 : fills ? height : hint.height();
            if (place) item->setGeometry(QRect(x, top + (height - itemHeight) / 2, hint.width(), itemHeight));
            x += hint.width() + spacing_;
        }
        if (!row.isEmpty()) top += height + spacing_;
        row.clear();
    };
    int x = area.left();
    for (QLayoutItem* item : items_) {
        if (item->isEmpty()) continue;
        const int width = item->sizeHint().width();
        if (!row.isEmpty() && x + width > area.right() + 1) {
            finishRow();
            x = area.left();
        }
        row.append(item);
        x += width + spacing_;
    }
    finishRow();
    const int used = top == area.top() ? 0 : top - area.top() - spacing_;
    return used + contentsMargins().top() + contentsMargins().bottom();
}

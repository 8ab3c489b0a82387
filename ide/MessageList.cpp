#include "ide/MessageList.h"

#include <QListWidget>

#include "editor/support/ShownText.h"

namespace {

class TMessageItem : public QListWidgetItem {
public:
    TMessageItem(const std::string& text, std::unique_ptr<TLinInfo> info)
        : QListWidgetItem(QString::fromStdString(ShownText(text)), nullptr, UserType), Info(std::move(info))
    {
    }
    std::unique_ptr<TLinInfo> Info;
};

}  // namespace

TMessageList::TMessageList(QListWidget& list, LineAdded lineAdded) : list_(list), lineAdded_(std::move(lineAdded)) {}

void TMessageList::AddLine(std::string text, std::unique_ptr<TLinInfo> info)
{
    auto* item = new TMessageItem(text, std::move(info));
    list_.addItem(item);
    list_.setCurrentRow(list_.count() - 1);
    if (lineAdded_) lineAdded_(text, item->Info.get());
}

const TLinInfo* TMessageList::LineInfo(const QListWidgetItem* item)
{
    if (!item || item->type() != QListWidgetItem::UserType) return nullptr;
    return static_cast<const TMessageItem*>(item)->Info.get();
}

bool IsErrorLine(const TLinInfo* info)
{
    return info && !info->IsSourcePosition && info->Category != 0;
}

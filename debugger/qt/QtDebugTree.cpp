#include "debugger/qt/QtDebugTree.h"

#include <QTreeWidget>

#include "debugger/DebugNode.h"
#include "debugger/qt/ReportErrors.h"
#include "debugger/qt/TypeImages.h"

namespace {
constexpr int NodeRole = Qt::UserRole;
constexpr int ImageRole = Qt::UserRole + 1;
}  // namespace

TQtDebugTree::TQtDebugTree(QTreeWidget& widget) : widget_(widget)
{
    expandedConnection_ = QObject::connect(&widget_, &QTreeWidget::itemExpanded, &widget_,
                                           [this](QTreeWidgetItem* item) { OnExpanded(item); });
}

TQtDebugTree::~TQtDebugTree()
{
    QObject::disconnect(expandedConnection_);
}

TTreeLine TQtDebugTree::AddLine(TTreeLine parent, const std::string& text, int image, TDebugNode* node)
{
    auto* item = new QTreeWidgetItem(QStringList{QString::fromStdString(text)});
    item->setIcon(0, TypeImages().at(size_t(image)));
    item->setData(0, ImageRole, image);
    item->setData(0, NodeRole, QVariant::fromValue(quintptr(node)));
    if (parent)
        Item(parent)->addChild(item);
    else
        widget_.addTopLevelItem(item);
    return LineOf(item);
}

void TQtDebugTree::Own(std::unique_ptr<TDebugNode> node)
{
    owned_.push_back(std::move(node));
}

void TQtDebugTree::DeleteLine(TTreeLine line)
{
    delete Item(line);
}

void TQtDebugTree::Expand(TTreeLine line, bool recurse)
{
    QTreeWidgetItem* item = Item(line);
    if (item->childCount() == 0) return;
    ++expanding_;
    item->setExpanded(true);
    --expanding_;
    if (pending_) {
        std::exception_ptr error = pending_;
        pending_ = nullptr;
        std::rethrow_exception(error);
    }
    if (!recurse) return;
    for (int i = 0; i < item->childCount(); ++i) Expand(LineOf(item->child(i)), true);
}

void TQtDebugTree::Collapse(TTreeLine line, bool recurse)
{
    QTreeWidgetItem* item = Item(line);
    item->setExpanded(false);
    if (!recurse) return;
    for (int i = 0; i < item->childCount(); ++i) Collapse(LineOf(item->child(i)), true);
}

bool TQtDebugTree::IsExpanded(TTreeLine line) const { return Item(line)->isExpanded(); }
std::string TQtDebugTree::Text(TTreeLine line) const { return Item(line)->text(0).toStdString(); }
int TQtDebugTree::Image(TTreeLine line) const { return Item(line)->data(0, ImageRole).toInt(); }

TDebugNode* TQtDebugTree::Node(TTreeLine line) const
{
    return reinterpret_cast<TDebugNode*>(Item(line)->data(0, NodeRole).value<quintptr>());
}

int TQtDebugTree::ChildCount(TTreeLine parent) const
{
    return parent ? Item(parent)->childCount() : widget_.topLevelItemCount();
}

TTreeLine TQtDebugTree::Child(TTreeLine parent, int index) const
{
    return LineOf(parent ? Item(parent)->child(index) : widget_.topLevelItem(index));
}

TTreeLine TQtDebugTree::Parent(TTreeLine line) const
{
    return LineOf(Item(line)->parent());
}

void TQtDebugTree::Clear()
{
    widget_.clear();
    owned_.clear();
}

void TQtDebugTree::BeginUpdate()
{
    if (updateDepth_++ == 0) widget_.setUpdatesEnabled(false);
}

void TQtDebugTree::EndUpdate()
{
    if (--updateDepth_ == 0) widget_.setUpdatesEnabled(true);
}

void TQtDebugTree::OnExpanded(QTreeWidgetItem* item)
{
    try {
        Expanded(LineOf(item));
    } catch (...) {
        if (expanding_ > 0)
            pending_ = std::current_exception();
        else
            ReportCurrentError();
    }
}

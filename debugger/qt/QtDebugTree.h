#pragma once
#include <QMetaObject>
#include <exception>
#include <memory>
#include <vector>

#include "debugger/DebugTree.h"

class QTreeWidget;
class QTreeWidgetItem;

// A debug tree over a QTreeWidget. An error of the expand handler leaves
// through Expand when the code opened the line, and is reported when the
// user did.
class TQtDebugTree : public IDebugTree {
public:
    explicit TQtDebugTree(QTreeWidget& widget);
    ~TQtDebugTree() override;

    TTreeLine AddLine(TTreeLine parent, const std::string& text, int image, TDebugNode* node) override;
    void Own(std::unique_ptr<TDebugNode> node) override;
    void DeleteLine(TTreeLine line) override;
    void Expand(TTreeLine line, bool recurse) override;
    void Collapse(TTreeLine line, bool recurse) override;
    bool IsExpanded(TTreeLine line) const override;
    std::string Text(TTreeLine line) const override;
    int Image(TTreeLine line) const override;
    TDebugNode* Node(TTreeLine line) const override;
    int ChildCount(TTreeLine parent) const override;
    TTreeLine Child(TTreeLine parent, int index) const override;
    TTreeLine Parent(TTreeLine line) const override;
    void Clear() override;
    void BeginUpdate() override;
    void EndUpdate() override;

    static QTreeWidgetItem* Item(TTreeLine line) { return reinterpret_cast<QTreeWidgetItem*>(line); }
    static TTreeLine LineOf(QTreeWidgetItem* item) { return reinterpret_cast<TTreeLine>(item); }

private:
    void OnExpanded(QTreeWidgetItem* item);

    QTreeWidget& widget_;
    QMetaObject::Connection expandedConnection_;
    std::vector<std::unique_ptr<TDebugNode>> owned_;
    int updateDepth_ = 0;
    int expanding_ = 0;
    std::exception_ptr pending_;
};

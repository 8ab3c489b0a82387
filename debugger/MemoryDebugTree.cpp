#include "debugger/MemoryDebugTree.h"

#include <algorithm>

#include "debugger/DebugNode.h"

struct TMemoryDebugTree::Line {
    std::string text;
    int image = 0;
    TDebugNode* node = nullptr;
    bool expanded = false;
    Line* parent = nullptr;
    std::vector<std::unique_ptr<Line>> children;
};

TMemoryDebugTree::TMemoryDebugTree() : root_(std::make_unique<Line>()) {}

TMemoryDebugTree::~TMemoryDebugTree() = default;

TMemoryDebugTree::Line* TMemoryDebugTree::Of(TTreeLine line) const
{
    return line ? reinterpret_cast<Line*>(line) : root_.get();
}

TTreeLine TMemoryDebugTree::AddLine(TTreeLine parent, const std::string& text, int image, TDebugNode* node)
{
    Line* owner = Of(parent);
    auto line = std::make_unique<Line>();
    line->text = text;
    line->image = image;
    line->node = node;
    line->parent = owner;
    owner->children.push_back(std::move(line));
    return reinterpret_cast<TTreeLine>(owner->children.back().get());
}

void TMemoryDebugTree::Own(std::unique_ptr<TDebugNode> node)
{
    owned_.push_back(std::move(node));
}

void TMemoryDebugTree::DeleteLine(TTreeLine line)
{
    Line* target = Of(line);
    auto& siblings = target->parent->children;
    siblings.erase(std::find_if(siblings.begin(), siblings.end(), [&](const auto& l) { return l.get() == target; }));
}

void TMemoryDebugTree::Expand(TTreeLine line, bool recurse)
{
    Line* target = Of(line);
    if (target->children.empty()) return;
    if (!target->expanded) {
        target->expanded = true;
        Expanded(line);
    }
    if (!recurse) return;
    for (int i = 0; i < ChildCount(line); ++i) Expand(Child(line, i), true);
}

void TMemoryDebugTree::Collapse(TTreeLine line, bool recurse)
{
    Line* target = Of(line);
    target->expanded = false;
    if (!recurse) return;
    for (auto& child : target->children) Collapse(reinterpret_cast<TTreeLine>(child.get()), true);
}

bool TMemoryDebugTree::IsExpanded(TTreeLine line) const { return Of(line)->expanded; }
std::string TMemoryDebugTree::Text(TTreeLine line) const { return Of(line)->text; }
int TMemoryDebugTree::Image(TTreeLine line) const { return Of(line)->image; }
TDebugNode* TMemoryDebugTree::Node(TTreeLine line) const { return Of(line)->node; }
int TMemoryDebugTree::ChildCount(TTreeLine parent) const { return int(Of(parent)->children.size()); }

TTreeLine TMemoryDebugTree::Child(TTreeLine parent, int index) const
{
    return reinterpret_cast<TTreeLine>(Of(parent)->children[size_t(index)].get());
}

TTreeLine TMemoryDebugTree::Parent(TTreeLine line) const
{
    Line* parent = Of(line)->parent;
    return parent == root_.get() ? nullptr : reinterpret_cast<TTreeLine>(parent);
}

void TMemoryDebugTree::Clear()
{
    root_->children.clear();
    owned_.clear();
}

std::vector<std::string> TMemoryDebugTree::Shown() const
{
    std::vector<std::string> out;
    for (const auto& line : root_->children) AddShown(*line, 0, out);
    return out;
}

void TMemoryDebugTree::AddShown(const Line& line, int depth, std::vector<std::string>& out) const
{
    out.push_back(std::string(size_t(2 * depth), ' ') + line.text);
    if (!line.expanded) return;
    for (const auto& child : line.children) AddShown(*child, depth + 1, out);
}

#pragma once
#include <memory>
#include <string>
#include <vector>

#include "debugger/DebugTree.h"

// A debug tree held in memory, without a screen.
class TMemoryDebugTree : public IDebugTree {
public:
    TMemoryDebugTree();
    ~TMemoryDebugTree() override;

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
    void BeginUpdate() override { ++updateDepth_; }
    void EndUpdate() override { --updateDepth_; }

    int UpdateDepth() const { return updateDepth_; }
    // The visible lines (open parents only), indented by two blanks a level.
    std::vector<std::string> Shown() const;

private:
    struct Line;
    Line* Of(TTreeLine line) const;
    void AddShown(const Line& line, int depth, std::vector<std::string>& out) const;

    std::unique_ptr<Line> root_;
    std::vector<std::unique_ptr<TDebugNode>> owned_;
    int updateDepth_ = 0;
};

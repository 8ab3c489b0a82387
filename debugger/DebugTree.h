#pragma once
#include <functional>
#include <memory>
#include <string>

class TDebugNode;

// A line of a debug tree, opaque to its users; null is "none" (the top level).
struct TTreeLineTag;
using TTreeLine = TTreeLineTag*;

// Images of the tree lines.
enum TDebugImage : int {
    imFrame = 0,
    imArray = 1,
    imNotShown = 2,
    imObject = 3,
    imPrimitive = 4,
    imString = 5,
    imOutOfScope = 6,
};

// The tree the variable lines go to: lines with a text, an image and the node
// object that fills them. Expanding a line (by code or by the user) calls the
// expand handler after the line opened; the handler may close it again.
class IDebugTree {
public:
    using ExpandHandler = std::function<void(TTreeLine)>;

    virtual ~IDebugTree() = default;

    // Adds a line at the end of parent's children (null parent: top level).
    virtual TTreeLine AddLine(TTreeLine parent, const std::string& text, int image, TDebugNode* node) = 0;
    // The node lives until the tree is cleared.
    virtual void Own(std::unique_ptr<TDebugNode> node) = 0;
    // Removes the line and its children.
    virtual void DeleteLine(TTreeLine line) = 0;
    // Opening a line without children does nothing.
    virtual void Expand(TTreeLine line, bool recurse) = 0;
    virtual void Collapse(TTreeLine line, bool recurse) = 0;
    virtual bool IsExpanded(TTreeLine line) const = 0;
    virtual std::string Text(TTreeLine line) const = 0;
    virtual int Image(TTreeLine line) const = 0;
    virtual TDebugNode* Node(TTreeLine line) const = 0;
    // Children of a line; of the top level for null.
    virtual int ChildCount(TTreeLine parent) const = 0;
    virtual TTreeLine Child(TTreeLine parent, int index) const = 0;
    virtual TTreeLine Parent(TTreeLine line) const = 0;
    // Removes every line and frees the owned nodes.
    virtual void Clear() = 0;
    virtual void BeginUpdate() = 0;
    virtual void EndUpdate() = 0;

    void SetExpandHandler(ExpandHandler handler) { expandHandler_ = std::move(handler); }

    // Index order: a line, then its children, then its next sibling.
    TTreeLine First() const { return ChildCount(nullptr) > 0 ? Child(nullptr, 0) : nullptr; }
    TTreeLine Next(TTreeLine line) const;
    // All lines, in index order.
    int Count() const;

protected:
    void Expanded(TTreeLine line) const
    {
        if (expandHandler_) expandHandler_(line);
    }

private:
    int IndexOf(TTreeLine parent, TTreeLine line) const;

    ExpandHandler expandHandler_;
};

// Keeps a tree's updates paused while it lives.
class TTreeUpdate {
public:
    explicit TTreeUpdate(IDebugTree& tree) : tree_(tree) { tree_.BeginUpdate(); }
    ~TTreeUpdate() { tree_.EndUpdate(); }
    TTreeUpdate(const TTreeUpdate&) = delete;
    TTreeUpdate& operator=(const TTreeUpdate&) = delete;

private:
    IDebugTree& tree_;
};

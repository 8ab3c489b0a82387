#pragma once
#include <cstdint>
#include <string>

#include "debugger/DebugTree.h"

class CJavaClass;
class CORULinker;
class TJVMHeap;
class TJVMStack;

// What every variable node reads through: its tree, the heap cache and the link.
struct TDebugContext {
    IDebugTree& tree;
    TJVMHeap& heap;
    const CORULinker& linker;
};

// One expandable line of a debug tree: it makes its line with a placeholder
// child and fills the real children the first time it is expanded.
class TDebugNode {
public:
    TDebugNode(const TDebugContext& context, uint32_t address) : context_(context), address_(address) {}
    virtual ~TDebugNode() = default;
    TDebugNode(const TDebugNode&) = delete;
    TDebugNode& operator=(const TDebugNode&) = delete;

    // Adds this node's line under parent (null: top level); null when the
    // line is made elsewhere.
    virtual TTreeLine CreateNode(TTreeLine parent) = 0;
    // Fills the line once; later calls do nothing.
    void Expand();

    TTreeLine Line() const { return line_; }
    uint32_t Address() const { return address_; }
    bool IsExpanded() const { return expanded_; }

protected:
    virtual void AddChildren() = 0;
    // Adds the empty child that makes the line expandable.
    void AddPlaceholder();

    TDebugContext context_;
    uint32_t address_;
    TTreeLine line_ = nullptr;
    TTreeLine placeholder_ = nullptr;
    bool expanded_ = false;
};

// A stack frame; its children are the method's local variables.
class TDebugMethod : public TDebugNode {
public:
    TDebugMethod(const TDebugContext& context, const TJVMStack& stack, int32_t frame, uint32_t method, uint32_t pc);
    TTreeLine CreateNode(TTreeLine parent) override;

private:
    void AddChildren() override;

    const TJVMStack& stack_;
    uint32_t method_;
    uint32_t pc_;
    CJavaClass* class_ = nullptr;
    int methodIndex_ = 0;
};

// "Static Fields": one line per class that has static fields.
class TDebugStatic : public TDebugNode {
public:
    static constexpr int MaxClasses = 128;
    using TDebugNode::TDebugNode;
    TTreeLine CreateNode(TTreeLine parent) override;

private:
    void AddChildren() override;
};

// A class under "Static Fields"; its children are its static fields.
class TDebugClass : public TDebugNode {
public:
    TDebugClass(const TDebugContext& context, uint32_t staticArea, CJavaClass* javaClass)
        : TDebugNode(context, staticArea), class_(javaClass)
    {
    }
    TTreeLine CreateNode(TTreeLine parent) override;

private:
    void AddChildren() override;

    CJavaClass* class_;
};

// An object on the module heap; its children are its instance fields.
class TDebugObject : public TDebugNode {
public:
    using TDebugNode::TDebugNode;
    TTreeLine CreateNode(TTreeLine) override { return nullptr; }
    // Makes the line of a non-null reference under parent.
    void SetText(TTreeLine parent, const std::string& name, const char* descriptor);

protected:
    void AddChildren() override;
    // Takes a line made elsewhere and makes it expandable.
    void Attach(TTreeLine line);

private:
    void SetStringText(TTreeLine parent, const std::string& type, const std::string& name);

    CJavaClass* class_ = nullptr;
};

// An array on the module heap; its children are its elements.
class TDebugArray : public TDebugObject {
public:
    TDebugArray(const TDebugContext& context, uint32_t address, const char* elementDescriptor)
        : TDebugObject(context, address), element_(elementDescriptor)
    {
    }
    void AttachTo(TTreeLine line) { Attach(line); }

private:
    void AddChildren() override;

    std::string element_;
};

// 'J' and 'D' values take the word after their slot as well.
inline bool IsTwoWordType(const char* descriptor) { return descriptor[0] == 'J' || descriptor[0] == 'D'; }

// A stack word, high byte first; IDE-1 (98) outside the snapshot.
uint16_t ReadStackWord(const TJVMStack& stack, int32_t offset);

// Adds one variable line under parent: the single place values are formatted.
// An unknown descriptor raises IDE-18.
void ShowValue(const TDebugContext& context, TTreeLine parent, uint16_t v, bool hideType, const char* descriptor,
               const std::string& name, uint16_t w);
// The array's elements (at most 300) under parent.
void ShowArrayElements(const TDebugContext& context, TTreeLine parent, uint32_t array, const char* element);
// Up to 256 and limit characters of a char array; unprintable bytes as '.'.
std::string ReadCharArray(TJVMHeap& heap, uint32_t array, int32_t limit);

#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "debugger/DebugNode.h"
#include "debugger/DebugTree.h"
#include "debugger/JVMHeap.h"
#include "debugger/MemoryPage.h"
#include "devicelink/JVMStack.h"

class CORULinker;
class TSXComm;

// The data window without its widgets: the call stack and static variable
// trees and the memory page, rebuilt from one stack snapshot and the heap
// cache at every refresh. Errors are raised to the caller. GUI thread only.
class TDataWindow {
public:
    using LinkerSource = std::function<const CORULinker*()>;

    TDataWindow(IDebugTree& stackTree, IDebugTree& staticTree, IMemoryPage& memoryPage, LinkerSource linker);
    ~TDataWindow();
    TDataWindow(const TDataWindow&) = delete;
    TDataWindow& operator=(const TDataWindow&) = delete;

    // Starts reading through the link (not owned); null detaches and empties
    // the trees.
    void Attach(TSXComm* link);
    // Rebuilds both trees, and the memory page while it shows; pc is the
    // Java pc in the current method.
    void RefreshStack(int32_t pc);
    void ShowMemory(int32_t memSize, int32_t sp, int32_t hp);
    void FillClassSizes();
    // The page changed: the memory page fills from the snapshot held.
    void DebugTabsChange();

    // A line of either tree opened: fills it, or closes it again while the
    // module runs.
    void LineExpanded(IDebugTree& tree, TTreeLine line);
    // The selected line was double-clicked.
    void LineDoubleClicked(IDebugTree& tree, TTreeLine selected);

    bool Running() const;
    int32_t TotalMemory() const { return config_[0]; }
    int32_t StackBase() const { return stackBase_; }
    const TJVMStack& Stack() const { return stack_; }
    TJVMHeap& Heap() { return heap_; }
    size_t NodeCount() const { return nodes_.size(); }

private:
    void ShowMemoryPage();
    void WriteStackLines() const;
    void ClearTrees();
    void BuildStaticTree(const TDebugContext& context);
    void WalkFrames(const TDebugContext& context, int32_t pc);

    IDebugTree& stackTree_;
    IDebugTree& staticTree_;
    IMemoryPage& memoryPage_;
    LinkerSource linker_;
    TSXComm* link_ = nullptr;
    TJVMStack stack_;
    TJVMHeap heap_;
    int32_t config_[3] = {0, 0, 0};
    int32_t stackBase_ = 0;
    std::vector<std::unique_ptr<TDebugNode>> nodes_;
    std::vector<std::string> stackNames_;
    std::vector<std::string> staticNames_;
};

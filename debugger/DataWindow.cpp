#include "debugger/DataWindow.h"

#include "debugger/ExpandedNames.h"
#include "debugger/LineFormat.h"
#include "devicelink/SXComm.h"
#include "foundation/EError.h"
#include "foundation/Messages.h"
#include "foundation/Options.h"
#include "linker/ORULinker.h"

namespace {
constexpr uint16_t NoCaller = 0xFFFF;
constexpr int32_t StackLineBytes = 30;
}  // namespace

TDataWindow::TDataWindow(IDebugTree& stackTree, IDebugTree& staticTree, IMemoryPage& memoryPage, LinkerSource linker)
    : stackTree_(stackTree), staticTree_(staticTree), memoryPage_(memoryPage), linker_(std::move(linker))
{
    nodes_.reserve(50);
    stackTree_.SetExpandHandler([this](TTreeLine line) { LineExpanded(stackTree_, line); });
    staticTree_.SetExpandHandler([this](TTreeLine line) { LineExpanded(staticTree_, line); });
}

TDataWindow::~TDataWindow()
{
    stackTree_.SetExpandHandler(nullptr);
    staticTree_.SetExpandHandler(nullptr);
    ClearTrees();
}

void TDataWindow::Attach(TSXComm* link)
{
    stackNames_.clear();
    staticNames_.clear();
    link_ = link;
    if (!link) {
        // The nodes read through the link and the linker: neither outlives the session.
        ClearTrees();
        heap_.SetSession(nullptr);
        return;
    }
    link->QueryConfig(config_[0], config_[1], config_[2]);
    const CORULinker* linker = linker_();
    stackBase_ = linker ? linker->GetStackOffset() : 0;
    config_[1] = stackBase_;
}

bool TDataWindow::Running() const
{
    return link_ && link_->IsRunning();
}

void TDataWindow::RefreshStack(int32_t pc)
{
    const CORULinker* linker = linker_();
    if (!link_ || !linker) return;
    stack_.SetBase(stackBase_);
    link_->QueryStack(stack_);
    heap_.SetSession(link_);
    if (memoryPage_.MemoryShowing()) ShowMemoryPage();
    if (GlobalOptions.debugDataView) WriteStackLines();

    TTreeUpdate stackUpdate(stackTree_);
    TTreeUpdate staticUpdate(staticTree_);
    SaveExpanded(stackNames_, stackTree_);
    SaveExpanded(staticNames_, staticTree_);
    ClearTrees();
    const TDebugContext stackContext{stackTree_, heap_, *linker};
    const TDebugContext staticContext{staticTree_, heap_, *linker};
    BuildStaticTree(staticContext);
    WalkFrames(stackContext, pc);
    RestoreExpanded(stackNames_, stackTree_);
    RestoreExpanded(staticNames_, staticTree_);
}

void TDataWindow::ClearTrees()
{
    for (IDebugTree* tree : {&stackTree_, &staticTree_}) {
        for (int i = 0; i < tree->ChildCount(nullptr); ++i) tree->Collapse(tree->Child(nullptr, i), true);
        tree->Clear();
    }
    nodes_.clear();
}

void TDataWindow::WriteStackLines() const
{
    std::string text;
    for (int32_t i = 0; i < stack_.GetSize(); ++i) {
        text += FormatLine("%2.2X ", stack_.GetByteChecked(i));
        if (i > 0 && i % StackLineBytes == 0) {
            DebugPrintf("Stack: %s", text.c_str());
            text.clear();
        }
    }
    if (!text.empty()) DebugPrintf("Stack: %s", text.c_str());
}

void TDataWindow::BuildStaticTree(const TDebugContext& context)
{
    const uint32_t staticArea = uint32_t(config_[0] - 2 * context.linker.GetStaticCount() - 1);
    nodes_.push_back(std::make_unique<TDebugStatic>(context, staticArea));
    nodes_.back()->CreateNode(nullptr);
}

void TDataWindow::WalkFrames(const TDebugContext& context, int32_t pc)
{
    uint32_t method = uint32_t(stack_.GetValue3());
    int32_t frame = stack_.GetValue2();
    bool first = true;
    for (;;) {
        nodes_.push_back(std::make_unique<TDebugMethod>(context, stack_, frame, method, uint32_t(pc)));
        TDebugNode& node = *nodes_.back();
        node.CreateNode(nullptr);
        CJavaClass* owner = nullptr;
        const int index = context.linker.FindMethodByOffset(method, owner);
        const int32_t locals = 2 * owner->GetMaxLocals(index);
        if (frame > 0) {
            int line = 0;
            context.linker.TranslatePC(ReadStackWord(stack_, frame + locals + 4), line, pc);
        }
        if (first) {
            node.Expand();
            context.tree.Expand(node.Line(), false);
            first = false;
        }
        method = ReadStackWord(stack_, frame + locals);
        const int32_t caller = ReadStackWord(stack_, frame + locals + 2) - stackBase_;
        if (method == NoCaller) return;
        // Callers lie below: any other link would walk for ever.
        if (caller >= frame) throw EError(ecIDE, 15);
        frame = caller;
    }
}

void TDataWindow::LineExpanded(IDebugTree& tree, TTreeLine line)
{
    TDebugNode* node = tree.Node(line);
    if (!node) return;
    if (Running()) {
        tree.Collapse(line, false);
        return;
    }
    node->Expand();
}

void TDataWindow::LineDoubleClicked(IDebugTree& tree, TTreeLine selected)
{
    if (!selected) return;
    TDebugNode* node = tree.Node(selected);
    if (node && !Running()) node->Expand();
}

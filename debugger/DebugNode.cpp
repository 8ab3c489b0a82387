#include "debugger/DebugNode.h"

void TDebugNode::Expand()
{
    if (expanded_) return;
    expanded_ = true;
    if (placeholder_) {
        context_.tree.DeleteLine(placeholder_);
        placeholder_ = nullptr;
    }
    AddChildren();
}

void TDebugNode::AddPlaceholder()
{
    placeholder_ = context_.tree.AddLine(line_, "", imObject, nullptr);
}

#include <algorithm>
#include <vector>

#include "debugger/DebugNode.h"
#include "debugger/JVMHeap.h"
#include "linker/ORULinker.h"

TTreeLine TDebugStatic::CreateNode(TTreeLine parent)
{
    line_ = context_.tree.AddLine(parent, "Static Fields", imObject, this);
    if (context_.linker.GetStaticCount() > 0) AddPlaceholder();
    return line_;
}

void TDebugStatic::AddChildren()
{
    std::vector<CJavaClass*> classes;
    for (const TStaticSlot& slot : context_.linker.GetStaticTable()) {
        if (int(classes.size()) == MaxClasses) break;
        if (std::find(classes.begin(), classes.end(), slot.Class) == classes.end()) classes.push_back(slot.Class);
    }
    for (CJavaClass* javaClass : classes) {
        auto node = std::make_unique<TDebugClass>(context_, address_, javaClass);
        TDebugClass* shown = node.get();
        context_.tree.Own(std::move(node));
        shown->CreateNode(line_);
    }
}

TTreeLine TDebugClass::CreateNode(TTreeLine parent)
{
    line_ = context_.tree.AddLine(parent, std::string(class_->GetName()) + " ", imObject, this);
    AddPlaceholder();
    return line_;
}

void TDebugClass::AddChildren()
{
    for (int field = 0; field < class_->GetFieldCount(); ++field) {
        if (!class_->IsFieldStatic(field) || class_->IsConstantField(field)) continue;
        const char* descriptor = class_->GetFieldDescriptor(field);
        const uint32_t at = address_ + 2 * uint32_t(class_->GetFieldSlot(field));
        const uint16_t v = context_.heap.ReadWord(int32_t(at));
        const uint16_t w = IsTwoWordType(descriptor) ? context_.heap.ReadWord(int32_t(at + 2)) : 0;
        ShowValue(context_, line_, v, false, descriptor, class_->GetFieldName(field), w);
    }
}

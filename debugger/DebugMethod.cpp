#include "debugger/DebugNode.h"
#include "debugger/LineFormat.h"
#include "devicelink/JVMStack.h"
#include "foundation/EError.h"
#include "linker/ORULinker.h"

namespace {
// The name of a slot whatever the pc; empty when no table entry names it.
std::string SlotName(const CJavaClass& javaClass, int method, int slot)
{
    try {
        return javaClass.GetLocalVariableNameAnyPc(method, slot);
    } catch (const EError& e) {
        if (e.Category == ecJVM && (e.Number == 27 || e.Number == 24)) return {};
        throw;
    }
}
}  // namespace

TDebugMethod::TDebugMethod(const TDebugContext& context, const TJVMStack& stack, int32_t frame, uint32_t method,
                           uint32_t pc)
    : TDebugNode(context, uint32_t(frame)), stack_(stack), method_(method), pc_(pc)
{
}

TTreeLine TDebugMethod::CreateNode(TTreeLine parent)
{
    methodIndex_ = context_.linker.FindMethodByOffset(method_, class_);
    line_ = context_.tree.AddLine(parent, FormatLine("%s::%s()", class_->GetName(), class_->GetMethodName(methodIndex_)),
                                  imFrame, this);
    const int locals = class_->GetMaxLocals(methodIndex_);
    for (int slot = 0; slot < locals; ++slot) {
        if (class_->IsLocalVariableInScope(methodIndex_, slot, pc_)) {
            AddPlaceholder();
            break;
        }
    }
    return line_;
}

uint16_t ReadStackWord(const TJVMStack& stack, int32_t offset)
{
    return uint16_t(stack.GetByteChecked(offset) << 8 | stack.GetByteChecked(offset + 1));
}

void TDebugMethod::AddChildren()
{
    const int32_t frame = int32_t(address_);
    const int locals = class_->GetMaxLocals(methodIndex_);
    for (int slot = 0; slot < locals; ++slot) {
        if (class_->IsLocalVariableInScope(methodIndex_, slot, pc_)) {
            const int index = class_->FindLocalVariable(methodIndex_, slot, pc_);
            const char* descriptor = class_->GetLocalVariableDescriptor(methodIndex_, slot, pc_);
            const uint16_t v = ReadStackWord(stack_, frame + 2 * index);
            const uint16_t w = IsTwoWordType(descriptor) ? ReadStackWord(stack_, frame + 2 * index + 2) : 0;
            ShowValue(context_, line_, v, false, descriptor, class_->GetLocalVariableName(methodIndex_, slot, pc_), w);
            continue;
        }
        // The compiler's temporaries have no name and get no line.
        const std::string name = SlotName(*class_, methodIndex_, slot);
        if (!name.empty()) context_.tree.AddLine(line_, FormatLine("%s out of scope", name.c_str()), imOutOfScope, nullptr);
    }
}

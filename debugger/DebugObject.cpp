#include <cstring>

#include "debugger/DebugNode.h"
#include "debugger/JVMHeap.h"
#include "debugger/LineFormat.h"
#include "foundation/EError.h"
#include "linker/ORULinker.h"

namespace {
constexpr size_t LineLimit = 199;  // longer string lines are cut here

// The instance field of that name, in the layout of the class.
const TInstanceField& InstanceField(const CJavaClass& javaClass, const char* name)
{
    for (const TInstanceField& field : javaClass.InstanceFields)
        if (std::strcmp(field.FieldName, name) == 0) return field;
    javaClass.FindField(name);  // raises the missing field's error
    throw EError(ecJVM, 14, name);
}
}  // namespace

void TDebugObject::SetText(TTreeLine parent, const std::string& name, const char* descriptor)
{
    class_ = context_.linker.FindClassByOffset(context_.heap.ReadWord(int32_t(address_)));
    const std::string type = CJavaClass::TypeName(descriptor);
    if (type == "java.lang.String") {
        SetStringText(parent, type, name);
        return;
    }
    line_ = context_.tree.AddLine(parent, type + " " + name + " = ", imObject, this);
    address_ += 2;  // slot 0
    if (name == "this") {
        Expand();
        context_.tree.Expand(line_, false);
    } else if (class_->GetInstanceFieldCount() > 0) {
        AddPlaceholder();
    }
}

void TDebugObject::SetStringText(TTreeLine parent, const std::string& type, const std::string& name)
{
    auto word = [&](const char* field) {
        const TInstanceField& entry = InstanceField(*class_, field);
        return context_.heap.ReadWord(
            int32_t(address_ + CORULinker::GetFieldObjectOffset(class_, entry.FieldName, entry.Descriptor)));
    };
    const uint16_t length = word("length");
    const uint16_t chars = word("value");
    const std::string text = chars ? ReadCharArray(context_.heap, chars, length) : std::string();
    std::string line = FormatLine("%s %s = \"%s\" (0x%4.4X)", type.c_str(), name.c_str(), text.c_str(), chars);
    if (line.size() > LineLimit) line = line.substr(0, LineLimit) + " ...\"";
    line_ = context_.tree.AddLine(parent, line, imString, this);
}

void TDebugObject::Attach(TTreeLine line)
{
    line_ = line;
    AddPlaceholder();
}

void TDebugObject::AddChildren()
{
    for (const TInstanceField& field : class_->InstanceFields) {
        const uint32_t at = address_ + 2 * uint32_t(field.Offset);
        const uint16_t v = context_.heap.ReadWord(int32_t(at));
        const uint16_t w = IsTwoWordType(field.Descriptor) ? context_.heap.ReadWord(int32_t(at + 2)) : 0;
        ShowValue(context_, line_, v, false, field.Descriptor, field.FieldName, w);
    }
}

void TDebugArray::AddChildren()
{
    ShowArrayElements(context_, line_, address_, element_.c_str());
}

#include <algorithm>
#include <cstring>

#include "debugger/DebugNode.h"
#include "debugger/JVMHeap.h"
#include "debugger/LineFormat.h"
#include "foundation/EError.h"
#include "linker/ORULinker.h"

namespace {
constexpr uint32_t ShownElements = 300;
constexpr int32_t CharLimit = 256;

char Printable(unsigned value)
{
    return value >= 32 && value <= 127 ? char(value) : '.';
}

bool IsByteElement(const char* element)
{
    return element[0] == 'C' || element[0] == 'B' || element[0] == 'Z';
}
}  // namespace

void ShowValue(const TDebugContext& context, TTreeLine parent, uint16_t v, bool hideType, const char* descriptor,
               const std::string& name, uint16_t w)
{
    const std::string type = hideType ? std::string() : CJavaClass::TypeName(descriptor);
    const char* t = type.c_str();
    const char* n = name.c_str();
    IDebugTree& tree = context.tree;
    switch (descriptor[0]) {
    case 'B':
    case 'C':
        tree.AddLine(parent, FormatLine("%s %s = %d 0x%2.2X '%c'", t, n, v, v, Printable(v)), imPrimitive, nullptr);
        return;
    case 'S':
    case 'I':
        tree.AddLine(parent, FormatLine("%s %s = %d 0x%4.4X '%c%c'", t, n, v, v, Printable(v >> 8), Printable(v & 0xFF)),
                     imPrimitive, nullptr);
        return;
    case 'J':
        tree.AddLine(parent, FormatLine("%s %s = %d", t, n, int32_t(uint32_t(v) << 16 | w)), imPrimitive, nullptr);
        return;
    case 'D': {
        const uint32_t bits = uint32_t(v) << 16 | w;
        float value = 0;
        std::memcpy(&value, &bits, sizeof value);
        tree.AddLine(parent, FormatLine("%s %s = %f", t, n, double(value)), imPrimitive, nullptr);
        return;
    }
    case 'Z':
        tree.AddLine(parent, FormatLine("%s %s = %s", t, n, v ? "true" : "false"), imPrimitive, nullptr);
        return;
    case 'L':
    case '[': {
        const bool array = descriptor[0] == '[';
        const int image = array ? imArray : imObject;
        if (v == 0) {
            tree.AddLine(parent, FormatLine("%s %s = null", t, n), image, nullptr);
            return;
        }
        if (!array) {
            auto object = std::make_unique<TDebugObject>(context, v);
            TDebugObject* shown = object.get();
            tree.Own(std::move(object));
            shown->SetText(parent, name, descriptor);
            return;
        }
        auto node = std::make_unique<TDebugArray>(context, v, descriptor + 1);
        TDebugArray* shown = node.get();
        tree.Own(std::move(node));
        shown->AttachTo(tree.AddLine(parent, FormatLine("%s %s = ", t, n), imArray, shown));
        return;
    }
    default:
        throw EError(ecIDE, 18, descriptor);
    }
}

void ShowArrayElements(const TDebugContext& context, TTreeLine parent, uint32_t array, const char* element)
{
    TJVMHeap& heap = context.heap;
    const uint32_t n = heap.ReadWord(int32_t(array + 2));
    const bool bytes = IsByteElement(element);
    const bool twoWords = IsTwoWordType(element);
    for (uint32_t i = 0; i < std::min(n, ShownElements); ++i) {
        const int32_t at = int32_t(array + 4 + (bytes ? i : 2 * i));
        const uint16_t v = bytes ? heap.ReadByte(at) : heap.ReadWord(at);
        const uint16_t w = twoWords ? heap.ReadWord(int32_t(array + 6 + 2 * i)) : 0;
        ShowValue(context, parent, v, true, element, FormatLine("[%u]", i), w);
    }
    if (n > ShownElements)
        context.tree.AddLine(parent, FormatLine("Elements %u to %u not shown", ShownElements, n - 1), imNotShown, nullptr);
}

std::string ReadCharArray(TJVMHeap& heap, uint32_t array, int32_t limit)
{
    const int32_t n = std::min({int32_t(heap.ReadWord(int32_t(array + 2))), CharLimit, std::max(limit, 0)});
    std::string text(size_t(n), '.');
    for (int32_t i = 0; i < n; ++i) text[size_t(i)] = Printable(heap.ReadByte(int32_t(array + 4) + i));
    return text;
}

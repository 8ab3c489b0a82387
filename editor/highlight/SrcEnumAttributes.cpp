#include "editor/highlight/SrcEnumAttributes.h"

#include <string_view>

#include "editor/highlight/SrcCustomHighlighter.h"
#include "editor/highlight/SrcHighlighterAttributes.h"

namespace {
std::string KeyStem(std::string Name) {
    constexpr std::string_view kPrefix = "TSrc", kSuffix = "Src";
    if (Name.starts_with(kPrefix)) {
        Name.erase(0, kPrefix.size());
    }
    if (Name.ends_with(kSuffix)) {
        Name.erase(Name.size() - kSuffix.size());
    }
    return Name;
}
}  // namespace

void EnumHighlighterAttris(const TSrcCustomHighlighter& Highlighter, const TSrcHighlighterAttriProc& Proc) {
    const std::string stem = KeyStem(Highlighter.ClassName()) + ".";
    for (int i = 0; i < Highlighter.GetAttribCount(); ++i) {
        if (TSrcHighlighterAttributes* attri = Highlighter.GetAttribute(i)) {
            Proc(*attri, stem + attri->Name());
        }
    }
}

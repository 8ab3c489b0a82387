#include "editor/control/SrcKeyNames.h"

#include <utility>

namespace {
using TNamedKey = std::pair<unsigned, const char*>;

// The short names of the editing keys, the printed names of the others and
// the unshifted characters of the punctuation keys.
constexpr TNamedKey kNamedKeys[] = {
    {3, "Break"}, {8, "BkSp"}, {9, "Tab"}, {12, "Clear"}, {13, "Enter"}, {16, "Shift"}, {17, "Ctrl"}, {18, "Alt"},
    {19, "Pause"}, {20, "Caps Lock"}, {27, "Esc"}, {32, "Space"}, {33, "PgUp"}, {34, "PgDn"}, {35, "End"},
    {36, "Home"}, {37, "Left"}, {38, "Up"}, {39, "Right"}, {40, "Down"}, {44, "Print Screen"}, {45, "Ins"},
    {46, "Del"}, {93, "Menu"}, {106, "Num *"}, {107, "Num +"}, {109, "Num -"}, {110, "Num ."}, {111, "Num /"},
    {144, "Num Lock"}, {145, "Scroll Lock"}, {186, ";"}, {187, "="}, {188, ","}, {189, "-"}, {190, "."}, {191, "/"},
    {192, "`"}, {219, "["}, {220, "\\"}, {221, "]"}, {222, "'"},
};
}  // namespace

std::string KeyName(unsigned Key) {
    if (Key == 0) {
        return {};
    }
    if ((Key >= '0' && Key <= '9') || (Key >= 'A' && Key <= 'Z')) {
        return std::string(1, static_cast<char>(Key));
    }
    if (Key >= 96 && Key <= 105) {
        return "Num " + std::to_string(Key - 96);
    }
    if (Key >= 112 && Key <= 135) {
        return "F" + std::to_string(Key - 111);
    }
    for (const auto& [code, name] : kNamedKeys) {
        if (code == Key) {
            return name;
        }
    }
    return "Key " + std::to_string(Key);
}

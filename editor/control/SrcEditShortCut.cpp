#include "editor/control/SrcEditKeyCmds.h"

TShortCut ShortCut(uint16_t Key, TShiftState Shift) {
    if ((Key & 0xFF00) != 0) {
        return 0;
    }
    auto result = static_cast<TShortCut>(Key);
    if (Shift.Contains(ssShift)) {
        result |= scShift;
    }
    if (Shift.Contains(ssCtrl)) {
        result |= scCtrl;
    }
    if (Shift.Contains(ssAlt)) {
        result |= scAlt;
    }
    return result;
}

void ShortCutToKey(TShortCut ShortCut, uint16_t& Key, TShiftState& Shift) {
    Key = ShortCut & 0xFF;
    Shift = {};
    if (ShortCut & scShift) {
        Shift.Include(ssShift);
    }
    if (ShortCut & scCtrl) {
        Shift.Include(ssCtrl);
    }
    if (ShortCut & scAlt) {
        Shift.Include(ssAlt);
    }
}

namespace {
std::string KeyName(unsigned Key) {
    switch (Key) {
    case 8: return "BkSp";
    case 9: return "Tab";
    case 13: return "Enter";
    case 27: return "Esc";
    case 32: return "Space";
    case 33: return "PgUp";
    case 34: return "PgDn";
    case 35: return "End";
    case 36: return "Home";
    case 37: return "Left";
    case 38: return "Up";
    case 39: return "Right";
    case 40: return "Down";
    case 45: return "Ins";
    case 46: return "Del";
    default: break;
    }
    if ((Key >= '0' && Key <= '9') || (Key >= 'A' && Key <= 'Z')) {
        return std::string(1, static_cast<char>(Key));
    }
    if (Key >= 112 && Key <= 135) {
        return "F" + std::to_string(Key - 111);
    }
    return {};
}
}  // namespace

std::string ShortCutToText(TShortCut ShortCut) {
    std::string name = KeyName(ShortCut & 0xFF);
    if (name.empty()) {
        return {};
    }
    std::string result;
    if (ShortCut & scShift) {
        result += "Shift+";
    }
    if (ShortCut & scCtrl) {
        result += "Ctrl+";
    }
    if (ShortCut & scAlt) {
        result += "Alt+";
    }
    return result + name;
}

#include "editor/control/SrcEditKeyCmds.h"
#include "editor/control/SrcKeyNames.h"

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

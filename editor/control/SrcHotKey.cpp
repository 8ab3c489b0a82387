#include "editor/control/SrcHotKey.h"

namespace {
constexpr uint16_t VK_SHIFT = 16, VK_CONTROL = 17, VK_MENU = 18;

bool IsModifierKey(uint16_t Key) { return Key == VK_SHIFT || Key == VK_CONTROL || Key == VK_MENU; }

TShiftState WithModifierKey(uint16_t Key, TShiftState Shift) {
    switch (Key) {
    case VK_SHIFT: return Shift.Include(ssShift);
    case VK_CONTROL: return Shift.Include(ssCtrl);
    case VK_MENU: return Shift.Include(ssAlt);
    default: return Shift;
    }
}
}  // namespace

THKInvalidKey ShiftStateToInvalidKey(TShiftState Shift) {
    int bits = (Shift.Contains(ssShift) ? 1 : 0) | (Shift.Contains(ssCtrl) ? 2 : 0) | (Shift.Contains(ssAlt) ? 4 : 0);
    return static_cast<THKInvalidKey>(bits);
}

TShiftState ModifiersToShiftState(THKModifiers Modifiers) {
    TShiftState shift;
    if (Modifiers.Contains(hkShift)) {
        shift.Include(ssShift);
    }
    if (Modifiers.Contains(hkCtrl)) {
        shift.Include(ssCtrl);
    }
    if (Modifiers.Contains(hkAlt)) {
        shift.Include(ssAlt);
    }
    return shift;
}

std::string HotKeyToText(uint16_t Key, TShiftState Shift) {
    std::string text;
    if (Shift.Contains(ssCtrl)) {
        text += "Ctrl+";
    }
    if (Shift.Contains(ssShift)) {
        text += "Shift+";
    }
    if (Shift.Contains(ssAlt)) {
        text += "Alt+";
    }
    // The shortcut of a plain key is the key's name.
    text += ShortCutToText(ShortCut(Key, {}));
    return text.empty() ? "(None)" : text;
}

TSrcHotKey::TSrcHotKey() { SetHotKey('A'); }

void TSrcHotKey::SetBorderStyle(TBorderStyle Value) {
    if (borderStyle_ != Value) {
        borderStyle_ = Value;
        Changed();
    }
}

TShiftState TSrcHotKey::ValidShift(TShiftState Shift) const {
    return invalidKeys_.Contains(ShiftStateToInvalidKey(Shift)) ? ModifiersToShiftState(modifiers_) : Shift;
}

void TSrcHotKey::SetHotKey(TShortCut Value) {
    uint16_t key = 0;
    TShiftState shift;
    ShortCutToKey(Value, key, shift);
    onlyModifiers_ = false;
    if (key == 0) {
        hotKey_ = 0;
        SetText(HotKeyToText(0, {}));
        return;
    }
    shift = ValidShift(shift);
    hotKey_ = ShortCut(key, shift);
    SetText(HotKeyToText(key, shift));
}

void TSrcHotKey::KeyDown(uint16_t Key, TShiftState Shift) {
    Shift = Shift * TShiftState{ssShift, ssCtrl, ssAlt};
    onlyModifiers_ = Key == 0 || IsModifierKey(Key) || ShortCut(Key, {}) == 0;
    if (onlyModifiers_) {
        hotKey_ = 0;
        SetText(HotKeyToText(0, WithModifierKey(Key, Shift)));
        return;
    }
    Shift = ValidShift(Shift);
    hotKey_ = ShortCut(Key, Shift);
    SetText(HotKeyToText(Key, Shift));
}

void TSrcHotKey::KeyUp() {
    if (onlyModifiers_) {
        onlyModifiers_ = false;
        SetText(HotKeyToText(0, {}));
    }
}

void TSrcHotKey::SetText(std::string Value) {
    if (text_ != Value) {
        text_ = std::move(Value);
        Changed();
    }
}

#pragma once
#include <cstdint>
#include <string>

#include "editor/control/SrcEditKeyCmds.h"
#include "editor/control/SrcEditTypes.h"
#include "editor/support/SmallSet.h"
#include "editor/support/SrcInput.h"

enum THKModifier : uint8_t { hkShift, hkCtrl, hkAlt };
using THKModifiers = TSmallSet<THKModifier, uint8_t>;

// A combination of modifiers; bit 0 Shift, bit 1 Ctrl, bit 2 Alt.
enum THKInvalidKey : uint8_t { hcNone, hcShift, hcCtrl, hcAlt, hcShiftCtrl, hcShiftAlt, hcCtrlAlt, hcShiftCtrlAlt };
using THKInvalidKeys = TSmallSet<THKInvalidKey, uint8_t>;

THKInvalidKey ShiftStateToInvalidKey(TShiftState Shift);
TShiftState ModifiersToShiftState(THKModifiers Modifiers);
// "Ctrl+", "Shift+", "Alt+" for the modifiers present, then the key's name;
// "(None)" when that is empty.
std::string HotKeyToText(uint16_t Key, TShiftState Shift);

// The hot-key entry control without its window: a key combination shown as
// text and stored in HotKey. A combination in InvalidKeys takes the
// Modifiers instead of its own.
class TSrcHotKey {
public:
    TSrcHotKey();
    virtual ~TSrcHotKey() = default;
    TSrcHotKey(const TSrcHotKey&) = delete;
    TSrcHotKey& operator=(const TSrcHotKey&) = delete;

    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle Value);
    TShortCut HotKey() const { return hotKey_; }
    // A value without a key stores 0.
    void SetHotKey(TShortCut Value);
    THKInvalidKeys InvalidKeys() const { return invalidKeys_; }
    void SetInvalidKeys(THKInvalidKeys Value) { invalidKeys_ = Value; }
    THKModifiers Modifiers() const { return modifiers_; }
    void SetModifiers(THKModifiers Value) { modifiers_ = Value; }

    const std::string& Text() const { return text_; }

    // A modifier key (or a key without a code) alone shows the modifiers
    // held and sets HotKey to 0; any other key sets the hot key.
    void KeyDown(uint16_t Key, TShiftState Shift);
    // Ends a modifiers-only display: the text goes back to "(None)".
    void KeyUp();

protected:
    // The text or the border changed: the window repaints.
    virtual void Changed() {}

private:
    TShiftState ValidShift(TShiftState Shift) const;
    void SetText(std::string Value);

    TBorderStyle borderStyle_ = bsSingle;
    TShortCut hotKey_ = 0;
    THKInvalidKeys invalidKeys_{hcNone, hcShift};
    THKModifiers modifiers_{hkAlt};
    std::string text_;
    bool onlyModifiers_ = false;
};

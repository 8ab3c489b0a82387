#pragma once
#include <cstdint>
#include <string>

#include "editor/support/SrcInput.h"

class QKeyEvent;

// A Qt key event as the control takes it: the virtual-key code (0 for a key
// without one), the shift state, and the characters that follow the
// key-down as Windows-1252 bytes.
struct TQtKeyStroke {
    uint16_t Key = 0;
    TShiftState Shift;
    std::string Chars;
};

TQtKeyStroke TranslateQtKey(const QKeyEvent& Event);

// The parts of TranslateQtKey.
uint16_t QtVirtualKey(int QtKey, bool Keypad, uint32_t NativeScanCode);
TShiftState QtShiftState(int QtKey, int Modifiers);
std::string QtKeyChars(uint16_t Key, TShiftState Shift, const std::string& Text);

#include "editor/qt/QtKeyMap.h"

#include <QKeyEvent>

#include "editor/qt/QtText.h"

namespace {
// The US symbols of the shifted digit row, for 1-9 then 0.
constexpr char16_t kShiftedDigits[] = u"!@#$%^&*()";

uint16_t KeypadKey(int QtKey) {
    if (QtKey >= Qt::Key_0 && QtKey <= Qt::Key_9) {
        return static_cast<uint16_t>(96 + QtKey - Qt::Key_0);
    }
    switch (QtKey) {
    case Qt::Key_Asterisk: return 106;
    case Qt::Key_Plus: return 107;
    case Qt::Key_Minus: return 109;
    case Qt::Key_Period:
    case Qt::Key_Comma: return 110;
    case Qt::Key_Slash: return 111;
    default: return 0;
    }
}

uint16_t PunctuationKey(int QtKey) {
    switch (QtKey) {
    case Qt::Key_Semicolon:
    case Qt::Key_Colon: return 186;
    case Qt::Key_Equal:
    case Qt::Key_Plus: return 187;
    case Qt::Key_Comma:
    case Qt::Key_Less: return 188;
    case Qt::Key_Minus:
    case Qt::Key_Underscore: return 189;
    case Qt::Key_Period:
    case Qt::Key_Greater: return 190;
    case Qt::Key_Slash:
    case Qt::Key_Question: return 191;
    case Qt::Key_QuoteLeft:
    case Qt::Key_AsciiTilde: return 192;
    case Qt::Key_BracketLeft:
    case Qt::Key_BraceLeft: return 219;
    case Qt::Key_Backslash:
    case Qt::Key_Bar: return 220;
    case Qt::Key_BracketRight:
    case Qt::Key_BraceRight: return 221;
    case Qt::Key_Apostrophe:
    case Qt::Key_QuoteDbl: return 222;
    default: return 0;
    }
}

uint16_t NamedKey(int QtKey) {
    switch (QtKey) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: return 18;
    case Qt::Key_Pause: return 19;
    case Qt::Key_CapsLock: return 20;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Space: return 32;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Print: return 44;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Delete: return 46;
    case Qt::Key_Menu: return 93;
    case Qt::Key_NumLock: return 144;
    case Qt::Key_ScrollLock: return 145;
    default: return 0;
    }
}
}  // namespace

uint16_t QtVirtualKey(int QtKey, bool Keypad, uint32_t NativeScanCode) {
    if (Keypad) {
        if (uint16_t key = KeypadKey(QtKey)) {
            return key;
        }
    }
    // The digit row, whatever symbol its key gives.
    if (NativeScanCode >= 10 && NativeScanCode <= 19) {
        return static_cast<uint16_t>(NativeScanCode == 19 ? '0' : '1' + NativeScanCode - 10);
    }
    if ((QtKey >= Qt::Key_0 && QtKey <= Qt::Key_9) || (QtKey >= Qt::Key_A && QtKey <= Qt::Key_Z)) {
        return static_cast<uint16_t>(QtKey);
    }
    if (QtKey >= Qt::Key_F1 && QtKey <= Qt::Key_F24) {
        return static_cast<uint16_t>(112 + QtKey - Qt::Key_F1);
    }
    for (int i = 0; i < 10; ++i) {
        if (QtKey == kShiftedDigits[i]) {
            return static_cast<uint16_t>(i == 9 ? '0' : '1' + i);
        }
    }
    if (uint16_t key = NamedKey(QtKey)) {
        return key;
    }
    return PunctuationKey(QtKey);
}

TShiftState QtShiftState(int QtKey, int Modifiers) {
    TShiftState shift;
    if ((Modifiers & Qt::ShiftModifier) || QtKey == Qt::Key_Backtab) {
        shift.Include(ssShift);
    }
    if (Modifiers & Qt::AltModifier) {
        shift.Include(ssAlt);
    }
    if (Modifiers & Qt::ControlModifier) {
        shift.Include(ssCtrl);
    }
    return shift;
}

// Ctrl alone gives the control characters of the keys that have one; Alt
// alone gives none; Ctrl with Alt types as without.
std::string QtKeyChars(uint16_t Key, TShiftState Shift, const std::string& Text) {
    bool ctrl = Shift.Contains(ssCtrl), alt = Shift.Contains(ssAlt);
    if (ctrl == alt) {
        return Text;
    }
    if (alt) {
        return {};
    }
    bool shift = Shift.Contains(ssShift);
    if (Key >= 'A' && Key <= 'Z') {
        return std::string(1, static_cast<char>(Key - 'A' + 1));
    }
    switch (Key) {
    case 219: return "\x1b";
    case 220: return "\x1c";
    case 221: return "\x1d";
    case '6': return shift ? "\x1e" : "";
    case 189: return shift ? "\x1f" : "";
    case 13: return "\n";
    case 8: return "\x7f";
    default: return {};
    }
}

TQtKeyStroke TranslateQtKey(const QKeyEvent& Event) {
    TQtKeyStroke stroke;
    int modifiers = static_cast<int>(Event.modifiers().toInt());
    stroke.Key = QtVirtualKey(Event.key(), (modifiers & Qt::KeypadModifier) != 0, Event.nativeScanCode());
    stroke.Shift = QtShiftState(Event.key(), modifiers);
    stroke.Chars = QtKeyChars(stroke.Key, stroke.Shift, QStringToCp1252(Event.text()));
    return stroke;
}

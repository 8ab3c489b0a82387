#include "editor/control/SrcEditKeyCmds.h"

namespace {
constexpr uint16_t VK_BACK = 8, VK_TAB = 9, VK_RETURN = 13, VK_PRIOR = 33, VK_NEXT = 34, VK_END = 35,
                   VK_HOME = 36, VK_LEFT = 37, VK_UP = 38, VK_RIGHT = 39, VK_DOWN = 40, VK_INSERT = 45,
                   VK_DELETE = 46, VK_F1 = 112;
const TShiftState None{};
const TShiftState Shift{ssShift};
const TShiftState Ctrl{ssCtrl};
const TShiftState Alt{ssAlt};
const TShiftState ShiftCtrl{ssShift, ssCtrl};
const TShiftState ShiftAlt{ssShift, ssAlt};
}  // namespace

void TSrcEditKeyStrokes::ResetDefaults() {
    Clear();
    AddKey(ecUp, VK_UP, None);
    AddKey(ecSelUp, VK_UP, Shift);
    AddKey(ecScrollUp, VK_UP, Ctrl);
    AddKey(ecDown, VK_DOWN, None);
    AddKey(ecSelDown, VK_DOWN, Shift);
    AddKey(ecScrollDown, VK_DOWN, Ctrl);
    AddKey(ecLeft, VK_LEFT, None);
    AddKey(ecSelLeft, VK_LEFT, Shift);
    AddKey(ecWordLeft, VK_LEFT, Ctrl);
    AddKey(ecSelWordLeft, VK_LEFT, ShiftCtrl);
    AddKey(ecRight, VK_RIGHT, None);
    AddKey(ecSelRight, VK_RIGHT, Shift);
    AddKey(ecWordRight, VK_RIGHT, Ctrl);
    AddKey(ecSelWordRight, VK_RIGHT, ShiftCtrl);
    AddKey(ecPageDown, VK_NEXT, None);
    AddKey(ecSelPageDown, VK_NEXT, Shift);
    AddKey(ecPageBottom, VK_NEXT, Ctrl);
    AddKey(ecSelPageBottom, VK_NEXT, ShiftCtrl);
    AddKey(ecPageUp, VK_PRIOR, None);
    AddKey(ecSelPageUp, VK_PRIOR, Shift);
    AddKey(ecPageTop, VK_PRIOR, Ctrl);
    AddKey(ecSelPageTop, VK_PRIOR, ShiftCtrl);
    AddKey(ecLineStart, VK_HOME, None);
    AddKey(ecSelLineStart, VK_HOME, Shift);
    AddKey(ecEditorTop, VK_HOME, Ctrl);
    AddKey(ecSelEditorTop, VK_HOME, ShiftCtrl);
    AddKey(ecLineEnd, VK_END, None);
    AddKey(ecSelLineEnd, VK_END, Shift);
    AddKey(ecEditorBottom, VK_END, Ctrl);
    AddKey(ecSelEditorBottom, VK_END, ShiftCtrl);
    AddKey(ecToggleMode, VK_INSERT, None);
    AddKey(ecCopy, VK_INSERT, Ctrl);
    AddKey(ecCut, VK_DELETE, Shift);
    AddKey(ecPaste, VK_INSERT, Shift);
    AddKey(ecDeleteChar, VK_DELETE, None);
    AddKey(ecDeleteLastChar, VK_BACK, None);
    AddKey(ecDeleteLastChar, VK_BACK, Shift);
    AddKey(ecDeleteLastWord, VK_BACK, Ctrl);
    AddKey(ecUndo, VK_BACK, Alt);
    AddKey(ecRedo, VK_BACK, ShiftAlt);
    AddKey(ecLineBreak, VK_RETURN, None);
    AddKey(ecLineBreak, VK_RETURN, Shift);
    AddKey(ecTab, VK_TAB, None);
    AddKey(ecShiftTab, VK_TAB, Shift);
    AddKey(ecContextHelp, VK_F1, None);
    AddKey(ecSelectAll, 'A', Ctrl);
    AddKey(ecCopy, 'C', Ctrl);
    AddKey(ecPaste, 'V', Ctrl);
    AddKey(ecCut, 'X', Ctrl);
    AddKey(ecBlockIndent, 'I', ShiftCtrl);
    AddKey(ecBlockUnindent, 'U', ShiftCtrl);
    AddKey(ecLineBreak, 'M', Ctrl);
    AddKey(ecInsertLine, 'N', Ctrl);
    AddKey(ecDeleteWord, 'T', Ctrl);
    AddKey(ecDeleteLine, 'Y', Ctrl);
    AddKey(ecDeleteEOL, 'Y', ShiftCtrl);
    AddKey(ecUndo, 'Z', Ctrl);
    AddKey(ecRedo, 'Z', ShiftCtrl);
    for (uint16_t digit = 0; digit <= 9; ++digit) {
        AddKey(static_cast<TSrcEditorCommand>(ecGotoMarker0 + digit), static_cast<uint16_t>('0' + digit), Ctrl);
    }
    for (uint16_t digit = 0; digit <= 9; ++digit) {
        AddKey(static_cast<TSrcEditorCommand>(ecSetMarker0 + digit), static_cast<uint16_t>('0' + digit), ShiftCtrl);
    }
    AddKey(ecNormalSelect, 'N', ShiftCtrl);
    AddKey(ecColumnSelect, 'C', ShiftCtrl);
    AddKey(ecLineSelect, 'L', ShiftCtrl);
    AddKey(ecMatchBracket, 'B', ShiftCtrl);
}

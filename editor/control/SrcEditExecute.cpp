#include "editor/control/SrcEdit.h"
#include "editor/control/SrcEditPaintLockGuard.h"

namespace {
bool IsMoveCommand(TSrcEditorCommand Command) {
    return (Command >= ecLeft && Command <= ecGotoXY) || (Command >= ecSelLeft && Command <= ecSelGotoXY) ||
           Command == ecSelectAll;
}

bool IsEditCommand(TSrcEditorCommand Command) {
    return (Command >= ecDeleteLastChar && Command <= ecChar && Command != ecClearAll) || Command == ecImeStr ||
           (Command >= ecBlockIndent && Command <= ecShiftTab) ||
           (Command >= ecUpperCase && Command <= ecToggleCaseBlock);
}
}  // namespace

void TCustomSrcEdit::ExecuteCommand(TSrcEditorCommand Command, char AChar, void* Data) {
    TSrcPaintLockGuard lock(*this);
    if (IsMoveCommand(Command)) {
        ExecuteMoveCommand(Command, Data);
    } else if (IsEditCommand(Command)) {
        if (!ReadOnly()) {
            ExecuteEditCommand(Command, AChar, Data);
        }
    } else {
        ExecuteOtherCommand(Command, Data);
    }
}

void TCustomSrcEdit::ExecuteEditCommand(TSrcEditorCommand Command, char AChar, void* Data) {
    switch (Command) {
    case ecDeleteLastChar:
        DoOnPaintTransientEx(ttBefore, true);
        try {
            DeleteLastChar();
            EnsureCursorPosVisible();
        } catch (...) {
            DoOnPaintTransientEx(ttAfter, true);  // keeps the nesting count balanced
            throw;
        }
        DoOnPaintTransientEx(ttAfter, true);
        break;
    case ecDeleteChar:
    case ecDeleteLastWord:
    case ecDeleteBOL:
        DoOnPaintTransient(ttBefore);
        if (Command == ecDeleteChar) {
            DeleteChar();
        } else {
            DeleteToWordOrLineStart(Command == ecDeleteBOL);
        }
        DoOnPaintTransient(ttAfter);
        break;
    case ecDeleteWord:
    case ecDeleteEOL:
        DoOnPaintTransient(ttBefore);
        DeleteToWordOrLineEnd(Command == ecDeleteEOL);
        break;
    case ecDeleteLine:
        DoOnPaintTransient(ttBefore);
        DeleteLine();
        break;
    case ecLineBreak:
    case ecInsertLine:
        LineBreak(Command == ecLineBreak);
        break;
    case ecChar:
        if (static_cast<unsigned char>(AChar) >= 32 && AChar != 127) {
            TypeChar(AChar);
            DoOnPaintTransient(ttAfter);
        }
        break;
    case ecImeStr:
        if (Data) {
            InsertImeString(static_cast<const char*>(Data));
        }
        break;
    case ecBlockIndent:
        DoBlockIndent();
        break;
    case ecBlockUnindent:
        DoBlockUnindent();
        break;
    case ecTab:
        DoTabKey();
        break;
    case ecShiftTab:
        DoShiftTabKey();
        break;
    default:
        DoCaseChange(Command);
        break;
    }
}

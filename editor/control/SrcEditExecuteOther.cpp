#include "editor/control/SrcEdit.h"

void TCustomSrcEdit::ExecuteOtherCommand(TSrcEditorCommand Command, void* Data) {
    switch (Command) {
    case ecScrollUp:
    case ecScrollDown:
    case ecScrollLeft:
    case ecScrollRight:
        ScrollByCommand(Command);
        break;
    case ecInsertMode:
        SetInsertMode(true);
        break;
    case ecOverwriteMode:
        SetInsertMode(false);
        break;
    case ecToggleMode:
        SetInsertMode(!insertMode_);
        break;
    case ecNormalSelect:
        SetSelectionMode(smNormal);
        break;
    case ecColumnSelect:
        SetSelectionMode(smColumn);
        break;
    case ecLineSelect:
        SetSelectionMode(smLine);
        break;
    case ecUndo:
        Undo();
        break;
    case ecRedo:
        Redo();
        break;
    case ecCut:
        CutToClipboard();
        break;
    case ecCopy:
        CopyToClipboard();
        break;
    case ecPaste:
        PasteFromClipboard();
        break;
    case ecClearAll:
        if (!ReadOnly()) {
            ClearAll();
        }
        break;
    case ecMatchBracket:
        FindMatchingBracket();
        break;
    case ecContextHelp:
        if (OnContextHelp) {
            OnContextHelp(this, GetWordAtCursor());
        }
        break;
    default:
        if (Command >= ecGotoMarker0 && Command <= ecGotoMarker9 && bookMarkOptions_->EnableKeys) {
            GotoBookMark(Command - ecGotoMarker0);
        } else if (Command >= ecSetMarker0 && Command <= ecSetMarker9 && bookMarkOptions_->EnableKeys) {
            SetMarkerByCommand(Command - ecSetMarker0, Data);
        }
        break;
    }
}

// The key toggles a bookmark on its own line and moves it from another.
void TCustomSrcEdit::SetMarkerByCommand(int Index, void* Data) {
    TBufferCoord at = Data ? *static_cast<const TBufferCoord*>(Data) : CaretXY();
    int x = 0;
    int y = 0;
    if (GetBookMark(Index, x, y)) {
        ClearBookMark(Index);
        if (y == at.Line) {
            return;
        }
    }
    SetBookMark(Index, at.Char, at.Line);
}

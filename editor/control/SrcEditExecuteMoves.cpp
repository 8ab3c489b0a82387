#include "editor/control/SrcEdit.h"
#include "editor/control/SrcEditIntMath.h"

namespace {
TSrcEditorCommand PlainMove(TSrcEditorCommand Command) {
    return Command >= ecSelLeft && Command <= ecSelGotoXY ? static_cast<TSrcEditorCommand>(Command - 100) : Command;
}
}  // namespace

void TCustomSrcEdit::ExecuteMoveCommand(TSrcEditorCommand Command, void* Data) {
    bool sel = Command != PlainMove(Command);
    switch (PlainMove(Command)) {
    case ecLeft:
    case ecRight:
        MoveCaretHorz(PlainMove(Command) == ecLeft ? -1 : 1, sel);
        break;
    case ecPageLeft:
    case ecPageRight:
        MoveCaretHorz(PlainMove(Command) == ecPageLeft ? -charsInWindow_ : charsInWindow_, sel);
        break;
    case ecUp:
    case ecDown:
        MoveCaretVert(PlainMove(Command) == ecUp ? -1 : 1, sel);
        Update();
        break;
    case ecPageUp:
    case ecPageDown:
        MovePage(Command);
        break;
    case ecPageTop:
    case ecPageBottom:
        MovePageEdge(Command);
        break;
    case ecEditorTop:
        MoveCaretAndSelection(CaretXY(), BufferCoord(1, 1), sel);
        Update();
        break;
    case ecEditorBottom: {
        int count = lines_->Count();
        TBufferCoord last = count > 0 ? BufferCoord(LengthPlusOne(lines_->Line(count - 1)), count) : BufferCoord(1, 1);
        MoveCaretAndSelection(CaretXY(), last, sel);
        Update();
        break;
    }
    case ecGotoXY:
        if (Data) {
            MoveCaretAndSelection(CaretXY(), *static_cast<const TBufferCoord*>(Data), sel);
            Update();
        }
        break;
    case ecWordLeft:
        MoveCaretAndSelection(CaretXY(), PrevWordPos(), sel);
        break;
    case ecWordRight:
        MoveCaretAndSelection(CaretXY(), NextWordPos(), sel);
        break;
    case ecLineStart:
        DoHomeKey(sel);
        break;
    case ecLineEnd:
        DoEndKey(sel);
        break;
    default:  // ecSelectAll
        SelectAll();
        break;
    }
}

void TCustomSrcEdit::MovePage(TSrcEditorCommand Command) {
    int rows = linesInWindow_ >> (options_.Contains(eoHalfPageScroll) ? 1 : 0);
    if (options_.Contains(eoScrollByOneLess)) {
        --rows;
    }
    if (Command == ecPageUp || Command == ecSelPageUp) {
        rows = -rows;
    }
    SetTopLine(ClampToInt32(int64_t{topLine_} + rows));
    MoveCaretVert(rows, Command == ecSelPageUp || Command == ecSelPageDown);
    Update();
}

void TCustomSrcEdit::MovePageEdge(TSrcEditorCommand Command) {
    bool top = Command == ecPageTop || Command == ecSelPageTop;
    int row = top ? topLine_ : ClampToInt32(int64_t{topLine_} + linesInWindow_ - 1);
    TBufferCoord target = DisplayToBufferPos(DisplayCoord(DisplayX(), row));
    MoveCaretAndSelection(CaretXY(), target, Command == ecSelPageTop || Command == ecSelPageBottom);
    Update();
}

void TCustomSrcEdit::ScrollByCommand(TSrcEditorCommand Command) {
    if (Command == ecScrollLeft || Command == ecScrollRight) {
        SetLeftChar(leftChar_ + (Command == ecScrollLeft ? -1 : 1));
        Update();
        return;
    }
    int caretRow = DisplayY();
    if (caretRow < topLine_ || caretRow >= int64_t{topLine_} + linesInWindow_) {
        EnsureCursorPosVisible();
        return;
    }
    if (Command == ecScrollUp) {
        SetTopLine(topLine_ - 1);
        int lastRow = ClampToInt32(int64_t{topLine_} + linesInWindow_ - 1);
        if (caretRow > lastRow) {
            MoveCaretVert(lastRow - caretRow, false);
        }
    } else {
        SetTopLine(topLine_ + 1);
        if (caretRow < topLine_) {
            MoveCaretVert(topLine_ - caretRow, false);
        }
    }
    EnsureCursorPosVisible();
    Update();
}

#include "editor/control/SrcEdit.h"
#include "editor/control/SrcEditIntMath.h"
#include "editor/control/SrcEditUndoBlockGuard.h"
#include "editor/text/SrcEditStrCopy.h"

// Enter (MoveCaret) and Ctrl+N. Each case writes one crLineBreak record
// from whose start, end line and text undo joins the lines back: the
// text goes to the end of the start line and the end line is deleted.
void TCustomSrcEdit::LineBreak(bool MoveCaret) {
    TSrcUndoBlockGuard block(*this);
    {
        if (SelAvail()) {
            DeleteSelectionRecorded();
        }
        if (lines_->Count() == 0) {
            lines_->Add(std::string());
        }
        std::string text = LineText();
        int len = LengthOf(text);
        int y = caretY_;
        TBufferCoord caret = CaretXY();
        int insertedLine = y + 1;
        if (len > 0 && caretX_ > 1 && caretX_ <= len) {
            std::string left = StrCopy(text, 1, int64_t{caretX_} - 1);
            std::string right = StrCopyFrom(text, caretX_);
            std::string indent = GetLeftSpacing(LeftSpacesEx(left, true), true);
            lines_->Insert(y, indent + right);
            ProperSetLine(y - 1, left);
            undoList_->AddChange(crLineBreak, caret, BufferCoord(LengthOf(indent) + 1, y + 1), right, smNormal);
            caret = BufferCoord(LengthOf(indent) + 1, y + 1);
        } else if (len > 0 && caretX_ <= 1) {
            lines_->Insert(y - 1, std::string());
            insertedLine = y;
            undoList_->AddChange(crLineBreak, BufferCoord(1, y), BufferCoord(1, y + 1), text, smNormal);
            caret = BufferCoord(1, y + 1);
        } else if (len > 0) {
            std::string indent = text.substr(0, static_cast<size_t>(LeftSpaces(text)));
            lines_->Insert(y, indent);
            undoList_->AddChange(crLineBreak, BufferCoord(len + 1, y), BufferCoord(1, y + 1), std::string(), smNormal);
            caret = BufferCoord(LengthOf(indent) + 1, y + 1);
        } else {
            int indent = 0;
            for (int line = y - 1; options_.Contains(eoAutoIndent) && line >= 1; --line) {
                std::string above = lines_->Get(line - 1);
                if (!above.empty()) {
                    indent = LeftSpacesEx(above, true);
                    break;
                }
            }
            lines_->Insert(y - 1, std::string());
            insertedLine = y;
            undoList_->AddChange(crLineBreak, BufferCoord(1, y), BufferCoord(1, y + 1), std::string(), smNormal);
            caret = BufferCoord(indent + 1, y + 1);
        }
        DoLinesInserted(insertedLine, 1);
        SetCaretXY(MoveCaret ? caret : CaretXY());
        UpdateLastCaretX();
    }
}

#include "editor/control/SrcEdit.h"
#include "editor/control/SrcEditPaintLockGuard.h"
#include "editor/control/SrcEditUndoBlockGuard.h"
#include "editor/support/SrcExceptions.h"

namespace {
const char* const kCopyFailed = "Clipboard copy operation failed";
const char* const kPasteFailed = "Clipboard paste operation failed.";

// The text of a private block: after the mode byte up to the first NUL.
std::string BlockText(const std::string& Block) {
    std::string text = Block.substr(1);
    size_t nul = text.find('\0');
    return nul == std::string::npos ? text : text.substr(0, nul);
}
}  // namespace

void TCustomSrcEdit::DoCopyToClipboard(const std::string& SText) {
    if (SText.empty()) {
        return;
    }
    std::string block(1, static_cast<char>(activeSelectionMode_));
    block += SText;
    block += '\0';
    if (!clipboard_ || !clipboard_->SetData({{kSrcClipboardText, SText}, {kSrcClipboardBlock, block}})) {
        throw ESrcEditError(kCopyFailed);
    }
}

void TCustomSrcEdit::CopyToClipboard() {
    if (!SelAvail()) {
        return;
    }
    // A copied column is always padded to its full width.
    bool trim = activeSelectionMode_ == smColumn && options_.Contains(eoTrimTrailingSpaces);
    if (trim) {
        options_.Exclude(eoTrimTrailingSpaces);
    }
    std::string text = GetSelText();
    if (trim) {
        options_.Include(eoTrimTrailingSpaces);
    }
    DoCopyToClipboard(text);
}

void TCustomSrcEdit::CutToClipboard() {
    if (ReadOnly() || !SelAvail()) {
        return;
    }
    TSrcUndoBlockGuard block(*this);
    DoCopyToClipboard(GetSelText());
    SetSelTextExternal(std::string());
}

bool TCustomSrcEdit::CanPaste() const {
    return !ReadOnly() && clipboard_ &&
           (clipboard_->HasFormat(kSrcClipboardText) || clipboard_->HasFormat(kSrcClipboardBlock));
}

void TCustomSrcEdit::PasteFromClipboard() {
    if (!CanPaste()) {
        return;
    }
    std::string data;
    bool isBlock = clipboard_->HasFormat(kSrcClipboardBlock);
    if (!clipboard_->GetData(isBlock ? kSrcClipboardBlock : kSrcClipboardText, data) ||
        (isBlock && (data.empty() || static_cast<unsigned char>(data[0]) > smColumn))) {
        throw ESrcEditError(kPasteFailed);
    }
    DoOnPaintTransient(ttBefore);
    {
        TSrcPaintLockGuard lock(*this);
        TSrcUndoBlockGuard block(*this);
        try {
            undoList_->AddChange(crPasteBegin, BlockBegin(), BlockEnd(), std::string(), smNormal);
            if (isBlock) {
                PasteBlock(data);
            } else {
                PastePlainText(data);
            }
        } catch (...) {
            undoList_->AddChange(crPasteEnd, BlockBegin(), BlockEnd(), std::string(), smNormal);
            DoOnPaintTransient(ttAfter);
            throw;
        }
        undoList_->AddChange(crPasteEnd, BlockBegin(), BlockEnd(), std::string(), smNormal);
    }
    EnsureCursorPosVisible();
    StatusChanged({scSelection});
    DoOnPaintTransient(ttAfter);
}

void TCustomSrcEdit::PasteBlock(const std::string& Block) {
    auto mode = static_cast<TSrcSelectionMode>(Block[0]);
    std::string text = BlockText(Block);
    TBufferCoord start = DeleteSelectionForInsert(BlockBegin(), BlockEnd(), !text.empty());
    SetSelTextPrimitiveEx(mode, text, true);
    AddPasteRecord(crPaste, mode, start, CaretXY());
}

void TCustomSrcEdit::PastePlainText(const std::string& Text) {
    if (!SelAvail()) {
        activeSelectionMode_ = selectionMode_;
    }
    TBufferCoord start = DeleteSelectionForInsert(BlockBegin(), BlockEnd(), !Text.empty());
    SetSelTextPrimitive(Text);
    AddPasteRecord(crPaste, activeSelectionMode_, start, CaretXY());
}

// The column insert wrote its own records; a line paste that ends at
// column 1 of a later line spans whole lines up to the one before the
// caret (a trimmed line can leave the caret at column 1 of its own).
void TCustomSrcEdit::AddPasteRecord(TSrcChangeReason Reason, TSrcSelectionMode Mode, const TBufferCoord& Start, const TBufferCoord& End) {
    if (Mode == smColumn) {
        return;
    }
    if (Mode == smNormal) {
        undoList_->AddChange(Reason, Start, End, std::string(), smNormal);
    } else if (caretX_ == 1 && End.Line > Start.Line) {
        undoList_->AddChange(Reason, BufferCoord(1, Start.Line), BufferCoord(charsInWindow_, End.Line - 1),
                             std::string(), smLine);
    } else {
        undoList_->AddChange(Reason, BufferCoord(1, Start.Line), End, std::string(), smNormal);
    }
}

#include "editor/control/SrcEdit.h"
#include "editor/control/SrcEditPaintLockGuard.h"
#include "editor/control/SrcEditUndoBlockGuard.h"
#include "editor/support/SrcExceptions.h"
#include "editor/text/SrcEditTextPieces.h"

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
    std::string text = isBlock ? BlockText(data) : data;
    if (!HasText(text) && !SelAvail()) {
        return;  // nothing to insert and nothing to replace
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
    // A line copy that took the buffer's last line ends without a line
    // end; it still pastes as whole lines.
    if (mode == smLine && !text.empty() && text.back() != '\r' && text.back() != '\n') {
        text += "\r\n";
    }
    TBufferCoord start = DeleteSelectionForInsert(BlockBegin(), BlockEnd(), !text.empty());
    if (!text.empty()) {
        SetSelTextPrimitiveEx(mode, text, true);
        AddPasteRecord(crPaste, mode, start, CaretXY());
    }
}

void TCustomSrcEdit::PastePlainText(const std::string& Text) {
    if (!SelAvail()) {
        activeSelectionMode_ = selectionMode_;
    }
    bool inserting = HasText(Text);
    TBufferCoord start = DeleteSelectionForInsert(BlockBegin(), BlockEnd(), inserting);
    if (inserting) {
        SetSelTextPrimitive(Text);
        AddPasteRecord(crPaste, activeSelectionMode_, start, CaretXY());
    }
}

// The record covers the inserted text only. The column insert wrote its
// own records; a line insert starts at column 1 and ends at the caret.
void TCustomSrcEdit::AddPasteRecord(TSrcChangeReason Reason, TSrcSelectionMode Mode, const TBufferCoord& Start,
                                    const TBufferCoord& End) {
    if (Mode == smColumn) {
        return;
    }
    TBufferCoord from = Mode == smLine ? BufferCoord(1, Start.Line) : Start;
    undoList_->AddChange(Reason, from, End, std::string(), smNormal);
}

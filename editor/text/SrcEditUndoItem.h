#pragma once
#include <cstdint>
#include <string>

#include "editor/support/SrcCoord.h"
#include "editor/support/SrcObject.h"

// What an undo record reverts.
enum TSrcChangeReason : uint8_t {
    crInsert,
    crPaste,
    crDragDropInsert,
    crDeleteAfterCursor,
    crDelete,
    crLineBreak,
    crIndent,
    crUnindent,
    crSilentDelete,
    crSilentDeleteAfterCursor,
    crAutoCompleteBegin,
    crAutoCompleteEnd,
    crPasteBegin,
    crPasteEnd,
    crSpecial1Begin,
    crSpecial1End,
    crSpecial2Begin,
    crSpecial2End,
    crCaret,
    crSelection,
    crNothing,
    crGroupBreak,
    crDeleteAll,
    crWhiteSpaceAdd,
};

// One change of the text: the items of one user action share ChangeNumber.
class TSrcEditUndoItem : public TPersistent {
public:
    void Assign(const TPersistent* Source) override;

    TSrcChangeReason ChangeReason = crInsert;
    TSrcSelectionMode ChangeSelMode = smNormal;
    TBufferCoord ChangeStartPos;
    TBufferCoord ChangeEndPos;
    std::string ChangeStr;
    int32_t ChangeNumber = 0;
};

// Where text put back over the record's range starts and ends: a column
// record's ends may be its block's corners as selected, the right one
// first; a column goes in at the left column of the top line and reaches
// as far right as its widest row, also past the caret after a shorter
// last row. Other text starts at the record's start and ends at Caret.
TBufferCoord InsertionStart(const TSrcEditUndoItem& Item);
TBufferCoord InsertionEnd(const TSrcEditUndoItem& Item, const TBufferCoord& Caret);

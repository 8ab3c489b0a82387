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

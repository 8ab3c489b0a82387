#pragma once
#include <cstdint>
#include <vector>

#include "editor/control/SrcEditWordWrapper.h"
#include "editor/control/SrcWrapLine.h"
#include "editor/control/SrcWrapLineIndex.h"
#include "editor/control/SrcWrapRowLengths.h"

class TComponent;
class TCustomSrcEdit;

// Shows each line of its editor as rows no wider than the window, breaking
// after non-identifier characters. Columns are the editor's tab-expanded
// ones. Without a window width every line is one row.
class TSrcWordWrapPlugin : public TSrcEditWordWrapper {
public:
    // AOwner must be the editor.
    explicit TSrcWordWrapPlugin(TComponent* AOwner);

    TDisplayCoord BufferToDisplayPos(const TBufferCoord& Pos) override;
    TBufferCoord DisplayToBufferPos(const TDisplayCoord& Pos) override;
    int GetRowCount() override;
    int GetRowLength(int Row) override;
    int LinesInserted(int Index, int Count) override;
    int LinesDeleted(int Index, int Count) override;
    int LinesPutted(int Index, int Count) override;
    void Reset() override;
    void DisplayChanged() override;

    int MaxRowLength() const { return limits_.MaxRowLength; }
    int MinRowLength() const { return limits_.MinRowLength; }

private:
    bool Wrapped() const { return limits_.MaxRowLength > 0; }
    TSrcWrapLimits EditorLimits() const;
    // Wraps Count buffer lines from First into the scratch arrays.
    void WrapBufferLines(int First, int Count);
    // Lines Index .. Index + OldLines - 1 become the buffer's lines Index ..
    // Index + NewLines - 1.
    void ReWrapLines(int Index, int OldLines, int NewLines);

    TCustomSrcEdit* editor_;
    TSrcWrapLimits limits_;
    TSrcWrapLineIndex lines_;
    TSrcWrapRowLengths rows_;
    std::vector<uint8_t> newRows_;
    std::vector<int32_t> newRowsPerLine_;
};

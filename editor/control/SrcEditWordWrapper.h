#pragma once
#include "editor/support/SrcCoord.h"

// What the control asks of its word-wrap plug-in while word wrap is on:
// the mapping between buffer lines and wrapped rows, kept current through
// the line events.
class TSrcEditWordWrapper {
public:
    TSrcEditWordWrapper() = default;
    TSrcEditWordWrapper(const TSrcEditWordWrapper&) = delete;
    TSrcEditWordWrapper& operator=(const TSrcEditWordWrapper&) = delete;
    virtual ~TSrcEditWordWrapper() = default;

    virtual TDisplayCoord BufferToDisplayPos(const TBufferCoord& Pos) = 0;
    virtual TBufferCoord DisplayToBufferPos(const TDisplayCoord& Pos) = 0;
    virtual int GetRowCount() = 0;
    virtual int GetRowLength(int Row) = 0;
    // Each returns the number of rows whose layout changed.
    virtual int LinesInserted(int Index, int Count) = 0;
    virtual int LinesDeleted(int Index, int Count) = 0;
    virtual int LinesPutted(int Index, int Count) = 0;
    virtual void Reset() = 0;
    virtual void DisplayChanged() = 0;
};

#pragma once
#include <vector>

#include "editor/support/SrcBitmap.h"

class TSrcCanvas;

// The main window's gutter marks: image 0 the execution arrow, image 1 the
// breakpoint. The tab and action images are TToolIcons.
class TEditorImages {
public:
    static constexpr int MarkSize = 11;
    static constexpr TColor ArrowColor = 0x00C000;       // green
    static constexpr TColor BreakpointColor = 0x0000FF;  // red

    TEditorImages();

    int MarkHeight() const { return MarkSize; }
    // Draws gutter image `index` with its top left corner at (x, y); its
    // background stays as it was.
    void DrawMark(TSrcCanvas& canvas, int x, int y, int index) const;

private:
    std::vector<TSrcBitmap> marks_;
};

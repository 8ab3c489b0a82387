#pragma once
#include <QIcon>
#include <vector>

#include "editor/support/SrcBitmap.h"

class TSrcCanvas;

// The main window's own pictures: the gutter marks (image 0 the execution
// arrow, image 1 the breakpoint) and the tab images (19 a page with a
// project, 20 the selected project's page).
class TEditorImages {
public:
    static constexpr int MarkSize = 11;
    static constexpr TColor ArrowColor = 0x00C000;       // green
    static constexpr TColor BreakpointColor = 0x0000FF;  // red
    static constexpr int ProjectImage = 19;
    static constexpr int SelectedProjectImage = 20;

    TEditorImages();

    int MarkHeight() const { return MarkSize; }
    // Draws gutter image `index` with its top left corner at (x, y); its
    // background stays as it was.
    void DrawMark(TSrcCanvas& canvas, int x, int y, int index) const;
    // The tab image of an index; a null icon for -1 and unknown ones.
    QIcon TabImage(int index) const;

private:
    std::vector<TSrcBitmap> marks_;
    QIcon project_;
    QIcon selectedProject_;
};

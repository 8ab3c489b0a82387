#pragma once
#include <cstdint>
#include <string>

#include "editor/support/SrcColor.h"
#include "editor/support/SrcFont.h"

// Adjacent tokens of one row gathered for one text output: the cells,
// the display column of the first, the style and colours.
struct TSrcTokenRun {
    std::string Text;
    int64_t Column = 0;
    TFontStyles Style;
    TColor Foreground = clNone;
    TColor Background = clNone;

    bool Empty() const { return Text.empty(); }
    int64_t LastColumn() const { return Column + static_cast<int64_t>(Text.size()) - 1; }
    void Start(int64_t AColumn, const std::string& Cells, TFontStyles AStyle, TColor Fg, TColor Bg) {
        Text.reserve(Cells.size() + 32);
        Text = Cells;
        Column = AColumn;
        Style = AStyle;
        Foreground = Fg;
        Background = Bg;
    }
    void Append(const std::string& Cells) {
        if (Text.capacity() < Text.size() + Cells.size()) {
            Text.reserve(Text.size() + Cells.size() + 32);
        }
        Text += Cells;
    }
    void Clear() { Text.clear(); }
};

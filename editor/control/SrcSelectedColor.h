#pragma once
#include "editor/support/SrcColor.h"
#include "editor/control/SrcOptionBase.h"

// The colours of the selection.
class TSrcSelectedColor : public TSrcOptionBase {
public:
    void Assign(const TPersistent* Source) override;

    TColor Background() const { return background_; }
    TColor Foreground() const { return foreground_; }
    void SetBackground(TColor Value) { Set(background_, Value); }
    void SetForeground(TColor Value) { Set(foreground_, Value); }

private:
    TColor background_ = clHighlight;
    TColor foreground_ = clHighlightText;
};

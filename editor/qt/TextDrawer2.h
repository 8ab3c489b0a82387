#pragma once
#include <array>
#include <optional>

#include "editor/qt/TextDrawer.h"

// A text drawer that keeps the font of every style it selected.
class TTextDrawer2 : public TTextDrawer {
public:
    using TTextDrawer::TTextDrawer;

    void SetStyle(TFontStyles Value) override;
    void SetBaseFont(const TFont* Value) override;

private:
    std::array<std::optional<QFont>, 16> fonts_;
};

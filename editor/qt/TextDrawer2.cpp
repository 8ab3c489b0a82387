#include "editor/qt/TextDrawer2.h"

void TTextDrawer2::SetStyle(TFontStyles Value) {
    std::optional<QFont>& cached = fonts_[Value.ToBits() & 15];
    if (cached && Value.ToBits() <= 15) {
        currentFont_ = *cached;
        AfterStyleSet();
        return;
    }
    TTextDrawer::SetStyle(Value);
    cached = currentFont_;
}

void TTextDrawer2::SetBaseFont(const TFont* Value) {
    for (std::optional<QFont>& font : fonts_) {
        font.reset();
    }
    TTextDrawer::SetBaseFont(Value);
}

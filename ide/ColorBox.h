#pragma once
#include <QComboBox>
#include <functional>
#include <optional>

#include "foundation/Options.h"

// A drop-down of the sixteen standard colours and "Custom...", holding a
// TColor. A value that is none of the sixteen (a system colour too) shows as
// one more entry, drawn in its palette colour.
class TColorBox : public QComboBox {
public:
    static constexpr int StandardCount = 16;
    using CustomPicker = std::function<std::optional<TColor>(TColor current)>;

    TColorBox(CustomPicker picker, QWidget* parent = nullptr);

    TColor Selected() const { return selected_; }
    void SetSelected(TColor color);

    // The colour a TColor is drawn in (system colours from the palette).
    static QColor ToQColor(TColor color);

private:
    void Activated(int index);
    int CustomIndex() const { return count() - 1; }

    CustomPicker picker_;
    TColor selected_ = 0;
};

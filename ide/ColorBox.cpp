#include "ide/ColorBox.h"

#include <QApplication>
#include <QPalette>
#include <QPixmap>

namespace {
struct TNamedColor {
    const char* Name;
    TColor Value;
};
constexpr TNamedColor StandardColors[TColorBox::StandardCount] = {
    {"Black", 0x000000}, {"Maroon", 0x000080}, {"Green", 0x008000},   {"Olive", 0x008080},
    {"Navy", 0x800000},  {"Purple", 0x800080}, {"Teal", 0x808000},    {"Gray", 0x808080},
    {"Silver", 0xC0C0C0}, {"Red", 0x0000FF},   {"Lime", 0x00FF00},    {"Yellow", 0x00FFFF},
    {"Blue", 0xFF0000},  {"Fuchsia", 0xFF00FF}, {"Aqua", 0xFFFF00},   {"White", 0xFFFFFF},
};
constexpr TColor SystemColorFlag = 0x80000000;
constexpr int SwatchSize = 12;

QPalette::ColorRole SystemRole(TColor color)
{
    switch (color & 0xFF) {
    case 5: return QPalette::Base;             // window
    case 8: return QPalette::Text;             // window text
    case 13: return QPalette::Highlight;
    case 14: return QPalette::HighlightedText;
    case 15: return QPalette::Button;          // button face
    case 18: return QPalette::ButtonText;
    default: return QPalette::WindowText;
    }
}

QIcon Swatch(TColor color)
{
    QPixmap pixmap(SwatchSize, SwatchSize);
    pixmap.fill(TColorBox::ToQColor(color));
    return QIcon(pixmap);
}
}  // namespace

TColorBox::TColorBox(CustomPicker picker, QWidget* parent) : QComboBox(parent), picker_(std::move(picker))
{
    for (const TNamedColor& entry : StandardColors) addItem(Swatch(entry.Value), entry.Name, entry.Value);
    addItem("Custom...");
    connect(this, &QComboBox::activated, this, [this](int index) { Activated(index); });
    SetSelected(StandardColors[0].Value);
}

QColor TColorBox::ToQColor(TColor color)
{
    if (color & SystemColorFlag) return QApplication::palette().color(SystemRole(color));
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

void TColorBox::SetSelected(TColor color)
{
    selected_ = color;
    if (count() > StandardCount + 1) removeItem(StandardCount);  // the former other colour
    int index = findData(color);
    if (index < 0 || index >= StandardCount) {
        insertItem(StandardCount, Swatch(color), "Other", color);
        index = StandardCount;
    }
    setCurrentIndex(index);
}

void TColorBox::Activated(int index)
{
    if (index != CustomIndex()) {
        selected_ = static_cast<TColor>(itemData(index).toUInt());
        return;
    }
    const std::optional<TColor> picked = picker_ ? picker_(selected_) : std::nullopt;
    SetSelected(picked.value_or(selected_));
}

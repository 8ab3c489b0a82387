#pragma once
#include <QFont>
#include <QPalette>
#include <QRgb>
#include <string>

class QApplication;

// The look every GUI test runs with, the same on every machine: the Fusion
// style, DejaVu Sans Mono at a fixed pixel size without antialiasing (text is
// drawn in its pure colour) and a fixed palette.
namespace TestLook {
constexpr const char* FontFamily = "DejaVu Sans Mono";
constexpr int FontPixelSize = 13;
constexpr QRgb Window = 0xffefefef;
constexpr QRgb Base = 0xffffffff;
constexpr QRgb Text = 0xff000000;
constexpr QRgb Highlight = 0xff308cc6;
constexpr QRgb HighlightedText = 0xffffffff;

QFont Font();
QPalette Palette();
}  // namespace TestLook

// Sets the style, font and palette on `app`. False (with the reason in
// `problem`) when the fixed font is not installed.
bool ApplyFixedLook(QApplication& app, std::string& problem);

#pragma once
#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <chrono>
#include <gtest/gtest.h>
#include <ostream>
#include <string>

class QWidget;

// Renders `widget` (shown or not) and saves it as <name>.png in the test's
// artefact folder; returns the image in Format_RGB32.
QImage GrabToPng(QWidget& widget, const std::string& name);

// Saves `image` as <name>.png in the test's artefact folder; returns the path.
std::string SavePng(const QImage& image, const std::string& name);

// Shows `widget` and waits until the window system has exposed it.
::testing::AssertionResult ShowExposed(QWidget& widget,
                                       std::chrono::milliseconds deadline = std::chrono::seconds(5));

// The colour at `point`; an invalid colour (and a test failure) outside.
QColor PixelAt(const QImage& image, QPoint point);

// The colour most pixels of `area` have (a cell's background).
QColor DominantColor(const QImage& image, const QRect& area);

// Character cells of a fixed-pitch text laid from `Origin`.
struct TCellGrid {
    QPoint Origin;
    QSize Cell;
    QRect CellRect(int column, int row) const {
        return QRect(Origin.x() + column * Cell.width(), Origin.y() + row * Cell.height(), Cell.width(),
                     Cell.height());
    }
};

// Does any pixel of `area` have `color` (ink of a character in its cell)?
bool HasColor(const QImage& image, const QRect& area, QColor color);

// How many different pixel values (alpha included) `area` holds; 1 for a
// blank area.
int ColourCount(const QImage& image, const QRect& area);

// Colours print as #rrggbb in test failures.
void PrintTo(const QColor& color, std::ostream* out);

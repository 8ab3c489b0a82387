#pragma once
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QStyleHints>
#include <QTest>

#include <chrono>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>

#include "editor/qt/QtText.h"
#include "editor/qt/SrcEditWidget.h"
#include "tests/support/gui/ScreenProbe.h"
#include "tests/support/gui/WaitUntil.h"

using namespace std::chrono_literals;

// An editor widget shown in a window of its own (DejaVu Sans Mono 10,
// white, steady caret), with probes at the cells of its grid.
class WidgetScene {
public:
    explicit WidgetScene(int Width = 640, int Height = 400) {
        QGuiApplication::styleHints()->setCursorFlashTime(0);
        widget = std::make_unique<TSrcEditWidget>();
        TFont font;
        font.SetName("DejaVu Sans Mono");
        font.SetSize(10);
        widget->SetFont(font);
        widget->Color = clWhite;
        widget->resize(Width, Height);
        EXPECT_TRUE(ShowExposed(*widget));
    }

    // Gives the window the keyboard focus.
    ::testing::AssertionResult Focus() {
        widget->activateWindow();
        widget->setFocus();
        return WaitUntil([&] { return widget->hasFocus(); }, 5s, "the editor to have the focus");
    }

    // Replaces the widget's text with the given lines.
    void SetLines(std::initializer_list<const char*> Texts) {
        widget->Lines().Clear();
        for (const char* text : Texts) {
            widget->Lines().Add(text);
        }
    }

    void WithOption(TSrcEditorOption Option, bool On) {
        TSrcEditorOptions options = widget->Options();
        On ? options.Include(Option) : options.Exclude(Option);
        widget->SetOptions(options);
    }

    // The middle of the cell at display Column and Row, in viewport pixels.
    QPoint Cell(int Column, int Row) const {
        return QPoint(widget->TextOffset() + (Column - 1) * widget->CharWidth() + widget->CharWidth() / 2,
                      (Row - widget->TopLine()) * widget->LineHeight() + widget->LineHeight() / 2);
    }

    // A full repaint of the viewport.
    QImage Repaint() const { return widget->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32); }

    // What the screen holds of the viewport.
    QImage Screen() const {
        QPoint origin = widget->viewport()->mapTo(widget.get(), QPoint(0, 0));
        QPixmap window = widget->screen()->grabWindow(widget->winId());
        return window.copy(QRect(origin, widget->viewport()->size())).toImage().convertToFormat(QImage::Format_RGB32);
    }

    // Processes events until the screen holds a full repaint.
    ::testing::AssertionResult ScreenSettlesToRepaint() const {
        return WaitUntil([&] { return Screen() == Repaint(); }, 5s, "the screen to hold a full repaint");
    }

    static QRgb Rgb(TColor Color) { return ToQColor(Color).rgb(); }

    // Whether the cell at Column and Row of Image holds any pixel other than Background.
    bool CellHasInk(const QImage& Image, int Column, int Row, TColor Background = clWhite) const {
        QPoint centre = Cell(Column, Row);
        int left = centre.x() - widget->CharWidth() / 2;
        int top = centre.y() - widget->LineHeight() / 2;
        for (int y = top; y < top + widget->LineHeight(); ++y) {
            for (int x = left; x < left + widget->CharWidth(); ++x) {
                if (Image.pixel(x, y) != Rgb(Background)) {
                    return true;
                }
            }
        }
        return false;
    }

    // How many pixels differ between two images and where the first is.
    static std::string Differences(const QImage& A, const QImage& B) {
        if (A.size() != B.size()) {
            return "images of different sizes";
        }
        int count = 0;
        QPoint first;
        for (int y = 0; y < A.height(); ++y) {
            for (int x = 0; x < A.width(); ++x) {
                if (A.pixel(x, y) != B.pixel(x, y) && count++ == 0) {
                    first = QPoint(x, y);
                }
            }
        }
        return std::to_string(count) + " pixels differ, the first at (" + std::to_string(first.x()) + ", " +
               std::to_string(first.y()) + ")";
    }

    std::unique_ptr<TSrcEditWidget> widget;
};

#pragma once
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QStyleHints>
#include <QTest>

#include <functional>
#include <memory>
#include <string>

#include "editor/qt/QtText.h"
#include "editor/qt/SrcEditWidget.h"

// The one widgets application of the test run; kept to the end of the
// process.
inline void EnsureWidgetApplication() {
    if (!QApplication::instance()) {
        static int argc = 1;
        static char name[] = "test_editor_widget";
        static char* argv[] = {name, nullptr};
        static QApplication* app = new QApplication(argc, argv);
        (void)app;
    }
}

// An editor widget shown in a window of its own (DejaVu Sans Mono 10,
// white, steady caret), with probes at the cells of its grid.
class WidgetScene {
public:
    explicit WidgetScene(int Width = 640, int Height = 400) {
        EnsureWidgetApplication();
        QGuiApplication::styleHints()->setCursorFlashTime(0);
        widget = std::make_unique<TSrcEditWidget>();
        TFont font;
        font.SetName("DejaVu Sans Mono");
        font.SetSize(10);
        widget->SetFont(font);
        widget->Color = clWhite;
        widget->resize(Width, Height);
        widget->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(widget.get(), 5000)) << "the editor window was not exposed";
    }

    // Waits, at most TimeoutMs, until Condition holds; false when it never
    // did.
    static bool WaitUntil(const std::function<bool()>& Condition, int TimeoutMs = 5000) {
        QElapsedTimer clock;
        clock.start();
        while (!Condition()) {
            if (clock.elapsed() > TimeoutMs) {
                return false;
            }
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        return true;
    }

    // Gives the window the keyboard focus; false when it never got it.
    bool Focus() {
        widget->activateWindow();
        widget->setFocus();
        return WaitUntil([&] { return widget->hasFocus(); });
    }

    // The middle of the cell at display Column and Row, in viewport pixels.
    QPoint Cell(int Column, int Row) const {
        return QPoint(widget->TextOffset() + (Column - 1) * widget->CharWidth() + widget->CharWidth() / 2,
                      (Row - widget->TopLine()) * widget->LineHeight() + widget->LineHeight() / 2);
    }
    // The middle of the gutter's row.
    QPoint GutterRow(int Row, int X = 2) const {
        return QPoint(X, (Row - widget->TopLine()) * widget->LineHeight() + widget->LineHeight() / 2);
    }

    // A full repaint of the viewport.
    QImage Repaint() const { return widget->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32); }

    // What the screen holds of the viewport.
    QImage Screen() const {
        QPoint origin = widget->viewport()->mapTo(widget.get(), QPoint(0, 0));
        QPixmap window = widget->screen()->grabWindow(widget->winId());
        return window.copy(QRect(origin, widget->viewport()->size())).toImage().convertToFormat(QImage::Format_RGB32);
    }

    // Processes events until the screen holds a full repaint (at most 5 s).
    bool ScreenSettlesToRepaint() const {
        return WaitUntil([&] { return Screen() == Repaint(); });
    }

    // Saves Image as <Name>.png in the test output folder.
    static void Save(const QImage& Image, const std::string& Name) {
        QDir().mkpath("widget-scenes");
        Image.save(QString::fromStdString("widget-scenes/" + Name + ".png"));
    }

    static QRgb Rgb(TColor Color) { return ToQColor(Color).rgb(); }

    // Pixels that differ between two images of the same size.
    static int DifferentPixels(const QImage& A, const QImage& B) {
        if (A.size() != B.size()) {
            return A.width() * A.height() + 1;
        }
        int count = 0;
        for (int y = 0; y < A.height(); ++y) {
            for (int x = 0; x < A.width(); ++x) {
                count += A.pixel(x, y) != B.pixel(x, y);
            }
        }
        return count;
    }

    std::unique_ptr<TSrcEditWidget> widget;
};

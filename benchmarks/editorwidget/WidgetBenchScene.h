#pragma once
// The scene of the widget benchmarks: 100,000 code-like lines in the editor
// widget and in QPlainTextEdit, offscreen, with the same highlighting.
#include <QApplication>
#include <QTextCursor>

#include <cstdlib>
#include <string>

#include "benchmarks/editorwidget/PeerEditor.h"
#include "editor/qt/SrcEditWidget.h"
#include "benchmarks/editorwidget/ThreeStyleHighlighter.h"

constexpr int kLines = 100000;

inline QApplication& App() {
    static int argc = 1;
    static char name[] = "bench_editorwidget";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        return new QApplication(argc, argv);
    }();
    return *app;
}

// Code-like lines with a three-line block comment every 50 lines.
inline const std::string& SourceText() {
    static const std::string text = [] {
        std::string result;
        for (int i = 1; i <= kLines; ++i) {
            switch (i % 50) {
            case 10: result += "    /* a block comment that opens here"; break;
            case 11: result += "       and runs on over this line"; break;
            case 12: result += "       to close here */ int after = 0;"; break;
            default:
                result += "    if (value" + std::to_string(i) + " > limit) return total + " + std::to_string(i * 7) +
                          "; int x = y;";
            }
            result += "\r\n";
        }
        return result;
    }();
    return text;
}

inline TFont EditorFont() {
    TFont font;
    font.SetName("DejaVu Sans Mono");
    font.SetSize(10);
    return font;
}

inline void Flush() { QCoreApplication::processEvents(); }

// Puts the peer's cursor at Line and Column (both from 1).
inline void PeerCursorTo(PeerEditor& Edit, int Line, int Column = 1) {
    QTextCursor cursor(Edit.document()->findBlockByNumber(Line - 1));
    cursor.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, Column - 1);
    Edit.setTextCursor(cursor);
}

// The editor widget with the test highlighter and line numbers, shown.
struct Editor {
    Editor(int Width, int Height, bool Load) {
        widget.SetFont(EditorFont());
        widget.Gutter().SetShowLineNumbers(true);
        widget.SetHighlighter(&highlighter);
        widget.resize(Width, Height);
        widget.show();
        if (Load) {
            widget.SetText(SourceText());
        }
        Flush();
    }
    ~Editor() { widget.SetHighlighter(nullptr); }
    // Paints what is pending the way the peer does: through the event loop.
    void Paint() { Flush(); }

    QApplication& app = App();
    ThreeStyleHighlighter highlighter;
    TSrcEditWidget widget;
};

struct Peer {
    Peer(int Width, int Height, bool Load) {
        edit.setFont(QFont("DejaVu Sans Mono", 10));
        edit.resize(Width, Height);
        edit.show();
        if (Load) {
            edit.setPlainText(QString::fromStdString(SourceText()));
        }
        Flush();
    }
    QApplication& app = App();
    PeerEditor edit;
};

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>

#include <memory>
#include <string>
#include <vector>

#include "editor/qt/QtText.h"
#include "editor/qt/SrcEditWidget.h"
#include "tests/editor/qt/display/XDrag.h"
#include "tests/support/gui/ScreenProbe.h"

// Drags of the pointer itself through the X server: the drops give what
// the editor's drop rules give synthetic events.

namespace {

using namespace std::chrono_literals;
using Lines = std::vector<std::string>;

class SrcEditWidgetRealDragTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (QStandardPaths::findExecutable("xdotool").isEmpty()) GTEST_SKIP() << "xdotool is not installed";
    }
    // The pointer rests in a corner, away from the next test's windows.
    void TearDown() override {
        QPoint corner = QGuiApplication::primaryScreen()->geometry().bottomRight();
        QProcess::execute("xdotool", {"mousemove", QString::number(corner.x()), QString::number(corner.y())});
    }

    // An editor in a top-level window at Place on the screen.
    static std::unique_ptr<TSrcEditWidget> ShownEditor(const QRect& Place, const Lines& Text) {
        auto editor = std::make_unique<TSrcEditWidget>();
        TFont font;
        font.SetName("DejaVu Sans Mono");
        font.SetSize(10);
        editor->SetFont(font);
        editor->Color = clWhite;
        editor->setGeometry(Place);
        for (const std::string& line : Text) editor->Lines().Add(line);
        EXPECT_TRUE(ShowExposed(*editor));
        return editor;
    }
    // The screen point of the boundary before Column on Row.
    static QPoint Boundary(const TSrcEditWidget& Editor, int Column, int Row) {
        QPoint at(Editor.TextOffset() + (Column - 1) * Editor.CharWidth(),
                  (Row - Editor.TopLine()) * Editor.LineHeight() + Editor.LineHeight() / 2);
        return Editor.viewport()->mapToGlobal(at);
    }
    // The screen point in the middle of the cell at Column and Row.
    static QPoint Cell(const TSrcEditWidget& Editor, int Column, int Row) {
        return Boundary(Editor, Column, Row) + QPoint(Editor.CharWidth() / 2, 0);
    }
    static void Select(TSrcEditWidget& Editor, TBufferCoord From, TBufferCoord To) {
        Editor.SetCaretAndSelection(To, From, To);
        Editor.UndoList().Clear();
    }
    static Lines Text(const TSrcEditWidget& Editor) {
        Lines lines;
        for (int i = 0; i < Editor.Lines().Count(); ++i) lines.push_back(Editor.Lines()[i]);
        return lines;
    }
    // Waits until the editor holds Expected.
    static ::testing::AssertionResult Holds(const TSrcEditWidget& Editor, const Lines& Expected) {
        auto held = WaitUntil([&] { return Text(Editor) == Expected; }, 5s, "the drop to reach the text");
        if (!held) held << "; the text is " << ::testing::PrintToString(Text(Editor));
        return held;
    }
    // Waits until the screen shows the cell at Column and Row selected.
    static ::testing::AssertionResult ShownSelected(const TSrcEditWidget& Editor, int Column, int Row) {
        QColor selected = ToQColor(Editor.SelectedColor().Background());
        QPoint corner(Editor.TextOffset() + (Column - 1) * Editor.CharWidth(),
                      (Row - Editor.TopLine()) * Editor.LineHeight());
        QRect cell(Editor.viewport()->mapTo(&Editor, corner), QSize(Editor.CharWidth(), Editor.LineHeight()));
        return WaitUntil(
            [&] {
                QImage shown = Editor.screen()->grabWindow(Editor.winId()).toImage();
                return DominantColor(shown, cell) == selected;
            },
            5s, "the dropped text to show selected");
    }
};



TEST_F(SrcEditWidgetRealDragTest, BetweenEditorsADragCopiesAndShiftMovesButNotFromAReadOnlyOne) {
    auto source = ShownEditor(QRect(20, 40, 560, 300), {"from here"});
    auto target = ShownEditor(QRect(640, 40, 560, 300), {"target"});
    Select(*source, BufferCoord(1, 1), BufferCoord(6, 1));
    target->UndoList().Clear();
    XDrag copy(Cell(*source, 2, 1), Boundary(*target, 7, 1));
    ASSERT_TRUE(copy.Finished());
    ASSERT_TRUE(Holds(*target, {"targetfrom "}));
    EXPECT_EQ(target->SelText(), "from ");
    EXPECT_TRUE(ShownSelected(*target, 8, 1));
    EXPECT_EQ(Text(*source), Lines{"from here"});
    EXPECT_EQ(source->UndoList().ItemCount(), 0);
    target->Undo();
    EXPECT_EQ(Text(*target), Lines{"target"});
    EXPECT_FALSE(target->CanUndo());

    XDrag move(Cell(*source, 2, 1), Boundary(*target, 1, 1), "shift");
    ASSERT_TRUE(move.Finished());
    ASSERT_TRUE(Holds(*target, {"from target"}));
    EXPECT_EQ(target->SelText(), "from ");
    EXPECT_EQ(Text(*source), Lines{"here"});
    source->Undo();  // each editor undoes its own half
    EXPECT_EQ(Text(*source), Lines{"from here"});
    EXPECT_FALSE(source->CanUndo());
    target->Undo();
    EXPECT_EQ(Text(*target), Lines{"target"});
    EXPECT_FALSE(target->CanUndo());

    source->SetReadOnly(true);
    Select(*source, BufferCoord(6, 1), BufferCoord(10, 1));
    XDrag readOnly(Cell(*source, 7, 1), Boundary(*target, 7, 1), "shift");
    ASSERT_TRUE(readOnly.Finished());
    ASSERT_TRUE(Holds(*target, {"targethere"}));
    EXPECT_EQ(Text(*source), Lines{"from here"});
    EXPECT_EQ(source->UndoList().ItemCount(), 0);
}

}  // namespace

// The Edit menu's commands on the current page.
#include <QClipboard>
#include <QGuiApplication>
#include <QTest>

#include "foundation/EError.h"
#include "tests/ide/mainwindow/MainWindowFixture.h"
#include "tests/support/gui/ScreenProbe.h"
#include "tests/support/gui/WaitUntil.h"

using namespace std::chrono_literals;

TEST_F(MainWindowTest, CutCopyPasteAndUndoWorkOnTheCurrentPage)
{
    form->OpenSourceFile(Write("A.java", "alpha beta\r\n"));
    Page()->SetCaretXY(TBufferCoord{1, 1});
    Page()->SetBlockBegin(TBufferCoord{1, 1});
    Page()->SetBlockEnd(TBufferCoord{6, 1});

    form->CopyExecute();
    Page()->SetCaretXY(TBufferCoord{11, 1});
    form->PasteExecute();
    EXPECT_EQ(Page()->Lines()[0], "alpha betaalpha");

    form->UndoExecute();
    EXPECT_EQ(Page()->Lines()[0], "alpha beta");

    Page()->SetBlockBegin(TBufferCoord{1, 1});
    Page()->SetBlockEnd(TBufferCoord{7, 1});
    form->CutExecute();
    EXPECT_EQ(Page()->Lines()[0], "beta");
    form->ActionList1Update();
    EXPECT_EQ(form->PanelText(1), "Modified");

    form->UndoExecute();
    EXPECT_EQ(Page()->Lines()[0], "alpha beta");
}

TEST_F(MainWindowTest, UndoingBackToTheSavedTextClearsModified)
{
    form->OpenSourceFile(Write("A.java"));
    Type("x");
    EXPECT_TRUE(Page()->Modified());
    form->UndoExecute();
    EXPECT_FALSE(Page()->Modified());
}

// An error in an editor key command or paint shows the error box, as one
// escaping any other event handler does. A failing paint shows it once the
// paint is over (a modal box opened inside it leaves its painter dead), and
// one box while it waits.
TEST_F(MainWindowTest, ErrorsInEditorKeyCommandsAndPaintsShowTheErrorBox)
{
    struct Failing {
        void Hooked(TObject*, bool, bool&, TSrcEditorCommand&, char&, void*, void*) { throw EError(ecIDE, 38); }
        void Paint(TObject*, TSrcCanvas*) { throw EError(ecIDE, 38); }
    } failing;
    const std::vector<std::string> box{"[ Error IDE-0038] Class path expected."};
    form->NewFileExecute();
    ASSERT_TRUE(ShowExposed(*form));
    const auto hook = THookedCommandEvent::Of<&Failing::Hooked>(&failing);
    Page()->RegisterCommandHandler(hook, nullptr);
    QTest::keyClick(Page(), Qt::Key_Right);
    Page()->UnregisterCommandHandler(hook);
    EXPECT_EQ(dialogs->BoxTexts(), box);

    dialogs->boxes.clear();
    Page()->OnPaint = TPaintEvent::Of<&Failing::Paint>(&failing);
    Page()->viewport()->repaint();
    Page()->viewport()->repaint();
    Page()->OnPaint = TPaintEvent();
    EXPECT_TRUE(dialogs->BoxTexts().empty()) << "a box opened inside the paint";
    ASSERT_TRUE(WaitUntil([&] { return !dialogs->BoxTexts().empty(); }, 5s, "the error box"));
    QCoreApplication::processEvents();
    EXPECT_EQ(dialogs->BoxTexts(), box);
}

// Select All takes every character in each selection mode, also in column
// mode where the last line is the shortest; Undo brings the text back.
TEST_F(MainWindowTest, SelectAllTakesTheWholeTextInEverySelectionMode)
{
    const std::string text = "long line one\r\nlonger line two\r\nend";
    form->OpenSourceFile(Write("A.java", text));
    ASSERT_TRUE(ShowExposed(*form));
    form->activateWindow();
    ASSERT_TRUE(WaitUntil([&] { return form->isActiveWindow(); }, 2s, "the window active"));
    const struct {
        const char* mode;
        Qt::Key modeKey;  // with Shift+Ctrl
    } modes[] = {{"normal", Qt::Key_N}, {"column", Qt::Key_C}, {"line", Qt::Key_L}};
    const struct {
        const char* what;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        std::string left;  // the page's text after it
    } commands[] = {
        {"Delete", Qt::Key_Delete, {}, ""},
        {"Cut", Qt::Key_X, Qt::ControlModifier, ""},
        {"Copy", Qt::Key_C, Qt::ControlModifier, text},
    };
    for (const auto& mode : modes) {
        for (const auto& command : commands) {
            SCOPED_TRACE(std::string(mode.mode) + ", " + command.what);
            QGuiApplication::clipboard()->clear();
            Page()->setFocus();
            QTest::keyClick(Page(), mode.modeKey, Qt::ShiftModifier | Qt::ControlModifier);
            QTest::keyClick(Page(), Qt::Key_A, Qt::ControlModifier);
            EXPECT_EQ(Page()->SelText(), text);
            QTest::keyClick(Page(), command.key, command.modifiers);
            EXPECT_EQ(Page()->Text(), command.left);
            if (command.key != Qt::Key_Delete) {
                EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), "long line one\nlonger line two\nend");
            }
            QTest::keyClick(Page(), Qt::Key_Z, Qt::ControlModifier);
            EXPECT_EQ(Page()->Text(), text);
        }
    }
}

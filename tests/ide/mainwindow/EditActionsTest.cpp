// The Edit menu's commands on the current page.
#include <QTest>

#include "foundation/EError.h"
#include "tests/ide/mainwindow/MainWindowFixture.h"
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

// An error in an editor key command shows the error box, as one escaping
// any other event handler does.
TEST_F(MainWindowTest, AnErrorInAnEditorKeyCommandShowsTheErrorBox)
{
    struct Failing {
        void Hooked(TObject*, bool After, bool&, TSrcEditorCommand& Command, char&, void*, void*)
        {
            if (!After && Command == ecRight) throw EError(ecIDE, 38);
        }
    } failing;
    form->NewFileExecute();
    Type("ab");
    Page()->SetCaretXY(BufferCoord(1, 1));
    Page()->RegisterCommandHandler(THookedCommandEvent::Of<&Failing::Hooked>(&failing), nullptr);
    QTest::keyClick(Page(), Qt::Key_Right);
    Page()->UnregisterCommandHandler(THookedCommandEvent::Of<&Failing::Hooked>(&failing));
    EXPECT_EQ(dialogs->BoxTexts(), std::vector<std::string>{"[ Error IDE-0038] Class path expected."});
    EXPECT_EQ(Page()->CaretX(), 1);
    QTest::keyClick(Page(), Qt::Key_Right);
    EXPECT_EQ(Page()->CaretX(), 2);
}

// A failing paint shows the box once the paint is over: a modal box opened
// while the editor paints leaves its painter dead. One box while it waits.
TEST_F(MainWindowTest, AnErrorInAnEditorPaintShowsTheErrorBoxAfterThePaint)
{
    struct Failing {
        void Paint(TObject*, TSrcCanvas*) { throw EError(ecIDE, 38); }
    } failing;
    form->NewFileExecute();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    Page()->OnPaint = TPaintEvent::Of<&Failing::Paint>(&failing);
    Page()->viewport()->repaint();
    Page()->viewport()->repaint();
    Page()->OnPaint = TPaintEvent();
    EXPECT_TRUE(dialogs->BoxTexts().empty()) << "a box opened inside the paint";
    ASSERT_TRUE(WaitUntil([&] { return !dialogs->BoxTexts().empty(); }, 5s, "the error box"));
    QCoreApplication::processEvents();
    EXPECT_EQ(dialogs->BoxTexts(), std::vector<std::string>{"[ Error IDE-0038] Class path expected."});
}

// The Edit menu's commands on the current page.
#include "tests/ide/mainwindow/MainWindowFixture.h"

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

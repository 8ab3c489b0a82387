#include <QListWidget>
#include <QTest>

#include "ide/pipeline/CodeTemplates.h"
#include "tests/ide/mainwindow/MainWindowFixture.h"
#include "tests/support/gui/ScreenProbe.h"
#include "tests/support/gui/WaitUntil.h"

using namespace std::chrono_literals;

class TemplatesTest : public MainWindowTest {
protected:
    std::vector<std::string> PageLines() const
    {
        std::vector<std::string> lines;
        for (int i = 0; i < Page()->Lines().Count(); ++i) lines.push_back(Page()->Lines().Get(i));
        return lines;
    }
    void FillPage(int count)
    {
        std::string text;
        for (int i = 1; i <= count; ++i) text += "line" + std::to_string(i) + "\r\n";
        Type(text);
        Page()->SetModified(false);
    }
    void ClickTemplate(int index)
    {
        QListWidget* list = form->TemplateList;
        const QRect cell = list->visualItemRect(list->item(index));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
    }
};

// The list in name order; each template lands line for line, above the
// empty page's line (the templates' texts are data: CodeTemplates.cpp).
TEST_F(TemplatesTest, ListShowsTheNamesInOrderAndEachTemplateLandsLineForLine)
{
    QListWidget* list = form->TemplateList;
    EXPECT_FALSE(list->isVisible());
    ASSERT_EQ(list->count(), CodeTemplateCount);
    form->show();
    form->Action("ShowCodeTemplates")->trigger();
    for (int i = 0; i < CodeTemplateCount; ++i) {
        const TCodeTemplate& expected = CodeTemplates()[size_t(i)];
        SCOPED_TRACE(std::string(expected.Name));
        EXPECT_EQ(list->item(i)->text().toStdString(), expected.Name);
        if (i > 0) {
            EXPECT_LT(CodeTemplates()[size_t(i - 1)].Name, expected.Name);
        }
        // No name is cut.
        EXPECT_LE(list->visualItemRect(list->item(i)).x() + list->sizeHintForIndex(list->model()->index(i, 0)).width(),
                  list->viewport()->width());
        form->NewFileExecute();
        form->Action("ShowCodeTemplates")->trigger();
        ASSERT_TRUE(list->isVisible());
        list->scrollToItem(list->item(i));
        ClickTemplate(i);
        EXPECT_FALSE(list->isVisible());
        std::vector<std::string> lines(expected.Lines.begin(), expected.Lines.end());
        lines.push_back("");
        EXPECT_EQ(PageLines(), lines);
        EXPECT_TRUE(Page()->Modified());
    }
    form->NewFileExecute();
    form->Action("InsertTemplate")->trigger();
    EXPECT_EQ(PageLines(), std::vector<std::string>(NewClassSkeleton().begin(), NewClassSkeleton().end()));
    EXPECT_EQ(Page()->CaretXY(), (TBufferCoord{1, 1}));
    EXPECT_TRUE(Page()->Modified());
}

// From the keyboard: Ctrl+J opens the list, Down moves, Escape closes it
// without inserting and Enter inserts as a click does, as one undo step.
// Either way the page gets the keyboard back.
TEST_F(TemplatesTest, EnterInsertsTheSelectedTemplateAndEscapeInsertsNothing)
{
    QListWidget* list = form->TemplateList;
    ASSERT_TRUE(ShowExposed(*form));
    form->activateWindow();
    ASSERT_TRUE(WaitUntil([&] { return form->isActiveWindow(); }, 2s, "the window active"));
    Page()->setFocus();
    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
        QTest::keyClick(Page(), Qt::Key_J, Qt::ControlModifier);
        ASSERT_TRUE(list->isVisible() && list->hasFocus());
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, key);
        EXPECT_FALSE(list->isVisible());
        EXPECT_TRUE(Page()->hasFocus());
    }
    ASSERT_GE(list->currentRow(), 0);
    const TCodeTemplate& chosen = CodeTemplates()[size_t(list->currentRow())];
    std::vector<std::string> lines(chosen.Lines.begin(), chosen.Lines.end());
    lines.push_back("");
    EXPECT_EQ(PageLines(), lines);
    form->UndoExecute();
    EXPECT_EQ(PageLines(), std::vector<std::string>{""});
}

TEST_F(TemplatesTest, TemplateGoesAboveTheCaretLineIndentedToItsColumnAndUndoesInOneStep)
{
    FillPage(12);
    Page()->SetCaretXY(TBufferCoord{2, 3});
    Page()->SetSelText("x");  // an earlier, undoable edit on line 3
    Page()->SetCaretXY(TBufferCoord{5, 10});
    form->SelectTemplate(9);  // "if else"
    std::vector<std::string> lines = PageLines();
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 9, lines.begin() + 14),
              (std::vector<std::string>{"    if (  ) {", "    }", "    else {", "    }", "line10"}));
    EXPECT_EQ(Page()->CaretXY(), (TBufferCoord{5, 14}));
    EXPECT_TRUE(Page()->Modified());

    Page()->Undo();
    lines = PageLines();
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_EQ(lines[9], "line10");
    EXPECT_EQ(lines[2], "lxine3");
    Page()->Undo();
    lines = PageLines();
    EXPECT_EQ(lines[2], "line3");
    EXPECT_EQ(lines[9], "line10");
}

TEST_F(TemplatesTest, SkeletonIsAppendedBelowTheTextAndTheCaretStays)
{
    FillPage(2);
    Page()->SetCaretXY(TBufferCoord{3, 1});
    form->InsertTemplateExecute();
    const std::vector<std::string> lines = PageLines();
    ASSERT_EQ(lines.size(), 3u + NewClassSkeleton().size());
    EXPECT_EQ(lines[1], "line2");
    EXPECT_EQ(lines[2], "");
    EXPECT_EQ(lines[3], "import torve.core.*;");
    EXPECT_EQ(lines.back(), "}");
    EXPECT_EQ(Page()->CaretXY(), (TBufferCoord{3, 1}));
    EXPECT_TRUE(Page()->Modified());
}

TEST_F(TemplatesTest, WithoutAPageNothingShowsOrChanges)
{
    ASSERT_TRUE(form->CloseSourcePage(0));
    ASSERT_EQ(form->PageCount(), 0);
    form->show();
    QTest::keyClick(form.get(), Qt::Key_J, Qt::ControlModifier);
    EXPECT_FALSE(form->TemplateList->isVisible());
    form->SelectTemplate(0);
    form->InsertTemplateExecute();
    EXPECT_EQ(form->PageCount(), 0);
}

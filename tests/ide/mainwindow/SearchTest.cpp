#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "ide/SearchForm.h"
#include "tests/ide/mainwindow/MainWindowFixture.h"
#include "tests/support/gui/ScreenProbe.h"

class SearchTest : public MainWindowTest {
protected:
    void SetText(const std::string& text)
    {
        Type(text);
        Page()->SetCaretXY(TBufferCoord{1, 1});
    }
    void Search(const std::string& text, QPushButton* button, const std::string& replacement = {})
    {
        form->SearchForm->SearchText->setText(QString::fromStdString(text));
        form->SearchForm->ReplacementText->setText(QString::fromStdString(replacement));
        button->click();
    }
    // The selection as (begin char, line)-(end char, line); "" without one.
    std::string Selection() const
    {
        if (!Page()->SelAvail()) return "";
        const TBufferCoord b = Page()->BlockBegin(), e = Page()->BlockEnd();
        return std::to_string(b.Char) + "," + std::to_string(b.Line) + "-" + std::to_string(e.Char) + "," +
               std::to_string(e.Line);
    }
    std::string Line(int i) const { return Page()->Lines().Get(i - 1); }
    TSearchForm& Dialog() const { return *form->SearchForm; }
};

TEST_F(SearchTest, FindMovesThroughTheTextInEitherDirection)
{
    SetText("foo bar foo\r\nbar foo\r\n");
    Search("", Dialog().Find);
    EXPECT_EQ(Selection(), "");
    EXPECT_EQ(Page()->CaretXY(), (TBufferCoord{1, 1}));

    Search("foo", Dialog().Find);
    EXPECT_EQ(Selection(), "1,1-4,1");
    Dialog().Find->click();
    EXPECT_EQ(Selection(), "9,1-12,1");
    form->Action("FindAgain")->trigger();
    EXPECT_EQ(Selection(), "5,2-8,2");

    // F3 takes the new direction; the caret stands behind the selected
    // match, so that match is found first.
    Dialog().Backwards->setChecked(true);
    form->FindAgainExecute();
    EXPECT_EQ(Selection(), "5,2-8,2");
    form->FindAgainExecute();
    EXPECT_EQ(Selection(), "9,1-12,1");
    form->FindAgainExecute();
    EXPECT_EQ(Selection(), "1,1-4,1");

    // Nothing further: no selection, no box, no message.
    form->FindAgainExecute();
    EXPECT_EQ(Selection(), "");
    EXPECT_EQ(Page()->CaretXY(), (TBufferCoord{1, 1}));
    EXPECT_TRUE(dialogs->boxes.empty());
    EXPECT_TRUE(Lines().empty());
}

TEST_F(SearchTest, CaseWholeWordsScopeAndOriginNarrowTheFind)
{
    SetText("Foo food foo\r\nfoo\r\n");
    Dialog().CaseSensitive->setChecked(true);
    Search("foo", Dialog().Find);
    EXPECT_EQ(Selection(), "5,1-8,1");
    Dialog().WholeWords->setChecked(true);
    Page()->SetCaretXY(TBufferCoord{1, 1});
    Search("foo", Dialog().Find);
    EXPECT_EQ(Selection(), "10,1-13,1");

    Dialog().CaseSensitive->setChecked(false);
    Dialog().WholeWords->setChecked(false);
    Dialog().FromStart->setChecked(true);
    Page()->SetCaretXY(TBufferCoord{1, 2});
    Search("foo", Dialog().Find);
    EXPECT_EQ(Selection(), "1,1-4,1");

    Dialog().FromCursor->setChecked(true);
    Dialog().SelectionOnly->setChecked(true);
    Page()->SetBlockBegin(TBufferCoord{2, 1});
    Page()->SetBlockEnd(TBufferCoord{9, 1});
    Search("foo", Dialog().Find);
    EXPECT_EQ(Selection(), "5,1-8,1");
}

TEST_F(SearchTest, ReplaceTakesTheSelectedMatchAndSelectsTheNextInBothDirections)
{
    SetText("a x a x a\r\n");
    Search("a", Dialog().Find);
    EXPECT_EQ(Selection(), "1,1-2,1");
    Search("a", Dialog().Replace, "aa");
    EXPECT_EQ(Line(1), "aa x a x a");
    EXPECT_EQ(Selection(), "6,1-7,1");

    Dialog().Backwards->setChecked(true);
    Page()->SetCaretXY(TBufferCoord{12, 1});
    Search("a", Dialog().Find);
    EXPECT_EQ(Selection(), "10,1-11,1");
    Search("a", Dialog().Replace, "aa");
    EXPECT_EQ(Line(1), "aa x a x aa");
    EXPECT_EQ(Selection(), "6,1-7,1");

    // The last one replaced: nothing follows, the selection collapses.
    Page()->SetCaretXY(TBufferCoord{1, 1});
    Dialog().Forwards->setChecked(true);
    Search("x", Dialog().Find);
    Search("x", Dialog().Replace, "y");
    EXPECT_EQ(Selection(), "8,1-9,1");
    Search("x", Dialog().Replace, "y");
    EXPECT_EQ(Line(1), "aa y a y aa");
    EXPECT_EQ(Selection(), "");
}

// The page holds code page 1252 bytes; the dialog's text is converted to
// them, so accented letters are found and replaced as the page shows them.
TEST_F(SearchTest, AccentedLettersAreFoundAndReplacedInThePagesCodePage)
{
    SetText("caf\xE9 au lait, caf\xE9\r\n");
    Search("caf\u00e9", Dialog().Find);
    EXPECT_EQ(Selection(), "1,1-5,1");
    Search("lait", Dialog().ReplaceAll, "th\u00e9");
    EXPECT_EQ(Line(1), "caf\xE9 au th\xE9, caf\xE9");
    Page()->SetCaretXY(TBufferCoord{1, 1});
    Search("\u00e9", Dialog().ReplaceAll, "\u00e8\u20ac");
    EXPECT_EQ(Line(1), "caf\xE8\x80 au th\xE8\x80, caf\xE8\x80");
}

TEST_F(SearchTest, DialogIsModelessAndOpensOnlyWithAPage)
{
    ASSERT_TRUE(ShowExposed(*form));
    QTest::keyClick(form->windowHandle(), Qt::Key_F, Qt::ControlModifier);
    ASSERT_TRUE(Dialog().isVisible());
    EXPECT_FALSE(Dialog().isModal());
    EXPECT_EQ(Dialog().windowTitle(), "Find and Replace");
    Page()->setFocus();
    QTest::keyClicks(Page(), "typed");
    EXPECT_EQ(Line(1), "typed");
    Dialog().Close->click();
    EXPECT_FALSE(Dialog().isVisible());

    Page()->SetModified(false);
    ASSERT_TRUE(form->CloseSourcePage(0));
    ASSERT_EQ(form->PageCount(), 0);
    form->FindAndReplaceExecute();
    EXPECT_FALSE(Dialog().isVisible());
    form->FindAgainExecute();
}

// A read-only page keeps its text: Replace and Replace All select the match
// they would take and a box says why nothing was replaced.
TEST_F(SearchTest, ReplaceOnAReadOnlyPageSelectsTheMatchAndSaysWhy)
{
    SetText("banana\r\nabc\r\n");
    Page()->SetModified(false);
    Page()->SetReadOnly(true);
    for (QPushButton* button : {Dialog().Replace, Dialog().ReplaceAll}) {
        Page()->SetCaretXY(TBufferCoord{1, 1});
        dialogs->boxes.clear();
        Search("a", button, "X");
        EXPECT_EQ(Line(1), "banana");
        EXPECT_EQ(Line(2), "abc");
        EXPECT_FALSE(Page()->Modified());
        EXPECT_EQ(Selection(), "2,1-3,1");
        EXPECT_EQ(dialogs->BoxTexts(), std::vector<std::string>{"The page is read-only: nothing was replaced."});
    }
    Search("q", Dialog().ReplaceAll, "X");  // nothing to replace: no box
    EXPECT_EQ(dialogs->boxes.size(), 1u);
}

// "Selection only": the selection the user made stays the scope however
// often Replace is pressed; its hits are replaced and nothing outside.
TEST_F(SearchTest, ReplaceKeepsToTheSelectionInEveryModeAndDirection)
{
    struct Case {
        const char* name;
        TSrcSelectionMode mode;
        TBufferCoord begin, end;
        const char* replacement;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"normal", smNormal, {7, 1}, {12, 2}, "pear", {"apple pear pear", "pear pear apple", "apple apple apple"}},
        {"line", smLine, {3, 2}, {4, 2}, "pear", {"apple apple apple", "pear pear pear", "apple apple apple"}},
        {"column", smColumn, {7, 1}, {12, 3}, "pear", {"apple pear apple", "apple pear apple", "apple pear apple"}},
        {"column, longer", smColumn, {1, 1}, {12, 2}, "apricot",
         {"apricot apricot apple", "apricot apricot apple", "apple apple apple"}},
        {"line breaks", smNormal, {7, 1}, {12, 2}, "p\r\nq",
         {"apple p", "q p", "q", "p", "q p", "q apple", "apple apple apple"}},
    };
    Dialog().SelectionOnly->setChecked(true);
    for (const Case& c : cases)
        for (QRadioButton* direction : {Dialog().Forwards, Dialog().Backwards}) {
            SCOPED_TRACE(std::string(c.name) + ", " + direction->text().toStdString());
            Page()->SetSelectionMode(smNormal);
            Page()->SelectAll();
            Type("apple apple apple\r\napple APPLE apple\r\napple apple apple");
            direction->setChecked(true);
            Page()->SetSelectionMode(c.mode);
            Page()->SetBlockBegin(c.begin);
            Page()->SetBlockEnd(c.end);
            for (int press = 0; press < 6; ++press) Search("apple", Dialog().Replace, c.replacement);
            std::vector<std::string> lines;
            for (int i = 1; i <= Page()->Lines().Count(); ++i) lines.push_back(Line(i));
            EXPECT_EQ(lines, c.lines);
            EXPECT_EQ(Selection(), "");
        }
}

TEST_F(SearchTest, FindAndReplaceAllKeepToTheScopeUntilANewSelection)
{
    SetText("apple apple apple\r\napple apple apple");
    Dialog().SelectionOnly->setChecked(true);
    Page()->SetBlockBegin(TBufferCoord{7, 1});
    Page()->SetBlockEnd(TBufferCoord{12, 2});
    Search("apple", Dialog().Find);
    for (const char* next : {"7,1-12,1", "13,1-18,1", "1,2-6,2", "7,2-12,2", "", ""}) {
        EXPECT_EQ(Selection(), next);
        Dialog().Find->click();
    }

    // A new selection is a new scope: Replace All takes it, and a Replace
    // after it finds nothing more.
    Page()->SetBlockBegin(TBufferCoord{10, 1});
    Page()->SetBlockEnd(TBufferCoord{7, 2});
    Search("a", Dialog().ReplaceAll, "");
    Dialog().Replace->click();
    EXPECT_EQ(Line(1), "apple apple pple");
    EXPECT_EQ(Line(2), "pple apple apple");
    Page()->Undo();

    // Replace All after a Replace takes the rest of the scope, as one undo step.
    Page()->SetBlockBegin(TBufferCoord{1, 1});
    Page()->SetBlockEnd(TBufferCoord{12, 2});
    Search("apple", Dialog().Replace, "pear");
    EXPECT_EQ(Selection(), "6,1-11,1");
    Dialog().ReplaceAll->click();
    Dialog().Replace->click();
    EXPECT_EQ(Line(1), "pear pear pear");
    EXPECT_EQ(Line(2), "pear pear apple");
    Page()->Undo();
    EXPECT_EQ(Line(1), "pear apple apple");
    EXPECT_EQ(Line(2), "apple apple apple");
}

// A read-only page keeps its text whatever the main window's commands do.
#include <sys/stat.h>

#include <QAction>
#include <QListWidget>
#include <QTest>

#include <functional>

#include "tests/ide/mainwindow/MainWindowFixture.h"
#include "tests/support/gui/ScreenProbe.h"
#include "tests/support/gui/WaitUntil.h"

using namespace std::chrono_literals;

namespace {
const std::string ReadOnlyText = "class R {\r\n}\r\n";
const std::string WritableText = "class W {}\r\n";
}  // namespace

// A writable page with its text selected and copied, and a read-only page
// (a file without write bits, read-only for root too) in front of it.
class ReadOnlyPageTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        form->OpenSourceFile(Write("W.java", WritableText));
        writable = Page();
        writable->SelectAll();
        form->CopyExecute();
        const std::string path = Write("R.java", ReadOnlyText);
        ASSERT_EQ(chmod(path.c_str(), 0444), 0);
        form->OpenSourceFile(path);
        ASSERT_TRUE(Page()->ReadOnly());
        Page()->SetCaretXY(TBufferCoord{3, 1});
    }
    CZARNSource* writable = nullptr;
};

TEST_F(ReadOnlyPageTest, NoCommandOfTheWindowChangesItsText)
{
    ASSERT_TRUE(ShowExposed(*form));
    form->activateWindow();
    ASSERT_TRUE(WaitUntil([&] { return form->isActiveWindow(); }, 2s, "the window active"));
    const struct {
        const char* what;
        std::function<void()> command;
    } cases[] = {
        {"typing", [&] { QTest::keyClicks(Page(), "x"); }},
        {"the template list with Enter",
         [&] {
             QTest::keyClick(Page(), Qt::Key_J, Qt::ControlModifier);
             ASSERT_TRUE(form->TemplateList->isVisible());
             QTest::keyClick(form->TemplateList, Qt::Key_Down);
             QTest::keyClick(form->TemplateList, Qt::Key_Return);
         }},
        {"Insert Template", [&] { form->Action("InsertTemplate")->trigger(); }},
        {"Paste", [&] { QTest::keyClick(Page(), Qt::Key_V, Qt::ControlModifier); }},
        {"Select All, Cut", [&] { form->SelectAllClick(); form->Action("Cut")->trigger(); }},
        {"a drop from the other page", [&] { Page()->DragDrop(writable, 4, 4, {}); }},
        {"a moving drop from the other page", [&] { Page()->DragDrop(writable, 4, 4, TShiftState{ssShift}); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Page()->setFocus();
        c.command();
        EXPECT_EQ(Page()->Text(), ReadOnlyText);
        EXPECT_FALSE(Page()->Modified());
        EXPECT_FALSE(Enabled("SaveFile"));
        EXPECT_FALSE(Enabled("SaveAll"));
        EXPECT_EQ(form->PanelText(1), "Read only");
        EXPECT_EQ(writable->Text(), WritableText);
    }
    EXPECT_TRUE(Lines().empty());
}

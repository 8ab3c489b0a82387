// The tool bars of the main window and the data window: the action images
// on every button, and every button in sight at the windows' default sizes.
#include <QAction>
#include <QTest>
#include <QToolButton>

#include "debugger/qt/DataViewForm.h"
#include "ide/ToolIcons.h"
#include "tests/ide/mainwindow/MainWindowFixture.h"
#include "tests/support/gui/ScreenProbe.h"
#include "widgets/WrapToolBar.h"

namespace {

std::vector<QToolButton*> Buttons(const TWrapToolBar& bar)
{
    std::vector<QToolButton*> buttons;
    for (QAction* action : bar.actions())
        if (!action->isSeparator()) buttons.push_back(qobject_cast<QToolButton*>(bar.widgetForAction(action)));
    return buttons;
}

std::string Name(const QToolButton* button)
{
    return button ? button->text().toStdString() : "(no button)";
}

QImage Picture(const QIcon& icon)
{
    return icon.pixmap(TToolIcons::Size).toImage();
}

// Each button shows a picture of more than one colour, none like another's.
void ExpectOwnPictures(const TWrapToolBar& bar)
{
    std::vector<QImage> seen;
    for (const QToolButton* button : Buttons(bar)) {
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->toolButtonStyle(), Qt::ToolButtonTextUnderIcon) << Name(button);
        const QImage picture = Picture(button->icon());
        EXPECT_GT(ColourCount(picture, picture.rect()), 1) << Name(button) << " has no picture";
        for (const QImage& other : seen) EXPECT_NE(picture, other) << Name(button) << " looks like another button";
        seen.push_back(picture);
    }
}

// Every button lies inside the shown `window`, whole and not hidden.
void ExpectInSight(const TWrapToolBar& bar, QWidget& window, const std::string& shotName)
{
    const QImage shot = GrabToPng(window, shotName);
    for (QToolButton* button : Buttons(bar)) {
        ASSERT_NE(button, nullptr);
        const QRect place(button->mapTo(&window, QPoint(0, 0)), button->size());
        EXPECT_TRUE(button->isVisibleTo(&window)) << Name(button);
        EXPECT_TRUE(window.rect().contains(place)) << Name(button) << " lies outside the window";
        EXPECT_EQ(button->visibleRegion(), QRegion(button->rect())) << Name(button) << " is cut off";
        EXPECT_GT(ColourCount(shot, place), 1) << Name(button) << " shows nothing";
    }
}

}  // namespace

TEST_F(MainWindowTest, EveryActionImageIsDrawnAndNoTwoAreAlike)
{
    const TToolIcons& icons = form->ToolIcons();
    std::vector<QImage> pictures;
    for (int i = 0; i < TToolIcons::Count; ++i) {
        const QImage picture = Picture(icons.Icon(i));
        EXPECT_GT(ColourCount(picture, picture.rect()), 1) << "image " << i;
        for (size_t j = 0; j < pictures.size(); ++j) EXPECT_NE(picture, pictures[j]) << "images " << j << ", " << i;
        pictures.push_back(picture);
    }
    EXPECT_TRUE(icons.Icon(TToolIcons::None).isNull());
    EXPECT_TRUE(icons.Icon(TToolIcons::Count).isNull());
    // The menus show the same pictures as the buttons.
    EXPECT_EQ(Picture(form->Action("SaveFile")->icon()), Picture(icons.Icon(TToolIcons::SaveFile)));
    EXPECT_TRUE(form->Action("About")->icon().isNull());
}

TEST_F(MainWindowTest, TheMainAndDataToolBarsShowAPictureOnEveryButton)
{
    ExpectOwnPictures(*form->ToolBar3);
    std::vector<std::string> captions;
    for (const QToolButton* button : Buttons(*form->ToolBar3)) captions.push_back(Name(button));
    EXPECT_EQ(captions, (std::vector<std::string>{"New", "Open...", "Save", "SaveAll", "Cut", "Copy", "Paste", "Undo",
                                                  "Options...", "Reset", "Compile", "Program", "Debug", "Resume",
                                                  "Help"}));
    ExpectOwnPictures(*form->DataView()->ToolBar());
    captions.clear();
    for (const QToolButton* button : Buttons(*form->DataView()->ToolBar())) captions.push_back(Name(button));
    EXPECT_EQ(captions, (std::vector<std::string>{"Run", "Stop", "Step Into", "Step Over", "Breakpoint", "Reset",
                                                  "Messages"}));
}

TEST_F(MainWindowTest, AtTheDefaultSizesEveryButtonIsInSightAndAWrappedOneStillWorks)
{
    ASSERT_TRUE(ShowExposed(*form));
    ASSERT_EQ(form->size(), QSize(710, 544));
    ExpectInSight(*form->ToolBar3, *form, "main-710x544");
    EXPECT_GT(form->EditorTab->height(), 250) << "the tool bar leaves the pages their room";

    // The bar takes two rows here; Compile opens the second.
    const std::vector<QToolButton*> buttons = Buttons(*form->ToolBar3);
    auto* compile = qobject_cast<QToolButton*>(form->ToolBar3->widgetForAction(form->Action("CompileFile")));
    ASSERT_NE(compile, nullptr);
    ASSERT_GE(compile->y(), buttons.front()->y() + buttons.front()->height()) << "the buttons fit in one row";
    Type("int x;");
    QTest::mouseClick(compile, Qt::LeftButton);
    EXPECT_EQ(dialogs->saveProposals, std::vector<std::string>{"Untitled.java"})
        << "the modified page is saved before it compiles";

    form->ShowDebuggerExecute();
    TDataViewForm& data = *form->DataView();
    ASSERT_TRUE(ShowExposed(data));
    ExpectInSight(*data.ToolBar(), data, "data-window");
}

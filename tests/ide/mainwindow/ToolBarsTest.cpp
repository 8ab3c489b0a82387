// The tool bars of the main window and the data window: the action images
// on every button, and every button in sight at the windows' default sizes.
#include <QAction>
#include <QTest>
#include <QToolButton>

#include "debugger/qt/DataViewForm.h"
#include "ide/ToolIcons.h"
#include "tests/ide/mainwindow/MainWindowFixture.h"
#include "tests/support/gui/ControlsProbe.h"
#include "tests/support/gui/ScreenProbe.h"
#include "widgets/WrapToolBar.h"

namespace {

std::vector<QWidget*> Buttons(const TWrapToolBar& bar)
{
    std::vector<QWidget*> buttons;
    for (QAction* action : bar.actions())
        if (!action->isSeparator()) buttons.push_back(bar.widgetForAction(action));
    return buttons;
}

// The buttons' captions and pictures.
std::vector<std::pair<std::string, QIcon>> Pictures(const TWrapToolBar& bar)
{
    std::vector<std::pair<std::string, QIcon>> pictures;
    for (QWidget* widget : Buttons(bar)) {
        const auto* button = qobject_cast<QToolButton*>(widget);
        pictures.push_back({button ? button->text().toStdString() : "(no button)", button ? button->icon() : QIcon()});
    }
    return pictures;
}

std::vector<std::string> Captions(const TWrapToolBar& bar)
{
    std::vector<std::string> captions;
    for (const auto& picture : Pictures(bar)) captions.push_back(picture.first);
    return captions;
}

}  // namespace

TEST_F(MainWindowTest, EveryActionImageIsDrawnAndNoTwoAreAlike)
{
    const TToolIcons& icons = form->ToolIcons();
    std::vector<std::pair<std::string, QIcon>> pictures;
    for (int i = 0; i < TToolIcons::Count; ++i) pictures.push_back({"image " + std::to_string(i), icons.Icon(i)});
    EXPECT_TRUE(OwnPictures(pictures, TToolIcons::Size));
    EXPECT_TRUE(icons.Icon(TToolIcons::None).isNull());
    EXPECT_TRUE(icons.Icon(TToolIcons::Count).isNull());
    // The menus show the same pictures as the buttons.
    const auto image = [](const QIcon& icon) { return icon.pixmap(TToolIcons::Size).toImage(); };
    EXPECT_EQ(image(form->Action("SaveFile")->icon()), image(icons.Icon(TToolIcons::SaveFile)));
    EXPECT_TRUE(form->Action("About")->icon().isNull());
}

TEST_F(MainWindowTest, TheMainAndDataToolBarsShowAPictureOnEveryButton)
{
    EXPECT_TRUE(OwnPictures(Pictures(*form->ToolBar3), TToolIcons::Size));
    EXPECT_EQ(form->ToolBar3->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    EXPECT_EQ(Captions(*form->ToolBar3),
              (std::vector<std::string>{"New", "Open...", "Save", "SaveAll", "Cut", "Copy", "Paste", "Undo",
                                        "Options...", "Reset", "Compile", "Program", "Debug", "Resume", "Help"}));
    EXPECT_TRUE(OwnPictures(Pictures(*form->DataView()->ToolBar()), TToolIcons::Size));
    EXPECT_EQ(Captions(*form->DataView()->ToolBar()),
              (std::vector<std::string>{"Run", "Stop", "Step Into", "Step Over", "Breakpoint", "Reset", "Messages"}));
}

TEST_F(MainWindowTest, AtTheDefaultSizesEveryButtonIsInSightAndAWrappedOneStillWorks)
{
    ASSERT_TRUE(ShowExposed(*form));
    ASSERT_EQ(form->size(), QSize(710, 544));
    EXPECT_TRUE(ControlsInSight(*form, Buttons(*form->ToolBar3), "main-710x544"));
    EXPECT_GT(form->EditorTab->height(), 250) << "the tool bar leaves the pages their room";

    // The bar takes two rows here; Compile opens the second.
    const std::vector<QWidget*> buttons = Buttons(*form->ToolBar3);
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
    EXPECT_TRUE(ControlsInSight(data, Buttons(*data.ToolBar()), "data-window"));
}

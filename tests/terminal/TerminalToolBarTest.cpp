// The terminal's tool bar: images on every button, and every control in
// sight at the window's default size.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include "editor/qt/SrcEditWidget.h"
#include "ide/ToolIcons.h"
#include "tests/support/gui/ControlsProbe.h"
#include "tests/support/gui/ScreenProbe.h"
#include "tests/terminal/TerminalTestSupport.h"
#include "widgets/WrapToolBar.h"

TEST(TerminalToolBar, EveryButtonShowsItsOwnPictureAndStaysInSightAtTheDefaultSize)
{
    TToolIcons icons;
    TMessageForm form;
    form.SetDialogs(std::make_unique<ScriptedDialogs>());
    form.SetToolIcons(icons);
    std::vector<QWidget*> controls;
    std::vector<std::pair<std::string, QIcon>> pictures;
    for (QAction* action : {form.ClearMessage, form.CopyMessage, form.CloseMessage, form.ToolButton4, form.ToolButton5,
                            form.ToolButton6, form.ToolButton7}) {
        controls.push_back(form.ToolBar1->widgetForAction(action));
        pictures.push_back({action->text().toStdString(), action->icon()});
    }
    EXPECT_TRUE(OwnPictures(pictures, TToolIcons::Size));
    controls.push_back(form.MessageEnabled);

    ASSERT_TRUE(ShowExposed(form));
    ASSERT_EQ(form.size(), QSize(421, 277));
    EXPECT_TRUE(ControlsInSight(form, controls, "terminal-421x277"));
    EXPECT_GT(form.Message->height(), 100) << "the tool bar leaves the screen its room";

    // The bar is too narrow for one row; the last button sits on a later row.
    QWidget* first = controls.front();
    auto* last = qobject_cast<QToolButton*>(controls[controls.size() - 2]);
    ASSERT_NE(last, nullptr);
    ASSERT_GE(last->y(), first->y() + first->height()) << "the buttons fit in one row";
    QSignalSpy sent(form.ToolButton7, &QAction::triggered);
    QTest::mouseClick(last, Qt::LeftButton);
    EXPECT_EQ(sent.count(), 1);
}

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
#include "tests/support/gui/ScreenProbe.h"
#include "tests/terminal/TerminalTestSupport.h"
#include "widgets/WrapToolBar.h"

namespace {

class TerminalToolBarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form.SetDialogs(std::make_unique<ScriptedDialogs>());
        form.SetToolIcons(icons);
    }

    std::vector<QAction*> Buttons() const
    {
        return {form.ClearMessage, form.CopyMessage, form.CloseMessage, form.ToolButton4,
                form.ToolButton5,  form.ToolButton6, form.ToolButton7};
    }

    TToolIcons icons;
    TMessageForm form;
};

}  // namespace

TEST_F(TerminalToolBarTest, EveryButtonShowsItsOwnPicture)
{
    std::vector<QImage> pictures;
    for (QAction* action : Buttons()) {
        auto* button = qobject_cast<QToolButton*>(form.ToolBar1->widgetForAction(action));
        ASSERT_NE(button, nullptr) << action->text().toStdString();
        EXPECT_EQ(button->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
        EXPECT_TRUE(button->autoRaise()) << "flat";
        const QImage picture = button->icon().pixmap(TToolIcons::Size).toImage();
        EXPECT_GT(ColourCount(picture, picture.rect()), 1) << action->text().toStdString() << " is blank";
        for (size_t i = 0; i < pictures.size(); ++i)
            EXPECT_NE(picture, pictures[i]) << action->text().toStdString() << " looks like button " << i;
        pictures.push_back(picture);
    }
}

TEST_F(TerminalToolBarTest, AtItsDefaultSizeEveryControlIsInSightAndAWrappedButtonStillWorks)
{
    ASSERT_TRUE(ShowExposed(form));
    ASSERT_EQ(form.size(), QSize(421, 277));
    const QImage shot = GrabToPng(form, "terminal-421x277");
    std::vector<QWidget*> controls;
    for (QAction* action : Buttons()) controls.push_back(form.ToolBar1->widgetForAction(action));
    controls.push_back(form.MessageEnabled);
    for (QWidget* control : controls) {
        ASSERT_NE(control, nullptr);
        const QRect place(control->mapTo(&form, QPoint(0, 0)), control->size());
        const std::string name = static_cast<QAbstractButton*>(control)->text().toStdString();
        EXPECT_TRUE(control->isVisibleTo(&form)) << name;
        EXPECT_EQ(control->visibleRegion(), QRegion(control->rect())) << name << " is cut off";
        EXPECT_TRUE(form.rect().contains(place)) << name << " lies outside the window";
        EXPECT_GT(ColourCount(shot, place), 1) << name << " shows nothing";
    }
    EXPECT_TRUE(form.Message->isVisible());
    EXPECT_GT(form.Message->height(), 100) << "the tool bar leaves the screen its room";

    // The bar is too narrow for one row; the last button sits on a later row.
    QWidget* first = controls.front();
    auto* last = qobject_cast<QToolButton*>(controls[controls.size() - 2]);
    ASSERT_GE(last->y(), first->y() + first->height()) << "the buttons fit in one row";
    QSignalSpy sent(form.ToolButton7, &QAction::triggered);
    QTest::mouseClick(last, Qt::LeftButton);
    EXPECT_EQ(sent.count(), 1);
}

// The debugger in the main window where the acceptance suite does not go:
// Ctrl+B, jogging, the abort box and Resume Debug, against the module
// simulator's virtual machine on COM3.
#include <gtest/gtest.h>

#include <QAction>
#include <QTest>
#include <QTimer>

#include "debugger/DebugSession.h"
#include "debugger/qt/DataViewForm.h"
#include "ide/EditorImages.h"
#include "ide/ZARNSource.h"
#include "tests/ide/ModuleWindowFixture.h"
#include "tests/support/gui/ScreenProbe.h"
#include "tests/support/gui/WaitUntil.h"

using namespace std::chrono_literals;

namespace {

class DebugWindow : public ModuleWindowFixture {
protected:
    void SetUp() override
    {
        ModuleWindowFixture::SetUp();
        ASSERT_TRUE(ShowExposed(*form));
        form->OpenSourceFile(CopyExample("Stepping.java"));
        CopyExample("Counter.java");
        page = form->CurrentEditor();
    }

    bool Enabled(const char* name)
    {
        form->ActionList1Update();
        return form->Action(name)->isEnabled();
    }
    // The gutter's colour at a line's breakpoint place.
    bool Breakpoint(int line)
    {
        const QImage image = GrabToPng(*page->viewport(), "debug-gutter");
        const int y = (page->LineToRow(line) - page->TopLine()) * page->LineHeight() + page->LineHeight() / 2;
        const TColor bgr = TEditorImages::BreakpointColor;
        return PixelAt(image, QPoint(14 + TEditorImages::MarkSize / 2, y)) ==
               QColor(bgr & 0xff, (bgr >> 8) & 0xff, (bgr >> 16) & 0xff);
    }
    ::testing::AssertionResult StartDebugging(bool download = true)
    {
        download ? form->DebugExecute() : form->ResumeDebugExecute();
        if (auto ended = WaitUntil([&] { return form->Worker == nullptr; }, 60s, "the link worker to end"); !ended)
            return ended;
        if (!form->Debugging()) return ::testing::AssertionFailure() << ::testing::PrintToString(Lines());
        return ::testing::AssertionSuccess();
    }

    CZARNSource* page = nullptr;
};

TEST_F(DebugWindow, CtrlBTogglesTheRedMark)
{
    form->Link1Click();
    ASSERT_NE(form->Linker(), nullptr) << ::testing::PrintToString(Lines());
    form->activateWindow();
    ASSERT_TRUE(WaitUntil([&] { return form->isActiveWindow(); }, 2s, "the window active"));
    page->setFocus();
    page->SetCaretXY(BufferCoord(1, 11));
    QTest::keyClick(page, Qt::Key_B, Qt::ControlModifier);
    EXPECT_TRUE(Breakpoint(11));
    EXPECT_EQ(form->Session().BreakpointCount(), 1);
    QTest::keyClick(page, Qt::Key_B, Qt::ControlModifier);
    EXPECT_FALSE(Breakpoint(11));
    EXPECT_EQ(form->Session().BreakpointCount(), 0);
}

TEST_F(DebugWindow, JoggingTheAbortBoxAndResumeDebug)
{
    ModuleSimulator module(world, 3, {"--vm"});
    ASSERT_TRUE(module.Ready());
    ASSERT_TRUE(StartDebugging());

    // Jogging: Stop is on, the rest off; one Step Into per 20 ms tick.
    int ticks = 0;
    QObject::connect(form->JogTimer, &QTimer::timeout, [&ticks] { ++ticks; });
    form->JogIntoExecute();
    EXPECT_TRUE(Enabled("Stop"));
    EXPECT_FALSE(Enabled("Run"));
    EXPECT_FALSE(Enabled("StepInto"));
    EXPECT_EQ(form->JogTimer->interval(), 20);
    ASSERT_TRUE(WaitUntil([&] { return ticks >= 3; }, 5s, "three jog ticks"));
    EXPECT_TRUE(form->Session().Jogging());
    form->StopExecute();
    EXPECT_FALSE(form->Session().Jogging());
    EXPECT_FALSE(form->JogTimer->isActive());
    EXPECT_TRUE(Enabled("Run"));

    // The abort box answered Yes ends the session.
    dialogs->boxAnswers = {TBoxAnswer::Yes};
    EXPECT_TRUE(form->ConfirmAbortDebug());
    EXPECT_EQ(form->JVM(), nullptr);
    EXPECT_FALSE(form->DataView()->isVisible());
    EXPECT_EQ(form->windowTitle().toStdString(), TDebugSession::Caption);

    // Resume Debug starts a session again without a download.
    module.Command("text mark");
    ASSERT_TRUE(WaitUntil([&] { return module.HasEvent("\"text\":\"mark\""); }, 20s, "the module's mark"));
    module.ClearEvents();
    ASSERT_TRUE(StartDebugging(false));
    ASSERT_TRUE(WaitUntil([&] { return module.HasEvent("\"boot\""); }, 20s, "the module's reset"));
    EXPECT_FALSE(module.HasEvent("\"download\"")) << module.Events();
}

}  // namespace

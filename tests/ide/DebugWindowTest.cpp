// The debugger in the main window, end to end: compiler adapter, linker and
// the module simulator's virtual machine on COM3 over a pseudo-terminal.
#include <gtest/gtest.h>

#include <QAction>
#include <QImage>
#include <QListWidget>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include "debugger/DebugSession.h"
#include "debugger/qt/DataViewForm.h"
#include "devicelink/SXComm.h"
#include "ide/EditorForm.h"
#include "ide/EditorImages.h"
#include "ide/ZARNSource.h"
#include "tests/ide/BuildSettings.h"
#include "tests/ide/FakeDialogs.h"
#include "tests/ide/IdeProcess.h"
#include "tests/ide/ModuleWindowFixture.h"
#include "tests/ide/TestApp.h"
#include "tests/support/JavaCompile.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/TempDir.h"
#include "tests/support/gui/ScreenProbe.h"
#include "tests/support/gui/WaitUntil.h"
#include "widgets/WrapToolBar.h"

using namespace std::chrono_literals;

namespace {

QColor Colour(TColor bgr)
{
    return QColor(bgr & 0xff, (bgr >> 8) & 0xff, (bgr >> 16) & 0xff);
}

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

    std::string Caption() const { return form->windowTitle().toStdString(); }
    bool Enabled(const char* name)
    {
        form->ActionList1Update();
        return form->Action(name)->isEnabled();
    }
    // The gutter's colour at a line's breakpoint or arrow place.
    QColor Mark(int line, bool arrow)
    {
        const QImage image = GrabToPng(*page->viewport(), "debug-gutter");
        const int y = (page->LineToRow(line) - page->TopLine()) * page->LineHeight() + page->LineHeight() / 2;
        return PixelAt(image, QPoint(arrow ? 2 + 1 : 14 + TEditorImages::MarkSize / 2, y));
    }
    bool Breakpoint(int line) { return Mark(line, false) == Colour(TEditorImages::BreakpointColor); }
    // The text area's background in the line's indentation.
    QColor LineColour(int line)
    {
        const QImage image = GrabToPng(*page->viewport(), "debug-line");
        const int y = (page->LineToRow(line) - page->TopLine()) * page->LineHeight() + 1;
        return PixelAt(image, QPoint(page->GutterWidth() + 2 * page->CharWidth() + 1, y));
    }
    bool Arrow(int line) { return Mark(line, true) == Colour(TEditorImages::ArrowColor); }
    void ClickGutter(int line)
    {
        const int y = (page->LineToRow(line) - page->TopLine()) * page->LineHeight() + page->LineHeight() / 2;
        QTest::mouseClick(page->viewport(), Qt::LeftButton, {}, QPoint(5, y));
    }
    // Compiles, downloads and starts the session; the module stands at the start.
    ::testing::AssertionResult StartDebugging()
    {
        form->DebugExecute();
        if (auto ended = WaitUntil([&] { return form->Worker == nullptr; }, 60s, "the link worker to end"); !ended)
            return ended;
        if (!form->Debugging()) return ::testing::AssertionFailure() << ::testing::PrintToString(Lines());
        return ::testing::AssertionSuccess();
    }
    ::testing::AssertionResult StoppedAt(int line)
    {
        return WaitUntil([&] { return Caption() == TDebugSession::StoppedCaption && form->ExecutionLine() == line; },
                         20s, "the module to stop on line " + std::to_string(line));
    }

    CZARNSource* page = nullptr;
};

TEST_F(DebugWindow, GutterClickAndCtrlBToggleTheRedMark)
{
    form->Link1Click();
    ASSERT_NE(form->Linker(), nullptr) << ::testing::PrintToString(Lines());
    ASSERT_FALSE(Breakpoint(10));

    ClickGutter(10);
    EXPECT_TRUE(Breakpoint(10));
    EXPECT_EQ(form->Session().BreakpointCount(), 1);

    form->activateWindow();
    ASSERT_TRUE(WaitUntil([&] { return form->isActiveWindow(); }, 2s, "the window active"));
    page->setFocus();
    page->SetCaretXY(BufferCoord(1, 11));
    QTest::keyClick(page, Qt::Key_B, Qt::ControlModifier);
    EXPECT_TRUE(Breakpoint(11));
    EXPECT_EQ(form->Session().BreakpointCount(), 2);

    ClickGutter(10);
    EXPECT_FALSE(Breakpoint(10));
    EXPECT_TRUE(Breakpoint(11));
    EXPECT_EQ(form->Session().BreakpointCount(), 1);
}

TEST_F(DebugWindow, DebugRunsToTheBreakpointStepsJogsAndExits)
{
    ModuleSimulator module(world, 3, {"--vm"});
    ASSERT_TRUE(module.Ready());
    EXPECT_FALSE(Enabled("Run"));
    EXPECT_FALSE(Enabled("Stop"));
    ASSERT_TRUE(StartDebugging());

    // The data window shows the stack of the stopped module.
    TDataViewForm& data = *form->DataView();
    EXPECT_TRUE(data.isVisible());
    EXPECT_EQ(data.windowTitle().toStdString(), "Debugger");
    ASSERT_GT(data.StackTree()->topLevelItemCount(), 0);
    EXPECT_EQ(data.StackTree()->topLevelItem(0)->text(0).toStdString().rfind("Stepping::main()", 0), 0u)
        << data.StackTree()->topLevelItem(0)->text(0).toStdString();
    const QList<QAction*> tools = data.ToolBar()->actions();
    EXPECT_TRUE(tools.contains(form->Action("Run")));
    EXPECT_TRUE(tools.contains(form->Action("StepInto")));

    // Stopped: the moving commands are on, Stop is off.
    EXPECT_TRUE(Enabled("Run"));
    EXPECT_TRUE(Enabled("StepInto"));
    EXPECT_FALSE(Enabled("Stop"));

    ClickGutter(10);
    ASSERT_TRUE(Breakpoint(10)) << ::testing::PrintToString(Lines());
    form->activateWindow();
    ASSERT_TRUE(WaitUntil([&] { return form->isActiveWindow(); }, 2s, "the window active"));
    std::vector<std::string> captions;
    QObject::connect(form.get(), &QWidget::windowTitleChanged,
                     [&captions](const QString& title) { captions.push_back(title.toStdString()); });
    QTest::keyClick(form.get(), Qt::Key_F9);
    ASSERT_TRUE(StoppedAt(10)) << ::testing::PrintToString(Lines());
    EXPECT_EQ(captions.front(), TDebugSession::RunningCaption);
    EXPECT_TRUE(Arrow(10));
    EXPECT_TRUE(Breakpoint(10));
    EXPECT_EQ(LineColour(10), Colour(clGreen));
    EXPECT_NE(LineColour(9), Colour(clGreen));
    EXPECT_EQ(form->ExecutionPage(), page);

    ASSERT_TRUE(Enabled("StepInto")) << form->JVM()->IsRunning();
    QTest::keyClick(form.get(), Qt::Key_F7);
    ASSERT_TRUE(StoppedAt(4)) << form->ExecutionLine() << " " << Caption() << " " << form->isActiveWindow()
                              << ::testing::PrintToString(Lines());
    EXPECT_TRUE(Arrow(4));
    EXPECT_FALSE(Arrow(10));
    EXPECT_EQ(LineColour(4), Colour(clGreen));

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

    // Exit Debugger ends the session: no link, marks gone, window hidden.
    form->ExitDebuggerExecute();
    EXPECT_EQ(form->JVM(), nullptr);
    EXPECT_EQ(form->Linker(), nullptr);
    EXPECT_FALSE(form->Debugging());
    EXPECT_FALSE(data.isVisible());
    EXPECT_EQ(Caption(), TDebugSession::Caption);
    EXPECT_FALSE(Breakpoint(10));
    EXPECT_FALSE(Enabled("Run"));
    EXPECT_FALSE(Enabled("ExitDebugger"));
}

TEST_F(DebugWindow, TheBoxBeforeAnEndingCommandKeepsTheSessionUnlessAnsweredYes)
{
    ModuleSimulator module(world, 3, {"--vm"});
    ASSERT_TRUE(module.Ready());
    ASSERT_TRUE(StartDebugging());
    TSXComm* link = form->JVM();

    dialogs->boxAnswers = {TBoxAnswer::No, TBoxAnswer::Cancel, TBoxAnswer::Yes};
    EXPECT_FALSE(form->ConfirmAbortDebug());
    EXPECT_FALSE(form->ConfirmAbortDebug());
    EXPECT_EQ(form->JVM(), link);
    EXPECT_TRUE(form->Debugging());
    EXPECT_TRUE(form->ConfirmAbortDebug());
    EXPECT_EQ(form->JVM(), nullptr);
    EXPECT_FALSE(form->DataView()->isVisible());
    EXPECT_EQ(dialogs->BoxTexts(), std::vector<std::string>(3, "A debug session is in progress. Abort debugging?"));

    // Resume Debug starts a session again without a download.
    module.Command("text mark");
    ASSERT_TRUE(WaitUntil([&] { return module.HasEvent("\"text\":\"mark\""); }, 20s, "the module's mark"));
    module.ClearEvents();
    form->ResumeDebugExecute();
    ASSERT_TRUE(WaitUntil([&] { return form->Worker == nullptr; }, 60s, "the link worker to end"));
    EXPECT_TRUE(form->Debugging()) << ::testing::PrintToString(Lines());
    ASSERT_TRUE(WaitUntil([&] { return module.HasEvent("\"boot\""); }, 20s, "the module's reset"));
    EXPECT_FALSE(module.HasEvent("\"download\"")) << module.Events();
}

}  // namespace

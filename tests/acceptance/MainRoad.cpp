#include "tests/acceptance/MainRoad.h"

#include <QComboBox>
#include <QKeySequence>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>
#include <algorithm>

#include "debugger/qt/DataViewForm.h"
#include "devicelink/SXComm.h"
#include "ide/EditorForm.h"
#include "ide/OptionsForm.h"
#include "ide/ZARNSource.h"
#include "ide/terminal/MessageForm.h"
#include "linker/ORULinker.h"
#include "tests/ide/EventOrder.h"

namespace {

// "line:column"
std::string At(TBufferCoord position)
{
    return std::to_string(position.Line) + ":" + std::to_string(position.Char);
}

}  // namespace

::testing::AssertionResult MainRoad::DebugKey(Qt::Key key, int line)
{
    FocusPage();
    Key(key);
    ::testing::AssertionResult stopped =
        Wait([&] { return Stopped() && CurrentLineShown(line); },
             "\"[Stopped]\" on line " + std::to_string(line) + " after " + QKeySequence(key).toString().toStdString());
    if (!stopped)
        stopped << "; the caption reads \"" << Caption() << "\", the current line is " << Form().ExecutionLine();
    return stopped;
}

bool MainRoad::Stopped() const
{
    TSXComm* link = Form().JVM();
    return link && !link->IsRunning() && Caption() == "Corvane Torve IDE [Stopped]" &&
           Form().Action("StepInto")->isEnabled() && !Form().Action("Stop")->isEnabled();
}

void MainRoad::ShowDataPage(int index)
{
    QTabBar* tabs = DataWindow().DebugTabs()->tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
    EXPECT_EQ(DataWindow().DebugTabs()->currentIndex(), index);
}

::testing::AssertionResult MainRoad::HasDataLine(QTreeWidget& tree, const std::string& line) const
{
    const std::vector<std::string> lines = DataLines(tree);
    if (std::find(lines.begin(), lines.end(), line) != lines.end()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "no data line \"" << line << "\" in " << ::testing::PrintToString(lines);
}

void MainRoad::Run()
{
    for (void (MainRoad::*step)() : {&MainRoad::StartAndChooseThePort, &MainRoad::OpenSteppingAndFixATypo,
                                     &MainRoad::ProgramTheModule, &MainRoad::DebugToTheFirstLine,
                                     &MainRoad::BreakpointAndSteps, &MainRoad::ExitAndEchoTheTerminal}) {
        (this->*step)();
        if (HasFailure()) return;
    }
}

void MainRoad::StartAndChooseThePort()
{
    Step("1 start and choose the port");
    EXPECT_EQ(Tabs(), std::vector<std::string>{"Untitled.java"});
    EXPECT_EQ(Caption(), "Corvane Torve IDE");
    EXPECT_TRUE(Wait([&] { return Panel(0) == "1 : 1"; }, "panel 0 to show the caret at 1 : 1")) << Panel(0);
    for (const char* action : {"Run", "Stop", "StepInto", "StepOver", "JogInto", "Reset", "ExitDebugger"})
        EXPECT_FALSE(Enabled(action)) << action;

    Dialogs().modalHandlers.push_back([](QDialog& dialog) {
        auto& options = static_cast<TOptionsForm&>(dialog);
        const int com3 = options.SerialPort->findText("COM3");
        ASSERT_GE(com3, 0) << "the port list lacks COM3";
        options.SerialPort->setCurrentIndex(com3);
        options.OKButton->click();
    });
    Form().Action("GlobalOptions")->trigger();
    EXPECT_TRUE(Dialogs().modalHandlers.empty()) << "Global Options did not open";
}

void MainRoad::OpenSteppingAndFixATypo()
{
    Step("2 open Stepping.java, compile a typo, undo it");
    FocusPage();
    Dialogs().openAnswers.push_back({ProjectFile("Stepping.java")});
    Key(Qt::Key_O, Qt::ControlModifier);
    ASSERT_TRUE(Dialogs().openAnswers.empty()) << "Ctrl+O opened no file dialog";
    ASSERT_TRUE(Wait([&] { return Tabs() == std::vector<std::string>{"Stepping.java"}; },
                     "Stepping.java to replace Untitled"));
    CZARNSource* page = Page();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->Lines().Get(9), "            int value = square(i);");

    // "square" on line 10 becomes "sqare": a Backspace behind its "u" (one
    // undo group; typing over a selection would take two).
    FocusPage();
    Key(Qt::Key_Home, Qt::ControlModifier);
    for (int i = 0; i < 9; ++i) Key(Qt::Key_Down);
    for (int i = 0; i < 27; ++i) Key(Qt::Key_Right);
    Key(Qt::Key_Backspace);
    EXPECT_EQ(page->Lines().Get(9), "            int value = sqare(i);");
    EXPECT_TRUE(Wait([&] { return Panel(1) == "Modified"; }, "panel 1 to say Modified")) << Panel(1);

    Key(Qt::Key_F9);
    const std::string error =
        "[Java Error] Stepping.java(10): Error: The method sqare(int) is undefined for the type Stepping";
    ASSERT_TRUE(Wait([&] { return !MessageLines().empty(); }, "the compiler's message line"));
    EXPECT_EQ(MessageLines().front(), error) << ::testing::PrintToString(MessageLines());
    EXPECT_NE(Panel(3), "Compile Successful");

    DoubleClickMessage(0);
    ASSERT_TRUE(Wait([&] { return page->SelText() == "sqare"; }, "the diagnostic's range selected"));
    EXPECT_EQ(At(page->BlockBegin()), "10:25");
    EXPECT_EQ(At(page->BlockEnd()), "10:30") << "column 29 is the last selected";
    EXPECT_EQ(At(page->CaretXY()), "10:25");

    FocusPage();
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(page->Lines().Get(9), "            int value = square(i);");
    Key(Qt::Key_F9);
    ASSERT_TRUE(Wait([&] { return Panel(3) == "Compile Successful"; }, "panel 3 to say Compile Successful"))
        << ::testing::PrintToString(MessageLines());
    // The compiler runs on the GUI thread: its lines are in once the panel says so.
    EXPECT_TRUE(MessageLines().empty()) << ::testing::PrintToString(MessageLines());
    Screenshots("after-step-2");
}

void MainRoad::ProgramTheModule()
{
    Step("3 program the module");
    ClearProgress();
    Module().ClearEvents();
    FocusPage();
    Key(Qt::Key_R, Qt::ControlModifier);
    ASSERT_TRUE(Wait([&] { return ProgressShown(); }, "the progress window"));
    ASSERT_TRUE(Wait([&] { return Form().Worker == nullptr; }, "the link worker to end"))
        << ::testing::PrintToString(ProgressTexts());
    EXPECT_FALSE(ProgressShown());
    EXPECT_TRUE(MessageLines().empty()) << ::testing::PrintToString(MessageLines());
    EXPECT_EQ(ProgressTexts(), (std::vector<std::string>{"Linking Program", "Resetting Corvane",
                                                         "Downloading Program", "Resetting Corvane"}));
    ASSERT_NE(Form().Linker(), nullptr);
    const int blocks = (Form().Linker()->GetImageSize() + TSXComm::ImageBlockSize - 1) / TSXComm::ImageBlockSize;
    EXPECT_EQ(ProgressMaximum(), blocks);
    std::vector<int> positions;
    for (int block = 0; block < blocks; block += std::max(1, blocks / 20)) positions.push_back(block);
    EXPECT_EQ(ProgressPositions(), positions);

    std::vector<std::string> shown;
    for (int i = 1; i <= 5; ++i) shown.push_back("square of " + std::to_string(i) + " is " + std::to_string(i * i));
    shown.push_back("sum of squares: 55");
    shown.push_back("");  // the cursor's line
    EXPECT_TRUE(Wait([&] { return TerminalLines() == shown; }, "the squares and their sum on the terminal"))
        << ::testing::PrintToString(TerminalLines());
    EXPECT_TRUE(Form().MessageForm().isVisible());
    // The module took the image with the run mark and, after the worker, the no-input byte.
    ASSERT_TRUE(Wait([&] { return Module().HasEvent("\"name\":\"no-input\""); }, "the no-input byte"));
    EXPECT_TRUE(InOrder(Module().Events(), {"\"event\":\"rx\",\"bytes\":\"0b 01 a4 ",
                                            "\"download\",\"values\":[" + std::to_string(blocks - 1) + ",0]",
                                            "\"boot\",\"name\":\"run\"", "\"name\":\"no-input\""}));
}

void MainRoad::DebugToTheFirstLine()
{
    Step("4 debug to the first line");
    Module().ClearEvents();
    FocusPage();
    Key(Qt::Key_D, Qt::ControlModifier);
    ASSERT_TRUE(Wait([&] { return Form().Worker == nullptr && Form().Debugging(); }, "the debug session"))
        << ::testing::PrintToString(MessageLines());
    EXPECT_TRUE(Module().HasEvent("\"event\":\"rx\",\"bytes\":\"0b 01 1d ")) << "the debug mark in byte 0";
    ASSERT_TRUE(Wait([&] { return CurrentLineShown(8); }, "the current line 8, green with the arrow"));
    EXPECT_EQ(Caption(), "Corvane Torve IDE");

    TDataViewForm& data = DataWindow();
    ASSERT_TRUE(Wait([&] { return data.isVisible(); }, "the data window"));
    // Memory Usage, the page it opens on: the parts add up.
    const int total = std::stoi(MemoryLabel("MemoryTotal"));
    int parts = 0;
    for (const char* part : {"MemoryCode", "MemoryStatic", "MemoryStrings", "MemoryHeap", "MemoryStack"})
        parts += std::stoi(MemoryLabel(part));
    EXPECT_EQ(total, 36864);
    EXPECT_EQ(std::stoi(MemoryLabel("MemoryUsed")), parts);
    EXPECT_EQ(std::stoi(MemoryLabel("MemoryFree")), total - parts);
    EXPECT_GT(std::stoi(MemoryLabel("MemoryCode")), 0);
    EXPECT_EQ(MemoryLabel("MemoryHeap"), "0") << "nothing made yet";

    ShowDataPage(1);
    QTreeWidget& statics = *data.StaticTree();
    EXPECT_TRUE(OpenDataLine(statics, "Static Fields"));
    EXPECT_TRUE(OpenDataLine(statics, "java.lang.System "));
    EXPECT_FALSE(OpenDataLine(statics, "java.io.PrintStream out = ")) << "out can be opened";
    ShowDataPage(0);
    EXPECT_EQ(DataLines(*data.StackTree()), (std::vector<std::string>{"Stepping::main()", "  counter out of scope",
                                                                      "  i out of scope", "  value out of scope"}));
    Screenshots("after-step-4");
}

void MainRoad::BreakpointAndSteps()
{
    Step("5 a breakpoint on line 10, run, step into, over and into Counter");
    QTreeWidget& stack = *DataWindow().StackTree();
    const size_t captions = Captions().size();
    ClickGutter(10);
    ASSERT_TRUE(Wait([&] { return BreakpointMark(10); }, "the red mark on line 10"));

    ASSERT_TRUE(DebugKey(Qt::Key_F9, 10));
    ASSERT_GT(Captions().size(), captions);
    EXPECT_EQ(Captions()[captions], "Corvane Torve IDE [Running]");
    EXPECT_TRUE(BreakpointMark(10));
    EXPECT_TRUE(HasDataLine(stack, "  int i = 1 0x0001 '..'"));

    ASSERT_TRUE(DebugKey(Qt::Key_F7, 4));
    ASSERT_EQ(stack.topLevelItemCount(), 2) << ::testing::PrintToString(DataLines(stack));
    EXPECT_EQ(stack.topLevelItem(0)->text(0).toStdString(), "Stepping::square()");
    EXPECT_EQ(stack.topLevelItem(1)->text(0).toStdString(), "Stepping::main()");
    EXPECT_TRUE(HasDataLine(stack, "  int n = 1 0x0001 '..'"));

    ASSERT_TRUE(DebugKey(Qt::Key_F7, 10));
    ASSERT_TRUE(DebugKey(Qt::Key_F8, 11));
    EXPECT_TRUE(HasDataLine(stack, "  int value = 1 0x0001 '..'"));
    ASSERT_TRUE(DebugKey(Qt::Key_F8, 12));
    EXPECT_TRUE(OpenDataLine(stack, "Counter counter = "));
    EXPECT_TRUE(HasDataLine(stack, "    int total = 1 0x0001 '..'"));

    ASSERT_TRUE(DebugKey(Qt::Key_F9, 10));
    EXPECT_TRUE(HasDataLine(stack, "  int i = 2 0x0002 '..'"));
    QTreeWidgetItem* counter = DataLine(stack, "Counter counter = ");
    ASSERT_NE(counter, nullptr);
    EXPECT_TRUE(counter->isExpanded()) << "Counter counter is closed again";
    EXPECT_TRUE(HasDataLine(stack, "    int total = 1 0x0001 '..'"));

    ASSERT_TRUE(DebugKey(Qt::Key_F8, 10));
    ASSERT_TRUE(DebugKey(Qt::Key_F8, 11));
    ASSERT_TRUE(DebugKey(Qt::Key_F7, 6));
    EXPECT_EQ(Tabs(), (std::vector<std::string>{"Stepping.java", "Counter.java"}));
    EXPECT_EQ(CurrentTab(), 1);
    EXPECT_EQ(Form().ExecutionPage(), Page());
    ASSERT_GT(stack.topLevelItemCount(), 0);
    EXPECT_EQ(stack.topLevelItem(0)->text(0).toStdString(), "Counter::add()");
    QTreeWidgetItem* self = DataLine(stack, "Counter this = ");
    ASSERT_NE(self, nullptr) << ::testing::PrintToString(DataLines(stack));
    EXPECT_TRUE(self->isExpanded());
    EXPECT_TRUE(HasDataLine(stack, "  int amount = 4 0x0004 '..'"));
    Screenshots("after-step-5");
}

void MainRoad::ExitAndEchoTheTerminal()
{
    Step("6 exit the debugger; Echo: stop, reset, keys in the terminal");
    CZARNSource* stepping = Form().SourceAt(0);
    Form().Action("ExitDebugger")->trigger();
    ASSERT_TRUE(Wait([&] { return !Form().Debugging(); }, "the end of the session"));
    EXPECT_FALSE(DataWindow().isVisible());
    EXPECT_EQ(Caption(), "Corvane Torve IDE");
    EXPECT_FALSE(ArrowMark(6)) << "Counter.java";
    EXPECT_EQ(LineBackground(6), LineBackground(8)) << "Counter.java: line 6 is not green any more";
    EXPECT_FALSE(BreakpointMark(10, stepping)) << "Stepping.java";
    EXPECT_FALSE(ArrowMark(10, stepping)) << "Stepping.java";

    Dialogs().openAnswers.push_back({ProjectFile("Echo.java")});
    FocusPage();
    Key(Qt::Key_O, Qt::ControlModifier);
    ASSERT_TRUE(Wait([&] { return Tabs().size() == 3 && Tabs().back() == "Echo.java"; }, "Echo.java opened"))
        << ::testing::PrintToString(Tabs());
    FocusPage();
    Key(Qt::Key_D, Qt::ControlModifier);
    ASSERT_TRUE(Wait([&] { return Form().Worker == nullptr && Form().Debugging(); }, "the debug session"))
        << ::testing::PrintToString(MessageLines());
    ASSERT_TRUE(Wait([&] { return CurrentLineShown(6); }, "the current line 6"));
    EXPECT_EQ(TerminalLines(), std::vector<std::string>{""}) << "the terminal is cleared for the session";

    FocusPage();
    Key(Qt::Key_F9);
    ASSERT_TRUE(Wait([&] { return TerminalHas("Type something, q to quit."); }, "Echo's greeting"));
    FocusPage();
    Key(Qt::Key_F8);
    ASSERT_TRUE(Wait([&] { return Stopped() && Form().ExecutionLine() >= 7 && Form().ExecutionLine() <= 10; },
                     "\"[Stopped]\" in Echo's loop"))
        << Form().ExecutionLine();
    EXPECT_TRUE(CurrentLineShown(Form().ExecutionLine()));

    FocusPage();
    Key(Qt::Key_F2, Qt::ControlModifier);
    ASSERT_TRUE(Wait([&] { return Stopped() && CurrentLineShown(6); }, "the current line 6 after Reset"));

    TMessageForm& terminal = Form().MessageForm();
    ClickInto(*terminal.Edit1);
    Type("hi");
    FocusPage();
    Key(Qt::Key_F9);
    // Reset leaves the terminal as it was: the first run's greeting stays above.
    const std::string greeting = "Type something, q to quit.";
    const std::vector<std::string> echoed{greeting, greeting, "hi"};
    ASSERT_TRUE(Wait([&] { return TerminalLines() == echoed; }, "hi on the terminal"))
        << ::testing::PrintToString(TerminalLines());

    Module().ClearEvents();
    ClickInto(*terminal.Edit1);
    Type("q");
    const std::vector<std::string> ended{greeting, greeting, "hiBye.", ""};
    ASSERT_TRUE(Wait([&] { return TerminalLines() == ended; }, "Bye. behind hi"))
        << ::testing::PrintToString(TerminalLines());
    // The end of the program: "[Stopped]", the current line on main's end
    // and the data window refreshed.
    ASSERT_TRUE(Wait([&] { return Module().HasEvent("\"event\":\"message\",\"values\":[5]"); }, "the end message"));
    ASSERT_TRUE(Wait([&] { return Stopped() && CurrentLineShown(18); }, "the current line on main's end"));
    EXPECT_EQ(DataLines(*DataWindow().StackTree()), (std::vector<std::string>{"Echo::main()", "  b out of scope"}));
}

// The window, its actions and the status bar.
#include <QAction>
#include <functional>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QTest>

#include "devicelink/SXComm.h"
#include "foundation/EError.h"
#include "tests/ide/mainwindow/MainWindowFixture.h"
#include "tests/support/gui/ScreenProbe.h"
#include "tests/support/gui/WaitUntil.h"
#include "widgets/WrapToolBar.h"

using namespace std::chrono_literals;

namespace {

struct Row {
    const char* Name;
    const char* Caption;
    const char* Shortcut;
    const char* Hint;
};

// The command table of the main window.
const Row Table[] = {
    {"NewFile", "New", "Ctrl+N", "Create a new file"},
    {"OpenFile", "Open...", "Ctrl+O", "Open an existing file"},
    {"SaveFile", "Save", "Ctrl+S", "Save the current file"},
    {"OpenHelp", "Help", "F1", "Get help for the current file"},
    {"Run", "Run", "F9", "Run the program"},
    {"Stop", "Stop", "F8", "Stop a running program"},
    {"StepInto", "Step Into", "F7", "Step a single line, and into methods"},
    {"About", "About...", "", "Find out about the program"},
    {"CloseFile", "Close", "Ctrl+F4", "Close the current file"},
    {"ToggleBreakpoint", "Breakpoint", "Ctrl+B", "Toggle whether there is a breakpoint on the current line"},
    {"Debug", "Debug", "Ctrl+D", "Compile and download the program and start the debugger"},
    {"StepOver", "Step Over", "F8", "Step a single line, and over any methods"},
    {"InsertTemplate", "Insert Template", "", "Insert a code template into the file"},
    {"Reset", "Reset", "Ctrl+F2", "Reset the Corvane Torve"},
    {"SaveFileAs", "Save As...", "", "Save the current file with a new name"},
    {"FindAndReplace", "&Find and Replace...", "Ctrl+F", "Find and/or replace text in the file"},
    {"FindAgain", "Find Again", "F3", "Repeat the last find operation"},
    {"ShowDebugger", "Show Debug Window", "", "Show the debug window"},
    {"ShowMessage", "Messages", "", "Show the message window"},
    {"ResumeDebug", "Resume Debug", "", "Enter the debugger without reprogramming the Corvane Torve"},
    {"Print", "Print", "Ctrl+P", "Print the current file"},
    {"Program", "Program", "Ctrl+R", "Compile and download the current program"},
    {"Exit", "Exit", "", "Exit this program"},
    {"SaveDesktop", "Save Desktop", "", "Save the current window layout"},
    {"SaveAll", "SaveAll", "", "Save all open files"},
    {"MakeProject", "Make Project", "", "Make the current file into a project"},
    {"SelectProject", "Select Project", "", "Select this project and make it the active project"},
    {"GlobalOptions", "Global Options...", "", "Show the global options dialog box"},
    {"ProjectOptions", "Project Options...", "", "Show the project options dialog box"},
    {"CompileFile", "Compile", "F9", "Compile the current file"},
    {"ShowCodeTemplates", "Show Code Templates", "Ctrl+J", "Show code templates in the editor"},
    {"TestCon", "Test Connection", "", "Test the connection with the Corvane Torve"},
    {"Cut", "Cu&t", "Ctrl+X", "Cut the currently selected text"},
    {"Copy", "&Copy", "Ctrl+C", "Copy the currently selected text"},
    {"Paste", "&Paste", "Ctrl+V", "Paste the text from the last cut or copy operation"},
    {"Undo", "Undo", "Ctrl+Z", "Undo the last editor action"},
    {"ExitDebugger", "Exit Debugger", "", "Close the debugger"},
    {"Identify", "Identify...", "", "Identify attached devices"},
    {"JogInto", "Jog", "", "Continuous perform a step into"},
    {"JogOver", "JogOver", "", ""},
    {"OpenClass", "Open Class at Cursor", "", ""},
};

std::vector<std::string> Entries(const QWidget& menu)
{
    std::vector<std::string> entries;
    for (const QAction* action : menu.actions())
        entries.push_back(action->isSeparator() ? "-" : action->text().toStdString());
    return entries;
}

}  // namespace

TEST_F(MainWindowTest, StartsWithOneUntitledPageAndItsCaretInPanelZero)
{
    EXPECT_EQ(form->windowTitle().toStdString(), "Corvane Torve IDE");
    EXPECT_EQ(form->size(), QSize(710, 544));
    EXPECT_EQ(Tabs(), std::vector<std::string>{"Untitled.java"});
    form->ActionList1Update();
    EXPECT_EQ(form->PanelText(0), "1 : 1");
    EXPECT_EQ(form->PanelText(1), "");
    EXPECT_EQ(form->PanelText(2), "Insert");
    EXPECT_FALSE(form->Action("SaveFile")->isEnabled());
    EXPECT_FALSE(form->Action("SaveAll")->isEnabled());
    EXPECT_FALSE(form->Action("MakeProject")->isEnabled());  // unnamed
    EXPECT_FALSE(form->Action("StepOver")->isEnabled());
    EXPECT_FALSE(form->JogTimer->isActive());
    EXPECT_EQ(form->JogTimer->interval(), 20);

    const QStatusBar* bar = form->EditorStatus;
    ASSERT_NE(bar, nullptr);
    const int widths[] = {75, 75, 75, 562};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(form->StatusPanels[i]->width(), widths[i]) << "panel " << i;
    EXPECT_TRUE(form->StatusPanels[0]->alignment() & Qt::AlignHCenter);
}

TEST_F(MainWindowTest, TypingEnablesSaveAndShowsModified)
{
    Type("int x;");
    EXPECT_TRUE(form->Action("SaveFile")->isEnabled());
    EXPECT_TRUE(form->Action("SaveAll")->isEnabled());
    EXPECT_EQ(form->PanelText(1), "Modified");
    EXPECT_EQ(form->PanelText(2), "");
    EXPECT_EQ(form->PanelText(0), "7 : 1");
    EXPECT_TRUE(form->SomePageModified());
}

TEST_F(MainWindowTest, WithoutAPageTheEditCommandsDoNothing)
{
    form->CloseFileExecute();
    ASSERT_EQ(form->PageCount(), 0);
    form->ActionList1Update();
    EXPECT_EQ(form->PanelText(0), "");
    EXPECT_TRUE(form->Action("MakeProject")->isEnabled());
    for (const char* name : {"Cut", "Copy", "Paste", "Undo", "SaveFile", "CloseFile", "MakeProject", "OpenClass"})
        form->Action(name)->trigger();
    form->SelectAllClick();
    form->CompileFileExecute();
    EXPECT_EQ(form->PageCount(), 0);
    EXPECT_EQ(Lines(), std::vector<std::string>{});
    EXPECT_THROW(form->CurrentSource(), EError);
}

TEST_F(MainWindowTest, EveryActionHasTheCaptionShortcutAndHintOfTheTable)
{
    ASSERT_EQ(form->Actions().size(), std::size(Table));
    for (const Row& row : Table) {
        SCOPED_TRACE(row.Name);
        const QAction* action = form->Action(row.Name);
        ASSERT_NE(action, nullptr);
        // F9 and F8 show in the menus only; their dispatchers own the keys.
        const QString shownKey =
            action->shortcut().isEmpty() ? action->text().section('\t', 1) : action->shortcut().toString();
        EXPECT_EQ(action->text().section('\t', 0, 0).toStdString(), row.Caption);
        EXPECT_EQ(shownKey.toStdString(), row.Shortcut);
        EXPECT_EQ(action->statusTip().toStdString(), row.Hint);
    }
}

TEST_F(MainWindowTest, MenusListTheirEntriesInOrder)
{
    const QList<QAction*> menus = form->menuBar()->actions();
    std::vector<std::string> titles;
    for (const QAction* menu : menus) titles.push_back(menu->text().toStdString());
    EXPECT_EQ(titles, (std::vector<std::string>{"&File", "&Edit", "&Project", "&Debug", "&Help"}));
    EXPECT_EQ(Entries(*form->FileMenu),
              (std::vector<std::string>{"New", "Insert Template", "-", "Open...", "Reopen", "-", "Save", "Save As...",
                                        "Close", "-", "Print", "-", "Exit"}));
    EXPECT_EQ(Entries(*menus[3]->menu()),
              (std::vector<std::string>{"Breakpoint", "-", "Run\tF9", "Stop\tF8", "Step Into", "Step Over\tF8", "Reset", "-",
                                        "Show Debug Window", "Messages", "-", "Exit Debugger"}));
    EXPECT_EQ(Entries(*form->TabMenu),
              (std::vector<std::string>{"Open Class at Cursor", "-", "Cu&t", "&Copy", "&Paste", "Undo", "-",
                                        "Compile\tF9", "Debug", "Program", "-", "Show Code Templates", "-",
                                        "Make Project", "Select Project", "Project Options...", "-", "Close"}));
    EXPECT_EQ(Entries(*form->ToolBar3),
              (std::vector<std::string>{"New", "Open...", "Save", "SaveAll", "-", "Cu&t", "&Copy", "&Paste", "Undo",
                                        "-", "Options...", "-", "Reset", "Compile\tF9", "Program", "Debug", "Resume", "-",
                                        "Help"}));
}

TEST_F(MainWindowTest, AnActionsHintShowsInPanelThree)
{
    QStatusTipEvent tip(form->Action("OpenFile")->statusTip());
    QCoreApplication::sendEvent(form.get(), &tip);
    EXPECT_EQ(form->PanelText(3), "Open an existing file");
    EXPECT_TRUE(form->StatusPanels[1]->isVisible() || !form->isVisible());
}

// Warnings Qt prints while it lives.
class WarningCapture {
public:
    WarningCapture() { previous_ = qInstallMessageHandler(&Keep); }
    ~WarningCapture() { qInstallMessageHandler(previous_); }
    static inline std::vector<std::string> kept;

private:
    static void Keep(QtMsgType, const QMessageLogContext&, const QString& text) { kept.push_back(text.toStdString()); }
    QtMessageHandler previous_;
};

TEST_F(MainWindowTest, F9AndF8ReachTheEnabledOfTheirTwoCommandsWhereverTheFocusIs)
{
    std::vector<std::string> fired;
    for (const char* name : {"Run", "CompileFile", "Stop", "StepOver"})
        QObject::connect(form->Action(name), &QAction::triggered, [&fired, name] { fired.push_back(name); });
    ASSERT_TRUE(ShowExposed(*form));
    form->activateWindow();
    ASSERT_TRUE(WaitUntil([&] { return form->isActiveWindow(); }, 2s, "the window active"));
    // The focus in the page, on the window itself, and where a menu left
    // with Escape puts it.
    const std::pair<const char*, std::function<void()>> holders[] = {
        {"page", [&] { Page()->setFocus(); }},
        {"window", [&] { form->setFocus(); }},
        {"menu left with Escape", [&] {
             QMenuBar* bar = form->menuBar();
             QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(bar->actions()[0]).center());
             EXPECT_TRUE(WaitUntil([&] { return form->FileMenu->isVisible(); }, 2s, "the File menu open"));
             QTest::keyClick(form->FileMenu, Qt::Key_Escape);
             EXPECT_TRUE(WaitUntil([&] { return !form->FileMenu->isVisible(); }, 2s, "the File menu closed"));
         }},
    };
    WarningCapture warnings;
    using Fired = std::vector<std::string>;
    for (const auto& [where, focus] : holders) {
        SCOPED_TRACE(where);
        auto press = [&](Qt::Key key) {
            focus();
            fired.clear();
            QTest::keyClick(form.get(), key);
            return fired;
        };
        // No session.
        EXPECT_EQ(press(Qt::Key_F9), Fired{"CompileFile"});
        EXPECT_EQ(press(Qt::Key_F8), Fired{});
        // A session with the module stopped.
        form->SetJVM(std::make_unique<TSXComm>(form->DebugPort, *form, form->Clock()));
        form->SetDebugging(true);
        EXPECT_EQ(press(Qt::Key_F9), Fired{"Run"});
        EXPECT_EQ(press(Qt::Key_F8), Fired{"StepOver"});
        EXPECT_TRUE(Enabled("Reset"));
        EXPECT_FALSE(Enabled("Stop"));
        // The module running.
        form->JVM()->SetRunning(true);
        EXPECT_EQ(press(Qt::Key_F9), Fired{"CompileFile"});
        EXPECT_EQ(press(Qt::Key_F8), Fired{"Stop"});
        EXPECT_TRUE(Enabled("Reset"));
        EXPECT_FALSE(Enabled("JogInto"));
        EXPECT_FALSE(Enabled("StepInto"));
        form->SetDebugging(false);
        form->SetJVM(nullptr);
    }
    for (const std::string& warning : WarningCapture::kept)
        EXPECT_EQ(warning.find("Ambiguous shortcut"), std::string::npos) << warning;
}

TEST_F(MainWindowTest, ClosingWithTwoModifiedPagesAsksTwiceAndCancelKeepsTheSecond)
{
    Type("a");
    form->NewFileExecute();
    Type("b");
    dialogs->boxAnswers = {TBoxAnswer::No, TBoxAnswer::Cancel};
    EXPECT_FALSE(form->close());
    EXPECT_EQ(dialogs->boxes.size(), 2u);
    EXPECT_EQ(dialogs->boxes[0].Text, "Save changes to 'Untitled.java' before closing?");
    EXPECT_EQ(dialogs->boxes[0].Caption, "Closing");
    EXPECT_EQ(form->PageCount(), 1);
    EXPECT_EQ(Page()->LineText(), "b");
}

TEST_F(MainWindowTest, TheActionsFollowTheEventsWithoutBeingAsked)
{
    Page()->SetSelText("x");
    EXPECT_TRUE(WaitUntil([&] { return form->PanelText(1) == "Modified"; }, 2s, "\"Modified\" in panel 1"));
    EXPECT_TRUE(form->Action("SaveFile")->isEnabled());
}

TEST_F(MainWindowTest, SaveDesktopWritesTheTwelveWindowValues)
{
    form->setGeometry(40, 50, 720, 600);
    form->SaveDesktopExecute();
    const QRect frame = form->frameGeometry();
    EXPECT_EQ(settings->Stored("MainLeft"), std::to_string(frame.left()));
    EXPECT_EQ(settings->Stored("MainTop"), std::to_string(frame.top()));
    EXPECT_EQ(settings->Stored("MainWidth"), std::to_string(frame.width()));
    EXPECT_EQ(settings->Stored("MainHeight"), std::to_string(frame.height()));
    for (const char* name : {"DebugLeft", "DebugTop", "DebugWidth", "DebugHeight", "MessageLeft", "MessageTop",
                             "MessageWidth", "MessageHeight"})
        EXPECT_NE(settings->Stored(name), "") << name;
}

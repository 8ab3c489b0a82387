// The window, its actions and the status bar.
#include <QAction>
#include <QLabel>
#include <QLayout>
#include <functional>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QTest>

#include "debugger/qt/DataViewForm.h"
#include "devicelink/SXComm.h"
#include "foundation/EError.h"
#include "tests/ide/mainwindow/MainWindowFixture.h"
#include "tests/support/gui/ScreenProbe.h"
#include "tests/support/gui/WaitUntil.h"

using namespace std::chrono_literals;

namespace {

// The keys of the main window's commands (F9 and F8 shown in the menus only).
const std::pair<const char*, const char*> Keys[] = {
    {"NewFile", "Ctrl+N"},    {"OpenFile", "Ctrl+O"},       {"SaveFile", "Ctrl+S"},
    {"OpenHelp", "F1"},       {"Run", "F9"},                {"Stop", "F8"},
    {"StepInto", "F7"},       {"CloseFile", "Ctrl+F4"},     {"ToggleBreakpoint", "Ctrl+B"},
    {"Debug", "Ctrl+D"},      {"StepOver", "F8"},           {"Reset", "Ctrl+F2"},
    {"FindAndReplace", "Ctrl+F"}, {"FindAgain", "F3"},      {"Print", "Ctrl+P"},
    {"Program", "Ctrl+R"},    {"CompileFile", "F9"},        {"ShowCodeTemplates", "Ctrl+J"},
    {"Cut", "Ctrl+X"},        {"Copy", "Ctrl+C"},           {"Paste", "Ctrl+V"},
    {"Undo", "Ctrl+Z"},       {"About", ""},                {"JogInto", ""},
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
    EXPECT_EQ(Tabs(), std::vector<std::string>{"Untitled.java"});
    form->ActionList1Update();
    EXPECT_EQ(form->PanelText(0), "1 : 1");
    EXPECT_EQ(form->PanelText(1), "");
    EXPECT_EQ(form->PanelText(2), "Insert");
    EXPECT_FALSE(form->Action("SaveFile")->isEnabled());
    EXPECT_FALSE(form->Action("SaveAll")->isEnabled());
    EXPECT_FALSE(form->Action("MakeProject")->isEnabled());  // unnamed
    EXPECT_FALSE(form->Action("StepOver")->isEnabled());
}

// A position wider than the caret panel's 75 pixels widens it; the text
// drawn in the status bar lies whole inside the panel, blank on both sides.
// The other panels keep their widths and move along, and come back with it.
TEST_F(MainWindowTest, TheCaretPanelWidensForALongPosition)
{
    std::string text;
    for (int i = 1; i < 150001; ++i) text += "x\r\n";
    text += std::string(1234567, 'a');
    form->OpenSourceFile(Write("Long.java", text));
    ASSERT_TRUE(ShowExposed(*form));
    auto places = [&] {
        form->EditorStatus->layout()->activate();
        std::vector<QRect> rects;
        for (const QLabel* panel : form->StatusPanels) rects.push_back(panel->geometry());
        return rects;
    };
    form->ActionList1Update();
    const std::vector<QRect> start = places();
    Page()->SetCaretXY(TBufferCoord{1234568, 150001});
    form->ActionList1Update();
    ASSERT_EQ(form->PanelText(0), "1234568 : 150001");
    const std::vector<QRect> wide = places();
    const int grown = wide[0].width() - start[0].width();
    EXPECT_GT(grown, 0);
    for (size_t i = 1; i < wide.size(); ++i) EXPECT_EQ(wide[i], start[i].translated(grown, 0)) << "panel " << i;

    const QLabel& panel = *form->StatusPanels[0];
    const QImage bar = GrabToPng(*form->EditorStatus, "status-bar");
    const QRect inside = panel.contentsRect().translated(panel.pos()) & bar.rect();
    EXPECT_GT(ColourCount(bar, inside), 1) << "the text is drawn";
    for (int x : {inside.left(), inside.right()})
        EXPECT_EQ(ColourCount(bar, QRect(x, inside.top(), 1, inside.height())), 1) << "ink at the panel's edge " << x;

    Page()->SetCaretXY(TBufferCoord{1, 1});
    form->ActionList1Update();
    EXPECT_EQ(places(), start);
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

TEST_F(MainWindowTest, EveryCommandHasItsKey)
{
    for (const auto& [name, key] : Keys) {
        const QAction* action = form->Action(name);
        ASSERT_NE(action, nullptr) << name;
        const QString shownKey =
            action->shortcut().isEmpty() ? action->text().section('\t', 1) : action->shortcut().toString();
        EXPECT_EQ(shownKey.toStdString(), key) << name;
    }
}

TEST_F(MainWindowTest, MenusListTheirEntriesInOrder)
{
    const QList<QAction*> menus = form->menuBar()->actions();
    std::vector<std::string> titles;
    for (const QAction* menu : menus) titles.push_back(menu->text().toStdString());
    EXPECT_EQ(titles, (std::vector<std::string>{"&File", "&Edit", "&Project", "&Debug", "&Help"}));
    EXPECT_EQ(Entries(*menus[3]->menu()),
              (std::vector<std::string>{"Breakpoint", "-", "Run\tF9", "Stop\tF8", "Step Into", "Step Over\tF8", "Reset", "-",
                                        "Show Debug Window", "Messages", "-", "Exit Debugger"}));
    EXPECT_EQ(Entries(*form->TabMenu),
              (std::vector<std::string>{"Open Class at Cursor", "-", "Cu&t", "&Copy", "&Paste", "Undo", "-",
                                        "Compile\tF9", "Debug", "Program", "-", "Show Code Templates", "-",
                                        "Make Project", "Select Project", "Project Options...", "-", "Close"}));
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

// Typing enables Save and shows Modified without an explicit update.
TEST_F(MainWindowTest, TheActionsFollowTheEventsWithoutBeingAsked)
{
    Page()->SetSelText("int x;");
    EXPECT_TRUE(WaitUntil([&] { return form->PanelText(1) == "Modified"; }, 2s, "\"Modified\" in panel 1"));
    EXPECT_TRUE(form->Action("SaveFile")->isEnabled());
    EXPECT_TRUE(form->Action("SaveAll")->isEnabled());
    EXPECT_EQ(form->PanelText(2), "");
    EXPECT_EQ(form->PanelText(0), "7 : 1");
    EXPECT_TRUE(form->SomePageModified());
}

TEST_F(MainWindowTest, SaveDesktopWritesTheTwelveWindowValues)
{
    form->setGeometry(40, 50, 720, 600);
    form->ShowDebuggerExecute();
    form->PlaceDataWindow({30, 40, 300, 200});
    form->SaveDesktopExecute();
    const std::pair<const char*, QRect> windows[] = {{"Main", form->frameGeometry()},
                                                     {"Debug", form->DataView()->frameGeometry()}};
    for (const auto& [window, frame] : windows) {
        const std::string name = window;
        EXPECT_EQ(settings->Stored(name + "Left"), std::to_string(frame.left()));
        EXPECT_EQ(settings->Stored(name + "Top"), std::to_string(frame.top()));
        EXPECT_EQ(settings->Stored(name + "Width"), std::to_string(frame.width()));
        EXPECT_EQ(settings->Stored(name + "Height"), std::to_string(frame.height()));
    }
    for (const char* name : {"MessageLeft", "MessageTop", "MessageWidth", "MessageHeight"})
        EXPECT_NE(settings->Stored(name), "") << name;
}

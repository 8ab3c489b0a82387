// The terminal window and the identify window with the main window, end to
// end: the example Echo programmed into the module simulator on COM3.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTreeWidget>
#include <fstream>

#include "foundation/Options.h"
#include "ide/EditorForm.h"
#include "ide/dialogs/IdentifyForm.h"
#include "ide/terminal/MessageForm.h"
#include "tests/ide/BuildSettings.h"
#include "tests/ide/FakeDialogs.h"
#include "tests/ide/EventOrder.h"
#include "tests/ide/IdeProcess.h"
#include "tests/ide/ModuleWindowFixture.h"
#include "tests/ide/TestApp.h"
#include "tests/support/JavaCompile.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/TempDir.h"
#include "tests/support/gui/WaitUntil.h"
#include "tests/terminal/TerminalTestSupport.h"

using namespace std::chrono_literals;

namespace {

class TerminalRoad : public ModuleWindowFixture {
protected:
    void SetUp() override
    {
        ModuleWindowFixture::SetUp();
        auto terminalDialogs = std::make_unique<ScriptedDialogs>();
        terminalBoxes = terminalDialogs.get();
        form->MessageForm().SetDialogs(std::move(terminalDialogs));
        form->show();
    }
    ::testing::AssertionResult TerminalShows(const std::string& text)
    {
        return WaitUntil([&] { return form->TerminalText().find(text) != std::string::npos; }, 20s,
                         "the terminal to show " + text);
    }

    ScriptedDialogs* terminalBoxes = nullptr;
};

}  // namespace

TEST_F(TerminalRoad, EchoAnswersKeysAFileAndEndsOnQ)
{
    ModuleSimulator module(world, 3);
    ASSERT_TRUE(module.Ready());
    const std::string source = CopyExample("Echo.java");
    form->OpenSourceFile(source);
    form->ProgramExecute();
    ASSERT_TRUE(WaitUntil([&] { return form->Worker == nullptr; }, 60s, "the link worker to end"));
    ASSERT_NE(form->JVM(), nullptr) << ::testing::PrintToString(Lines());
    TMessageForm& terminal = form->MessageForm();
    ASSERT_TRUE(TerminalShows("Type something, q to quit.\r\n"));
    EXPECT_TRUE(terminal.isVisible());

    const std::string log = work.Path() + "/received.log";
    const std::string input = work.Path() + "/input.txt";
    std::ofstream(input, std::ios::binary) << "xyz";
    terminalBoxes->answers = {log, input};
    terminal.ToolButton6->trigger();
    ASSERT_EQ(terminal.ToolButton6->text(), "Stop Log");

    // One key at a time, as typed: see the note on the first key's no-input byte.
    QTest::keyClicks(terminal.Edit1, "a");
    ASSERT_TRUE(TerminalShows("Type something, q to quit.\r\na"));
    QTest::keyClicks(terminal.Edit1, "b");
    ASSERT_TRUE(TerminalShows("Type something, q to quit.\r\nab"));

    terminal.ToolButton7->trigger();
    ASSERT_TRUE(WaitUntil([&] { return !terminal.Sending(); }, 20s, "the end of the send file"));
    EXPECT_TRUE(terminal.Edit1->isEnabled());
    // The module took the keys and the file's bytes in order, then no-input
    // bytes (the pair at the file's end is checked without the module).
    const std::vector<std::string> answers{
        "\"event\":\"input\",\"values\":[97]", "\"event\":\"input\",\"values\":[98]",
        "\"event\":\"input\",\"values\":[120]", "\"event\":\"input\",\"values\":[121]",
        "\"event\":\"input\",\"values\":[122]", "\"name\":\"no-input\"", "\"name\":\"no-input\""};
    EXPECT_TRUE(WaitUntil(
        [&] {
            module.HasEvent("\n");
            return bool(InOrder(module.Events(), answers));
        },
        10s, "the file's bytes and two no-input bytes at the module"))
        << InOrder(module.Events(), answers).message();
    ASSERT_TRUE(TerminalShows("abxyz"));

    QTest::keyClicks(terminal.Edit1, "q");
    ASSERT_TRUE(TerminalShows("Bye.\r\n"));
    terminal.ToolButton6->trigger();
    // The log holds what came after it started, line feeds as CR LF.
    const std::string greeting = "Type something, q to quit.\r\n";
    std::string shown = form->TerminalText();
    ASSERT_EQ(shown.rfind(greeting, 0), 0u) << shown;
    shown = shown.substr(greeting.size(), shown.size() - greeting.size() - 2);
    EXPECT_EQ(TempDir::ReadFile(log), shown);
    EXPECT_EQ(shown, "abxyzBye.\r\n");
    EXPECT_TRUE(terminalBoxes->boxes.empty()) << ::testing::PrintToString(terminalBoxes->boxes);
}

TEST_F(TerminalRoad, ShowMessageShowsTheTerminalWindow)
{
    EXPECT_FALSE(form->MessageForm().isVisible());
    EXPECT_EQ(form->MessageForm().geometry(), QRect(210, 417, 421, 277));
    form->ShowMessageExecute();
    EXPECT_TRUE(form->MessageForm().isVisible());
    EXPECT_EQ(form->MessageForm().windowTitle(), "Corvane Terminal");
}

TEST_F(TerminalRoad, IdentifyShowsEachPortsAnswers)
{
    ModuleSimulator module(world, 3);
    ModuleSimulator off(world, 4);
    ASSERT_TRUE(module.Ready() && off.Ready());
    off.Command("power off");
    ASSERT_TRUE(off.WaitForEvent("power"));
    GlobalOptions.NumValidPorts = 2;
    GlobalOptions.ValidPort[0] = 3;
    GlobalOptions.ValidPort[1] = 4;
    std::vector<std::string> rows;
    QString status;
    dialogs->modal = [&](QDialog& dialog) {
        auto& identify = static_cast<TIdentifyForm&>(dialog);
        identify.show();
        EXPECT_TRUE(WaitUntil([&] { return identify.PortList->topLevelItemCount() == 2; }, 30s, "two identify rows"));
        for (int i = 0; i < identify.PortList->topLevelItemCount(); ++i) {
            QStringList cells;
            for (int c = 0; c < 6; ++c) cells << identify.PortList->topLevelItem(i)->text(c);
            rows.push_back(cells.join(", ").toStdString());
        }
        status = identify.StatusLabel->text();
        return true;
    };
    form->IdentifyExecute();
    EXPECT_EQ(rows, (std::vector<std::string>{"COM3, Corvane, $51, Yes, Yes, Yes", "COM4, , , Yes, No, No"}));
    EXPECT_EQ(status, "Port Status:");
    EXPECT_TRUE(WaitUntil(
        [&] {
            for (const std::string& line : Lines())
                if (line.find("IDE-0056") != std::string::npos && line.find("COM4") != std::string::npos) return true;
            return false;
        },
        5s, "the IDE-56 line for COM4"))
        << ::testing::PrintToString(Lines());
}

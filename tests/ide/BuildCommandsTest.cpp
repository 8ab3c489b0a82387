// The build commands in the window, end to end: compiler adapter, linker and
// the module simulator on COM3 over a pseudo-terminal.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "devicelink/SXComm.h"
#include "foundation/EError.h"
#include "foundation/Messages.h"
#include "ide/EditorForm.h"
#include "ide/ErrorWindow.h"
#include "ide/ProgressForm.h"
#include "ide/SplashForm.h"
#include "ide/ZARNSource.h"
#include "ide/pipeline/LinkThread.h"
#include "linker/ORULinker.h"
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

using namespace std::chrono_literals;

namespace {

class BuildCommands : public ModuleWindowFixture {
protected:
    void SetUp() override
    {
        ModuleWindowFixture::SetUp();
        form->show();
        QObject::connect(form->ProgressForm().ProgressText, &QLineEdit::textChanged,
                         [this](const QString& text) { progressTexts.push_back(text.toStdString()); });
    }

    // A copy of the example, open in the window.
    CZARNSource& OpenHello()
    {
        form->OpenSourceFile(CopyExample("Hello.java"));
        return *form->CurrentEditor();
    }
    CZARNSource& OpenSource(const std::string& name, const std::string& text)
    {
        form->OpenSourceFile(WriteSource(work.Path(), name, text));
        return *form->CurrentEditor();
    }
    // Puts `text` at the start of the greeting on line 4, behind its quote
    // (the page takes no key presses yet: the edit goes in at the caret).
    void TypeIntoGreeting(CZARNSource& page, const std::string& text)
    {
        page.SetCaretXY(BufferCoord(29, 4));
        page.SetSelText(text);
        page.SetModified(true);
    }
    bool HasLine(const std::string& fragment) const
    {
        for (const std::string& line : Lines())
            if (line.find(fragment) != std::string::npos) return true;
        return false;
    }
    void DoubleClickFirstLine()
    {
        form->StatusList->setCurrentRow(0);
        form->StatusListDblClick();
    }
    // Opens the example and programs it; true once a link to it stays.
    ::testing::AssertionResult ProgramHello()
    {
        OpenHello();
        form->ProgramExecute();
        if (::testing::AssertionResult ended = WorkerEnded(); !ended) return ended;
        if (!form->JVM()) return ::testing::AssertionFailure() << "no link: " << ::testing::PrintToString(Lines());
        return ::testing::AssertionSuccess();
    }
    ::testing::AssertionResult DownloadStarted()
    {
        return WaitUntil([&] { return form->ProgressForm().ProgressText->text() == "Downloading Program"; }, 60s,
                         "the download to start");
    }
    ::testing::AssertionResult WorkerEnded(std::chrono::milliseconds deadline = 60s)
    {
        return WaitUntil([&] { return form->Worker == nullptr; }, deadline, "the link worker to end");
    }
    ::testing::AssertionResult ModuleSays(ModuleSimulator& module, const std::string& text,
                                          std::chrono::milliseconds deadline = 20s)
    {
        return WaitUntil([&] { return module.HasEvent(text); }, deadline, "the module's event " + text);
    }

    std::vector<std::string> progressTexts;
};

TEST_F(BuildCommands, ProgramDownloadsTheEditedSourceAndItRuns)
{
    ModuleSimulator module(world, 3);
    ASSERT_TRUE(module.Ready());
    CZARNSource& page = OpenHello();
    TypeIntoGreeting(page, "Edited: ");
    ASSERT_EQ(page.Lines().Get(3), "        System.out.println(\"Edited: Hello, world!\");");
    form->ProgramExecute();
    EXPECT_EQ(form->PanelText(3), "Compile Successful");
    ASSERT_NE(form->Worker, nullptr) << ::testing::PrintToString(Lines());
    ASSERT_TRUE(WorkerEnded());
    ASSERT_TRUE(WaitUntil([&] { return form->TerminalText().find("Edited: Hello, world!") != std::string::npos; },
                          20s, "the new greeting on the terminal"))
        << form->TerminalText() << ::testing::PrintToString(Lines());
    EXPECT_EQ(progressTexts, (std::vector<std::string>{"Linking Program", "Resetting Corvane", "Downloading Program",
                                                       "Resetting Corvane"}));
    EXPECT_FALSE(form->ProgressForm().isVisible());
    EXPECT_TRUE(Lines().empty()) << ::testing::PrintToString(Lines());
    EXPECT_NE(form->JVM(), nullptr);
    EXPECT_NE(form->Linker(), nullptr);
    EXPECT_TRUE(form->DebugPort.HasReceiveHandler());
    // The first block carries the run flag 0xA4; the reset goes without a
    // sync; the no-input byte comes after the program's start.
    ASSERT_TRUE(ModuleSays(module, "\"command\",\"name\":\"no-input\""));
    EXPECT_TRUE(InOrder(module.Events(), {"\"event\":\"rx\",\"bytes\":\"0b 01 a4 ", "\"download\",\"values\":[0,1]",
                                          "\"boot\",\"name\":\"run\",\"values\":[0,", "Edited: Hello, world!",
                                          "\"command\",\"name\":\"no-input\""}));
}

TEST_F(BuildCommands, CancelDuringTheDownloadLeavesNoLinkAndSendsNothingMore)
{
    ModuleSimulator module(world, 3, {"--paced"});
    ASSERT_TRUE(module.Ready());
    OpenHello();
    form->ProgramExecute();
    ASSERT_TRUE(DownloadStarted());
    QTest::mouseClick(form->ProgressForm().Cancel, Qt::LeftButton);
    ASSERT_TRUE(WorkerEnded());
    EXPECT_TRUE(HasLine("[ Error IDE-0045] Action terminated by user.")) << ::testing::PrintToString(Lines());
    EXPECT_EQ(form->JVM(), nullptr);
    EXPECT_EQ(form->Linker(), nullptr);
    EXPECT_FALSE(form->ProgressForm().isVisible());
    EXPECT_TRUE(form->DebugPort.HasReceiveHandler());
    // Everything the IDE wrote was on the line before the worker ended; a
    // message asked for now is logged after it.
    module.Command("text probe");
    ASSERT_TRUE(ModuleSays(module, "\"text\":\"probe\""));
    EXPECT_FALSE(module.HasEvent("\"no-input\"")) << module.Events();
}

TEST_F(BuildCommands, ACompileErrorStartsNoWorkerAndKeepsTheOldLink)
{
    ModuleSimulator module(world, 3);
    ASSERT_TRUE(module.Ready());
    ASSERT_TRUE(ProgramHello());
    CZARNSource& page = *form->CurrentEditor();
    TSXComm* link = form->JVM();
    CORULinker* linker = form->Linker();

    TypeIntoGreeting(page, "\"");
    form->ProgramExecute();
    EXPECT_EQ(form->Worker, nullptr);
    EXPECT_EQ(form->PanelText(3), "");
    ASSERT_FALSE(Lines().empty());
    EXPECT_EQ(Lines()[0].rfind("[Java Error] Hello.java(4): ", 0), 0u) << Lines()[0];
    EXPECT_EQ(form->JVM(), link);
    EXPECT_EQ(form->Linker(), linker);

    // A double click on the diagnostic selects its range in the page.
    DoubleClickFirstLine();
    EXPECT_EQ(page.CaretXY().Line, 4);
    EXPECT_FALSE(page.SelText().empty());
}

TEST_F(BuildCommands, ProgramTwiceInQuickSuccessionEndsBothWorkers)
{
    ModuleSimulator module(world, 3);
    ASSERT_TRUE(module.Ready());
    OpenHello();
    form->ProgramExecute();
    form->ProgramExecute();
    ASSERT_TRUE(WorkerEnded());
    EXPECT_NE(form->JVM(), nullptr) << ::testing::PrintToString(Lines());
    EXPECT_TRUE(ModuleSays(module, "Hello, world!"));
}

TEST_F(BuildCommands, MessagesConnectsToARunningProgramAndShowsItsText)
{
    ModuleSimulator module(world, 3);
    ASSERT_TRUE(module.Ready());
    OpenHello();
    form->VirtualProgramExecute();
    ASSERT_TRUE(WorkerEnded());
    ASSERT_NE(form->JVM(), nullptr) << ::testing::PrintToString(Lines());
    EXPECT_EQ(form->Linker(), nullptr);
    module.Command("text from the module");
    EXPECT_TRUE(WaitUntil([&] { return form->TerminalText().find("from the module") != std::string::npos; }, 20s,
                          "the module's text on the terminal"));
}

TEST_F(BuildCommands, TestConnectionFindsTheModuleAndKeepsNoLink)
{
    {
        ModuleSimulator module(world, 3);
        ASSERT_TRUE(module.Ready());
        OpenHello();
        form->TestConExecute();
        ASSERT_EQ(dialogs->BoxTexts(), std::vector<std::string>{"Corvane found on COM3."})
            << ::testing::PrintToString(Lines());
        EXPECT_EQ(form->JVM(), nullptr);
    }
    dialogs->boxes.clear();
    SetDebugPort(0);
    form->TestConExecute();
    EXPECT_EQ(dialogs->BoxTexts(), std::vector<std::string>{"Corvane not found on any port."});
    EXPECT_TRUE(HasLine("IDE-0054")) << ::testing::PrintToString(Lines());
    EXPECT_EQ(form->JVM(), nullptr);
}

TEST_F(BuildCommands, TestConnectionWaitsForARunningWorker)
{
    ModuleSimulator module(world, 3, {"--paced"});
    ASSERT_TRUE(module.Ready());
    OpenHello();
    form->ProgramExecute();
    ASSERT_TRUE(DownloadStarted());
    dialogs->boxAnswers = {TBoxAnswer::Yes};
    form->TestConExecute();
    EXPECT_EQ(form->Worker, nullptr);
    EXPECT_EQ(dialogs->BoxTexts(), (std::vector<std::string>{"A debug session is in progress. Abort debugging?",
                                                             "Corvane found on COM3."}));
    EXPECT_FALSE(HasLine("IDE-0045")) << ::testing::PrintToString(Lines());
    EXPECT_EQ(form->JVM(), nullptr);
}

TEST_F(BuildCommands, IdentifyDuringADownloadWaitsThenAsksAndNoKeepsTheLink)
{
    ModuleSimulator module(world, 3, {"--paced"});
    ASSERT_TRUE(module.Ready());
    OpenHello();
    form->ProgramExecute();
    ASSERT_TRUE(DownloadStarted());
    dialogs->boxAnswers = {TBoxAnswer::No};
    bool identifyShown = false;
    dialogs->modal = [&](QDialog&) { return identifyShown = true; };
    form->IdentifyExecute();
    EXPECT_EQ(form->Worker, nullptr);
    EXPECT_EQ(dialogs->BoxTexts(), std::vector<std::string>{"A debug session is in progress. Abort debugging?"});
    EXPECT_FALSE(identifyShown);
    EXPECT_NE(form->JVM(), nullptr);
    EXPECT_TRUE(form->DebugPort.Connected());
}

TEST_F(BuildCommands, TheResetButtonRestartsTheProgramOnlyWithALink)
{
    OpenHello();
    form->ToolButton1Click();  // no link: nothing
    EXPECT_EQ(form->JVM(), nullptr);

    ModuleSimulator module(world, 3);
    ASSERT_TRUE(module.Ready());
    ASSERT_TRUE(ProgramHello());
    ASSERT_TRUE(ModuleSays(module, "\"command\",\"name\":\"no-input\""));
    module.ClearEvents();
    form->ToolButton1Click();
    EXPECT_TRUE(ModuleSays(module, "\"boot\",\"name\":\"run\""));
    EXPECT_TRUE(WaitUntil([&] { return form->TerminalText().find("Hello, world!\r\nHello, world!") != std::string::npos; },
                          20s, "the greeting a second time"))
        << form->TerminalText();
}

TEST_F(BuildCommands, AboutShowsTheBoxWithThisVersion)
{
    std::string version;
    bool pictured = false;
    dialogs->modal = [&](QDialog& dialog) {
        auto& box = dynamic_cast<TSplashForm&>(dialog);
        version = box.Version->text().toStdString();
        pictured = !box.Image1->pixmap().isNull();
        return true;
    };
    form->About1Click();
    EXPECT_EQ(version, "Version: " + ProgramVersion() + " for Torve version $5x");
    EXPECT_TRUE(pictured);
}

TEST_F(BuildCommands, DoubleClickOnAnErrorLineShowsItsTexts)
{
    EError(ecIDE, 45).Report();
    ASSERT_TRUE(WaitUntil([&] { return form->StatusList->count() == 1; }, 2s, "the error line"));
    std::vector<std::string> shown;
    dialogs->modal = [&](QDialog& dialog) {
        auto& window = dynamic_cast<TErrorWindow&>(dialog);
        shown = {window.ShortMessage->toPlainText().toStdString(), window.ProblemMessage->toPlainText().toStdString(),
                 window.SolutionMessage->toPlainText().toStdString()};
        return true;
    };
    DoubleClickFirstLine();
    EXPECT_EQ(shown, (std::vector<std::string>{"Action terminated by user.", "The user terminated the current action.",
                                               ""}));
}

TEST_F(BuildCommands, ADiagnosticOfAFileThatCannotBeOpenedLeavesThePageAlone)
{
    CZARNSource& page = OpenHello();
    page.SetCaretXY(BufferCoord(1, 2));
    MessagePrintfObject(std::make_unique<TLinInfo>(work.File("Gone.java"), 4, 9, 4, 14), "%s", "gone");
    ASSERT_TRUE(WaitUntil([&] { return form->StatusList->count() == 1; }, 2s, "the diagnostic line"));
    DoubleClickFirstLine();
    EXPECT_EQ(dialogs->BoxTexts(), std::vector<std::string>{"File not found: `" + work.File("Gone.java") + "'"});
    EXPECT_EQ(form->CurrentEditor(), &page);
    EXPECT_EQ(page.CaretXY().Line, 2);
    EXPECT_TRUE(page.SelText().empty());
}

TEST_F(BuildCommands, LinkAsksBeforeItEndsASessionAndKeepsItOnNo)
{
    ModuleSimulator module(world, 3);
    ASSERT_TRUE(module.Ready());
    ASSERT_TRUE(ProgramHello());
    TSXComm* link = form->JVM();
    CORULinker* linker = form->Linker();

    dialogs->boxAnswers = {TBoxAnswer::No};
    form->Link1Click();
    EXPECT_EQ(dialogs->BoxTexts(), std::vector<std::string>{"A debug session is in progress. Abort debugging?"});
    EXPECT_EQ(form->JVM(), link);
    EXPECT_EQ(form->Linker(), linker);

    dialogs->boxAnswers = {TBoxAnswer::Yes};
    form->Link1Click();
    EXPECT_EQ(form->JVM(), nullptr);
    EXPECT_NE(form->Linker(), nullptr);
    EXPECT_EQ(form->PanelText(3), "Compile Successful");
}

TEST_F(BuildCommands, ClosingTheWindowCancelsTheWorkerFirst)
{
    ModuleSimulator module(world, 3, {"--paced"});
    ASSERT_TRUE(module.Ready());
    OpenHello();
    form->ProgramExecute();
    ASSERT_TRUE(DownloadStarted());
    form->close();
    EXPECT_EQ(form->Worker, nullptr);
    EXPECT_EQ(form->JVM(), nullptr);
    EXPECT_TRUE(HasLine("[ Error IDE-0045] Action terminated by user.")) << ::testing::PrintToString(Lines());
}

}  // namespace

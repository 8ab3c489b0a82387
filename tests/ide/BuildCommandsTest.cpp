// The build commands in the window where the acceptance suite does not go:
// cancel, close, waits for a running download, Link, Messages, Reset, Test
// Connection and Identify, against the module simulator on COM3.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QKeySequence>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <optional>

#include "devicelink/SXComm.h"
#include "foundation/EError.h"
#include "foundation/Messages.h"
#include "ide/ErrorWindow.h"
#include "ide/ProgressForm.h"
#include "ide/ZARNSource.h"
#include "ide/dialogs/IdentifyForm.h"
#include "ide/pipeline/LinkThread.h"
#include "linker/ORULinker.h"
#include "ide/ZARNTabControl.h"
#include "tests/ide/ModuleWindowFixture.h"
#include "tests/support/gui/ScreenProbe.h"
#include "tests/support/gui/WaitUntil.h"

using namespace std::chrono_literals;

namespace {

const std::string AbortQuestion = "A debug session is in progress. Abort debugging?";
const std::string TerminatedLine = "[ Error IDE-0045] Action terminated by user.";

class BuildCommands : public ModuleWindowFixture {
protected:
    void SetUp() override
    {
        ModuleWindowFixture::SetUp();
        form->show();
    }

    // The simulator on COM3; paced, a download takes seconds.
    ::testing::AssertionResult StartModule(bool paced = false)
    {
        module.emplace(world, 3, paced ? std::vector<std::string>{"--paced"} : std::vector<std::string>{});
        if (module->Ready()) return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "the simulator did not start";
    }
    CZARNSource& OpenHello()
    {
        form->OpenSourceFile(CopyExample("Hello.java"));
        return *form->CurrentEditor();
    }
    bool HasLine(const std::string& fragment) const
    {
        for (const std::string& line : Lines())
            if (line.find(fragment) != std::string::npos) return true;
        return false;
    }
    // A double click with the mouse on the first message line.
    ::testing::AssertionResult DoubleClickFirstLine()
    {
        QListWidget& list = *form->StatusList;
        if (list.count() == 0) return ::testing::AssertionFailure() << "no message line";
        const QPoint centre = list.visualItemRect(list.item(0)).center();
        if (!list.viewport()->rect().contains(centre)) return ::testing::AssertionFailure() << "line 0 not in view";
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, centre);
        return ::testing::AssertionSuccess();
    }
    ::testing::AssertionResult WorkerEnded()
    {
        return WaitUntil([&] { return form->Worker == nullptr; }, 60s, "the link worker to end");
    }
    // Programs Hello; true once a link to it stays.
    ::testing::AssertionResult ProgramHello()
    {
        OpenHello();
        form->ProgramExecute();
        if (::testing::AssertionResult ended = WorkerEnded(); !ended) return ended;
        if (!form->JVM()) return ::testing::AssertionFailure() << "no link: " << ::testing::PrintToString(Lines());
        return ::testing::AssertionSuccess();
    }
    // Programs Hello on a paced module; true while its download runs.
    ::testing::AssertionResult DownloadRunning()
    {
        if (::testing::AssertionResult started = StartModule(true); !started) return started;
        OpenHello();
        form->ProgramExecute();
        return WaitUntil([&] { return form->ProgressForm().ProgressText->text() == "Downloading Program"; }, 60s,
                         "the download to start");
    }
    ::testing::AssertionResult ModuleSays(const std::string& text)
    {
        return WaitUntil([&] { return module->HasEvent(text); }, 20s, "the module's event " + text);
    }
    ::testing::AssertionResult TerminalShows(const std::string& text)
    {
        return WaitUntil([&] { return form->TerminalText().find(text) != std::string::npos; }, 20s,
                         "the terminal to show " + text);
    }

    std::optional<ModuleSimulator> module;
};

TEST_F(BuildCommands, CancelDuringTheDownloadLeavesNoLinkAndSendsNothingMore)
{
    ASSERT_TRUE(DownloadRunning());
    QTest::mouseClick(form->ProgressForm().Cancel, Qt::LeftButton);
    ASSERT_TRUE(WorkerEnded());
    EXPECT_TRUE(HasLine(TerminatedLine)) << ::testing::PrintToString(Lines());
    EXPECT_EQ(form->JVM(), nullptr);
    EXPECT_EQ(form->Linker(), nullptr);
    EXPECT_FALSE(form->ProgressForm().isVisible());
    EXPECT_TRUE(form->DebugPort.HasReceiveHandler());
    // Everything the IDE wrote was on the line before the worker ended; a
    // message asked for now is logged after it.
    module->Command("text probe");
    ASSERT_TRUE(ModuleSays("\"text\":\"probe\""));
    EXPECT_FALSE(module->HasEvent("\"no-input\"")) << module->Events();
}

TEST_F(BuildCommands, ClosingTheWindowCancelsTheWorkerFirst)
{
    ASSERT_TRUE(DownloadRunning());
    form->close();
    EXPECT_EQ(form->Worker, nullptr);
    EXPECT_EQ(form->JVM(), nullptr);
    EXPECT_TRUE(HasLine(TerminatedLine)) << ::testing::PrintToString(Lines());
}

TEST_F(BuildCommands, TestConnectionWaitsForARunningWorker)
{
    ASSERT_TRUE(DownloadRunning());
    dialogs->boxAnswers = {TBoxAnswer::Yes};
    form->TestConExecute();
    EXPECT_EQ(form->Worker, nullptr);
    EXPECT_EQ(dialogs->BoxTexts(), (std::vector<std::string>{AbortQuestion, "Corvane found on COM3."}));
    EXPECT_FALSE(HasLine("IDE-0045")) << ::testing::PrintToString(Lines());
    EXPECT_EQ(form->JVM(), nullptr);
}

TEST_F(BuildCommands, IdentifyDuringADownloadWaitsThenAsksAndNoKeepsTheLink)
{
    ASSERT_TRUE(DownloadRunning());
    dialogs->boxAnswers = {TBoxAnswer::No};
    bool identifyShown = false;
    dialogs->modal = [&](QDialog&) { return identifyShown = true; };
    form->IdentifyExecute();
    EXPECT_EQ(form->Worker, nullptr);
    EXPECT_EQ(dialogs->BoxTexts(), std::vector<std::string>{AbortQuestion});
    EXPECT_FALSE(identifyShown);
    EXPECT_NE(form->JVM(), nullptr);
    EXPECT_TRUE(form->DebugPort.Connected());
}

TEST_F(BuildCommands, ACompileErrorStartsNoWorkerAndKeepsTheOldLink)
{
    ASSERT_TRUE(StartModule());
    ASSERT_TRUE(ProgramHello());
    TSXComm* link = form->JVM();
    CORULinker* linker = form->Linker();
    CZARNSource& page = *form->CurrentEditor();
    page.SetCaretXY(BufferCoord(29, 4));  // behind the greeting's quote
    page.SetSelText("\"");
    form->ProgramExecute();
    EXPECT_EQ(form->Worker, nullptr);
    EXPECT_EQ(form->PanelText(3), "");
    ASSERT_FALSE(Lines().empty());
    EXPECT_EQ(Lines()[0].rfind("[Java Error] Hello.java(4): ", 0), 0u) << Lines()[0];
    EXPECT_EQ(form->JVM(), link);
    EXPECT_EQ(form->Linker(), linker);
}

TEST_F(BuildCommands, ProgramTwiceInQuickSuccessionEndsBothWorkers)
{
    ASSERT_TRUE(StartModule());
    OpenHello();
    form->ProgramExecute();
    form->ProgramExecute();
    ASSERT_TRUE(WorkerEnded());
    EXPECT_NE(form->JVM(), nullptr) << ::testing::PrintToString(Lines());
    EXPECT_TRUE(ModuleSays("Hello, world!"));
}

TEST_F(BuildCommands, MessagesConnectsToARunningProgramAndShowsItsText)
{
    ASSERT_TRUE(StartModule());
    OpenHello();
    form->VirtualProgramExecute();
    ASSERT_TRUE(WorkerEnded());
    ASSERT_NE(form->JVM(), nullptr) << ::testing::PrintToString(Lines());
    EXPECT_EQ(form->Linker(), nullptr);
    module->Command("text from the module");
    EXPECT_TRUE(TerminalShows("from the module"));
}

TEST_F(BuildCommands, TheResetButtonRestartsTheProgramOnlyWithALink)
{
    OpenHello();
    form->ToolButton1Click();  // no link: nothing
    EXPECT_EQ(form->JVM(), nullptr);

    ASSERT_TRUE(StartModule());
    ASSERT_TRUE(ProgramHello());
    ASSERT_TRUE(TerminalShows("Hello, world!"));
    form->ToolButton1Click();
    EXPECT_TRUE(TerminalShows("Hello, world!\r\nHello, world!")) << form->TerminalText();
}

TEST_F(BuildCommands, LinkAsksBeforeItEndsASessionAndKeepsItOnNo)
{
    ASSERT_TRUE(StartModule());
    ASSERT_TRUE(ProgramHello());
    TSXComm* link = form->JVM();
    CORULinker* linker = form->Linker();

    dialogs->boxAnswers = {TBoxAnswer::No};
    form->Link1Click();
    EXPECT_EQ(dialogs->BoxTexts(), std::vector<std::string>{AbortQuestion});
    EXPECT_EQ(form->JVM(), link);
    EXPECT_EQ(form->Linker(), linker);

    dialogs->boxAnswers = {TBoxAnswer::Yes};
    form->Link1Click();
    EXPECT_EQ(form->JVM(), nullptr);
    EXPECT_NE(form->Linker(), nullptr);
    EXPECT_EQ(form->PanelText(3), "Compile Successful");
}

TEST_F(BuildCommands, TestConnectionAndIdentifyFindTheModuleAndKeepNoLink)
{
    ASSERT_TRUE(StartModule());
    OpenHello();
    form->TestConExecute();
    ASSERT_EQ(dialogs->BoxTexts(), std::vector<std::string>{"Corvane found on COM3."})
        << ::testing::PrintToString(Lines());
    EXPECT_EQ(form->JVM(), nullptr);
    bool identifyShown = false;
    dialogs->modal = [&](QDialog& dialog) { return identifyShown = dynamic_cast<TIdentifyForm*>(&dialog); };
    form->IdentifyExecute();
    EXPECT_TRUE(identifyShown);

    module.reset();
    dialogs->boxes.clear();
    SetDebugPort(0);
    form->TestConExecute();
    EXPECT_EQ(dialogs->BoxTexts(), std::vector<std::string>{"Corvane not found on any port."});
    EXPECT_TRUE(HasLine("IDE-0054")) << ::testing::PrintToString(Lines());
    EXPECT_EQ(form->JVM(), nullptr);
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
    ASSERT_TRUE(DoubleClickFirstLine());
    EXPECT_EQ(shown, (std::vector<std::string>{"Action terminated by user.", "The user terminated the current action.",
                                               ""}));
}

TEST_F(BuildCommands, ADiagnosticOfAFileThatCannotBeOpenedLeavesThePageAlone)
{
    CZARNSource& page = OpenHello();
    page.SetCaretXY(BufferCoord(1, 2));
    MessagePrintfObject(std::make_unique<TLinInfo>(work.File("Gone.java"), 4, 9, 4, 14), "%s", "gone");
    ASSERT_TRUE(WaitUntil([&] { return form->StatusList->count() == 1; }, 2s, "the diagnostic line"));
    ASSERT_TRUE(DoubleClickFirstLine());
    EXPECT_EQ(dialogs->BoxTexts(), std::vector<std::string>{"File not found: `" + work.File("Gone.java") + "'"});
    EXPECT_EQ(form->CurrentEditor(), &page);
    EXPECT_EQ(page.CaretXY().Line, 2);
    EXPECT_TRUE(page.SelText().empty());
}

// A file in a folder with a non-ASCII name, compiled with and without a
// locale: its line names it as written and quotes the source (Windows-1252)
// right, and a double click on the line opens it with the error selected.
TEST_F(BuildCommands, AnErrorInANonAsciiFolderOpensTheFileAtTheError)
{
    const std::string source =
        WriteSource(work.Path(), "Grüße dir/Wörter.java",
                    "public class W\xf6rter {\n    static int f() {\n        return gr\xfcn;\n    }\n}\n");
    CZARNSource& hello = OpenHello();
    for (const std::optional<std::string>& locale : {std::optional<std::string>(), std::optional<std::string>("C.UTF-8")}) {
        SCOPED_TRACE(locale.value_or("no locale"));
        ScopedEnv all("LC_ALL", locale), lang("LANG", locale), type("LC_CTYPE", std::nullopt);
        form->OpenSourceFile(source);
        form->CompileFileExecute();
        ASSERT_EQ(Lines(), std::vector<std::string>{
                               "[Java Error] Wörter.java(3): Error: grün cannot be resolved to a variable"});
        ASSERT_TRUE(form->CloseSourcePage(form->EditorTab->TabIndex()));
        ASSERT_EQ(form->CurrentEditor(), &hello);

        ASSERT_TRUE(DoubleClickFirstLine());
        EXPECT_EQ(dialogs->BoxTexts(), std::vector<std::string>{});
        CZARNSource* page = form->CurrentEditor();
        ASSERT_NE(page, &hello);
        EXPECT_EQ(page->FilePath(), source);
        EXPECT_EQ(page->CaretXY(), BufferCoord(16, 3));
        EXPECT_EQ(page->SelText(), "gr\xfcn");
        ASSERT_TRUE(form->CloseSourcePage(form->EditorTab->TabIndex()));
    }
}

// Hello is built while another page waits for its name and the Save As
// dialog is cancelled: one IDE-44 line, and the command ends before its
// compile (no class, no link, no worker for the download).
TEST_F(BuildCommands, ACancelledSaveBeforeTheCompileEndsTheCommand)
{
    const std::string hello = CopyExample("Hello.java");
    form->OpenSourceFile(hello);
    form->NewFileExecute();
    form->CurrentEditor()->SetSelText("// notes");
    form->OpenSourceFile(hello);
    for (const char* command : {"CompileFile", "Program", "SaveAll"}) {
        SCOPED_TRACE(command);
        dialogs->saveProposals.clear();
        form->ActionList1Update();
        ASSERT_TRUE(form->Action(command)->isEnabled());
        form->Action(command)->trigger();
        EXPECT_EQ(Lines(), std::vector<std::string>{"[ Error IDE-0044] File must be saved before compiling."});
        EXPECT_EQ(dialogs->saveProposals, std::vector<std::string>{"Untitled.java"});
        EXPECT_EQ(form->Worker, nullptr);
        EXPECT_EQ(form->Linker(), nullptr);
        EXPECT_FALSE(std::filesystem::exists(work.File("Hello.class")));
        form->ClearMessages();
    }
    // Given a name, the same compile goes on.
    dialogs->saveAnswers = {work.File("Notes.java")};
    form->CompileFileExecute();
    EXPECT_EQ(form->PanelText(3), "Compile Successful");
    EXPECT_EQ(TempDir::ReadFile(work.File("Notes.java")), "// notes");
    EXPECT_TRUE(std::filesystem::exists(work.File("Hello.class")));
}

// A class file that cannot be written (a folder in its place, which holds
// for root too) fails the compile: F9 lists it, and Ctrl+R then downloads
// nothing, not even the old class further along the class path.
TEST_F(BuildCommands, AClassFileThatCannotBeWrittenFailsTheCompileAndProgramDownloadsNothing)
{
    const std::string example = TempDir::ReadFile(SourceDir() + "/examples/Hello.java");
    TempDir old("corvane-old-class");
    ASSERT_TRUE(CompileJava({WriteSource(old.Path(), "Hello.java", example)}, old.Path(), ClassLibraryDir()).Ok());
    SetClassPath(old.Path() + ";" + ClassLibraryDir());
    std::string changed = example;
    changed.insert(changed.find("System.out"), "System.out.println(\"CHANGED\");\n        ");
    form->OpenSourceFile(WriteSource(work.Path(), "Hello.java", changed));
    TempDir::MakeDirs(work.File("Hello.class"));
    ASSERT_TRUE(StartModule());
    form->activateWindow();
    ASSERT_TRUE(WaitUntil([&] { return form->isActiveWindow(); }, 2s, "the window active"));

    const std::string unwritten = "[Java Error] Hello.java(1): Error: No .class file created for file Hello.class";
    for (const QKeyCombination key : {QKeyCombination(Qt::Key_F9), QKeyCombination(Qt::ControlModifier, Qt::Key_R)}) {
        SCOPED_TRACE(QKeySequence(key).toString().toStdString());
        QTest::keyClick(form.get(), key.key(), key.keyboardModifiers());
        ASSERT_TRUE(WorkerEnded());
        ASSERT_EQ(Lines().size(), 2u) << ::testing::PrintToString(Lines());  // one record, cut at a blank
        EXPECT_EQ(Lines()[0].rfind(unwritten, 0), 0u) << Lines()[0];
        EXPECT_TRUE(HasLine("Hello.class (Is a directory)")) << Lines()[1];
        EXPECT_EQ(form->PanelText(3), "");
    }
    EXPECT_EQ(form->JVM(), nullptr);
    GrabToPng(*form, "class-file-not-written");
    // The module logs in order: a download would stand before the probe.
    module->Command("text probe");
    ASSERT_TRUE(ModuleSays("\"text\":\"probe\""));
    EXPECT_FALSE(module->HasEvent("\"download\"")) << module->Events();
    EXPECT_TRUE(std::filesystem::is_directory(work.File("Hello.class")));
}

}  // namespace

// Open Class at Cursor, compiling an unnamed page and a debug session that
// another command would end.
#include <QAction>
#include <QTest>

#include "devicelink/SXComm.h"
#include "tests/ide/BuildSettings.h"
#include "platform/ProgramDir.h"
#include "tests/ide/mainwindow/MainWindowFixture.h"
#include "tests/support/gui/ScreenProbe.h"
#include "tests/support/gui/WaitUntil.h"

using namespace std::chrono_literals;

TEST_F(MainWindowTest, OpenClassFindsTheWordsSourceAlongTheClassPath)
{
    TempDir::MakeDirs(dir.File("lib/a/deep"));
    TempDir::MakeDirs(dir.File("lib/b"));
    TempDir::WriteFile(dir.File("lib/a/deep/Helper.java"), "deep");
    TempDir::WriteFile(dir.File("lib/b/helper.JAVA"), "later");
    SetClassPath(dir.File("missing") + ";" + dir.File("lib"));
    form->OpenSourceFile(Write("Main.java", "class Main { Helper h; }"));
    Page()->SetCaretXY(BufferCoord(15, 1));
    form->Action("OpenClass")->trigger();
    EXPECT_EQ(Tabs(), (std::vector<std::string>{"Main.java", "Helper.java"}));
    EXPECT_EQ(Page()->Text(), "deep");

    // A selection names the class; an open page of that name is selected.
    form->OpenSourceFile(dir.File("Main.java"));
    Page()->SetCaretAndSelection(BufferCoord(16, 1), BufferCoord(14, 1), BufferCoord(16, 1));
    ASSERT_EQ(Page()->SelText(), "He");
    form->OpenClassExecute();  // "He.java": nowhere
    EXPECT_EQ(form->PageCount(), 2);
    EXPECT_EQ(Page()->FileName(), "Main.java");
    Page()->SetCaretAndSelection(BufferCoord(20, 1), BufferCoord(14, 1), BufferCoord(20, 1));
    form->OpenClassExecute();
    EXPECT_EQ(Page()->FileName(), "Helper.java");
    EXPECT_EQ(form->PageCount(), 2);
}

TEST_F(MainWindowTest, CompilingAPageThatStaysUnnamedIsRefused)
{
    form->CompileFileExecute();
    EXPECT_EQ(Lines(), std::vector<std::string>{"[ Error IDE-0005] A file must be saved before it can be compiled."});
}

TEST_F(MainWindowTest, SelectingAnotherProjectAsksBeforeItEndsTheSession)
{
    form->OpenSourceFile(Write("A.java"));
    form->MakeProjectExecute();
    form->OpenSourceFile(Write("B.java"));
    form->MakeProjectExecute();
    ASSERT_EQ(form->SelectedProject(), form->SourceAt(0));
    form->SetJVM(std::make_unique<TSXComm>(form->DebugPort, *form, form->Clock()));
    form->SetDebugging(true);

    dialogs->boxAnswers = {TBoxAnswer::No};
    form->SelectProjectExecute();
    EXPECT_EQ(form->SelectedProject(), form->SourceAt(0));
    EXPECT_NE(form->JVM(), nullptr);
    EXPECT_EQ(dialogs->BoxTexts(), std::vector<std::string>{"A debug session is in progress. Abort debugging?"});

    dialogs->boxAnswers = {TBoxAnswer::Yes};
    form->SelectProjectExecute();
    EXPECT_EQ(form->SelectedProject(), form->SourceAt(1));
    EXPECT_EQ(form->JVM(), nullptr);
    EXPECT_FALSE(form->Debugging());
    EXPECT_EQ(form->windowTitle().toStdString(), "Corvane Torve IDE");
}

TEST_F(MainWindowTest, F1NamesTheMissingHelpFile)
{
    ASSERT_TRUE(ShowExposed(*form));
    form->activateWindow();
    ASSERT_TRUE(WaitUntil([&] { return form->isActiveWindow(); }, 2s, "the window active"));
    QTest::keyClick(form.get(), Qt::Key_F1);
    EXPECT_EQ(dialogs->BoxTexts(), std::vector<std::string>{});
    EXPECT_EQ(Lines(), std::vector<std::string>{"Cannot find the help file `" + ProgramDirectory() + "/doc/Corvane.chm'."});
}

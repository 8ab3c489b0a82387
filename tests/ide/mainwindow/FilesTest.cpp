// Opening, saving, closing and the recent-file list.
#include <sys/stat.h>
#include <unistd.h>

#include <deque>
#include <functional>
#include <optional>

#include <QAction>
#include <QMenu>
#include <QTabBar>

#include "tests/ide/mainwindow/MainWindowFixture.h"
#include "tests/support/FileCapabilities.h"

namespace {

std::string NotFound(const std::string& path) { return "File not found: `" + path + "'"; }

bool HasLineStarting(const std::vector<std::string>& lines, const std::string& start)
{
    for (const std::string& line : lines)
        if (line.rfind(start, 0) == 0) return true;
    return false;
}

}  // namespace

TEST_F(MainWindowTest, OpenReplacesAnUntouchedUntitledPageAndKeepsAModifiedOne)
{
    form->OpenSourceFile(Write("A.java"));
    EXPECT_EQ(Tabs(), std::vector<std::string>{"A.java"});
    EXPECT_EQ(Page()->Text(), "class A {}\r\n");
    EXPECT_FALSE(Page()->Modified());
    EXPECT_EQ(Page()->FilePath(), dir.File("A.java"));

    form->NewFileExecute();
    Type("x");
    form->OpenSourceFile(Write("B.java"));
    EXPECT_EQ(Tabs(), (std::vector<std::string>{"A.java", "Untitled.java", "B.java"}));
    EXPECT_EQ(form->EditorTab->TabIndex(), 2);
}

TEST_F(MainWindowTest, OpenFileTakesTheChosenFilesAndClosesTheLoneUntitledPage)
{
    dialogs->openAnswers = {{Write("A.java"), dir.File("gone.java"), Write("B.java")}};
    form->OpenFileExecute();
    EXPECT_EQ(Tabs(), (std::vector<std::string>{"A.java", "B.java"}));
    EXPECT_EQ(dialogs->BoxTexts(), std::vector<std::string>{NotFound(dir.File("gone.java"))});
    dialogs->openAnswers = {{}};
    form->OpenFileExecute();  // cancelled
    EXPECT_EQ(dialogs->openFolders.back(), dir.Path());
}

TEST_F(MainWindowTest, TheSamePathIsSelectedNotOpenedAgainAndLetterCaseCounts)
{
    const std::string upper = Write("A.java", "upper");
    const std::string lower = Write("a.java", "lower");
    form->OpenSourceFile(upper);
    form->OpenSourceFile(lower);
    form->OpenSourceFile(dir.Path() + "/./A.java");
    EXPECT_EQ(Tabs(), (std::vector<std::string>{"A.java", "a.java"}));
    EXPECT_EQ(form->EditorTab->TabIndex(), 0);
    EXPECT_EQ(Page()->Text(), "upper");
    ASSERT_EQ(symlink(upper.c_str(), dir.File("Link.java").c_str()), 0);
    form->OpenSourceFile(dir.File("Link.java"));
    EXPECT_EQ(form->PageCount(), 2);
}

TEST_F(MainWindowTest, TheRecentListKeepsTheTwentyNewestWithoutDuplicates)
{
    for (int i = 0; i < 21; ++i) form->OpenSourceFile(Write("F" + std::to_string(i) + ".java"));
    for (int slot = 0; slot < 20; ++slot)
        EXPECT_EQ(settings->Stored("Recent" + std::to_string(slot)), dir.File("F" + std::to_string(20 - slot) + ".java"));
    EXPECT_EQ(settings->Stored("Recent20"), "");

    // Reopen moves a file up without a second copy.
    form->CloseSourcePage(form->EditorTab->Count() - 1);  // F20
    form->FileMenuClick();
    ASSERT_EQ(form->ReopenMenu->actions().size(), 20);
    EXPECT_EQ(form->ReopenMenu->actions()[5]->text().toStdString(), dir.File("F15.java"));
    form->CloseSourcePage(15);
    form->ReopenSubClick(5);
    EXPECT_EQ(settings->Stored("Recent0"), dir.File("F15.java"));
    EXPECT_EQ(settings->Stored("Recent1"), dir.File("F20.java"));
    EXPECT_EQ(settings->Stored("Recent5"), dir.File("F16.java"));
    EXPECT_EQ(settings->Stored("Recent6"), dir.File("F14.java"));
    // Unnamed pages stay out.
    form->NewFileExecute();
    EXPECT_EQ(settings->Stored("Recent0"), dir.File("F15.java"));
}

TEST_F(MainWindowTest, AFileWithoutWriteBitsOpensReadOnly)
{
    const std::string path = Write("R.java");
    ASSERT_EQ(chmod(path.c_str(), 0444), 0);
    form->OpenSourceFile(path);
    ASSERT_TRUE(Page()->ReadOnly());
    form->ActionList1Update();
    EXPECT_EQ(form->PanelText(1), "Read only");
    EXPECT_EQ(form->PanelText(2), "");
    form->SaveFileExecute();
    EXPECT_EQ(TempDir::ReadFile(path), "class A {}\r\n");
}

TEST_F(MainWindowTest, ClosingAModifiedPageAsksCancelNoOrYes)
{
    const std::string path = Write("A.java");
    form->OpenSourceFile(path);
    Type("// ");
    dialogs->boxAnswers = {TBoxAnswer::Cancel};
    form->CloseFileExecute();
    EXPECT_EQ(form->PageCount(), 1);
    EXPECT_EQ(dialogs->boxes.back().Text, "Save changes to 'A.java' before closing?");

    dialogs->boxAnswers = {TBoxAnswer::Yes};
    form->CloseFileExecute();
    EXPECT_EQ(form->PageCount(), 0);
    EXPECT_EQ(TempDir::ReadFile(path), "// class A {}\r\n");

    form->OpenSourceFile(path);
    Type("x");
    dialogs->boxAnswers = {TBoxAnswer::No};
    form->CloseFileExecute();
    EXPECT_EQ(form->PageCount(), 0);
    EXPECT_EQ(TempDir::ReadFile(path), "// class A {}\r\n");
    form->ActionList1Update();
    EXPECT_EQ(form->PanelText(0), "");
}

TEST_F(MainWindowTest, ClosingATabSelectsItsLeftNeighbour)
{
    for (const char* name : {"A.java", "B.java", "C.java", "D.java"}) form->OpenSourceFile(Write(name));
    form->EditorTab->TabBar()->setCurrentIndex(2);  // as a click does
    EXPECT_EQ(Page()->FileName(), "C.java");
    form->CloseFileExecute();
    EXPECT_EQ(Tabs(), (std::vector<std::string>{"A.java", "B.java", "D.java"}));
    EXPECT_EQ(Page()->FileName(), "B.java");
    form->CloseSourcePage(0);  // left of the selected one: the index moves with it
    EXPECT_EQ(form->EditorTab->TabIndex(), 0);
    EXPECT_EQ(Page()->FileName(), "B.java");
    form->CloseSourcePage(0);  // the selected first tab: the next one
    EXPECT_EQ(Page()->FileName(), "D.java");
    form->CloseSourcePage(0);
    EXPECT_EQ(Page(), nullptr);
}

TEST_F(MainWindowTest, SaveAsWritesAtTheFullChosenPath)
{
    TempDir::MakeDirs(dir.File("sub"));
    Type("class S {}");
    dialogs->saveAnswers = {dir.File("sub/S.java")};
    form->SaveFileAsExecute();
    EXPECT_EQ(TempDir::ReadFile(dir.File("sub/S.java")), "class S {}");
    EXPECT_EQ(Tabs(), std::vector<std::string>{"S.java"});
    EXPECT_FALSE(Page()->Modified());
    EXPECT_EQ(settings->Stored("Recent0"), dir.File("sub/S.java"));
    EXPECT_EQ(settings->Stored("SaveDialogPath").empty(), false);
}

TEST_F(MainWindowTest, SavingAnUnnamedPageAsksForItsNameAndCancelKeepsItModified)
{
    Type("class U {}");
    form->SaveFileExecute();  // cancelled
    EXPECT_TRUE(Page()->Modified());
    EXPECT_TRUE(HasLineStarting(Lines(), "[ Error IDE-0044] File must be saved before compiling."));
    EXPECT_EQ(dialogs->saveProposals, std::vector<std::string>{"Untitled.java"});
    dialogs->saveAnswers = {dir.File("U.java")};
    form->SaveAllExecute();
    EXPECT_EQ(TempDir::ReadFile(dir.File("U.java")), "class U {}");
    EXPECT_EQ(Page()->FilePath(), dir.File("U.java"));
}

// Two unsaved pages, the second shown: each page that Save All or closing
// asks about is on screen while asked, and its own text goes to the file
// named; after Save All the page shown before is shown again.
TEST_F(MainWindowTest, EachPageAskedAboutIsOnScreenWhileAsked)
{
    const std::optional<std::string> one = dir.File("One.java"), two = dir.File("Two.java"), cancel;
    const std::string textOne = "class One {}", textTwo = "class Two {}";
    const struct {
        const char* what;
        bool close;
        std::deque<TBoxAnswer> boxAnswers;
        std::deque<std::optional<std::string>> saveAnswers;
        std::vector<std::string> shownWhenAsked;
        std::string savedOne, savedTwo;  // empty: no file
    } cases[] = {
        {"Save All, both named", false, {}, {one, two}, {textOne, textTwo}, textOne, textTwo},
        {"Save All, the second cancelled", false, {}, {one, cancel}, {textOne, textTwo}, textOne, ""},
        {"Save All, the first cancelled", false, {}, {cancel}, {textOne}, "", ""},
        {"closing: Yes, then Cancel", true, {TBoxAnswer::Yes, TBoxAnswer::Cancel}, {one},
         {textOne, textOne, textTwo}, textOne, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        unlink(one->c_str());
        unlink(two->c_str());
        form.reset();  // one window at a time: it owns the message sink
        form = std::make_unique<TEditorForm>();
        dialogs = InstallFakeDialogs(*form);
        Type(textOne);
        form->NewFileExecute();
        Type(textTwo);
        CZARNSource* second = Page();
        ASSERT_EQ(form->EditorTab->TabIndex(), 1);
        dialogs->boxAnswers = c.boxAnswers;
        dialogs->saveAnswers = c.saveAnswers;
        std::vector<std::string> shown;
        dialogs->onAsk = [&] { shown.push_back(form->CurrentSource()->Text()); };
        if (c.close)
            EXPECT_FALSE(form->close());
        else
            form->SaveAllClick();
        EXPECT_EQ(shown, c.shownWhenAsked);
        EXPECT_EQ(access(one->c_str(), F_OK) == 0 ? TempDir::ReadFile(*one) : "", c.savedOne);
        EXPECT_EQ(access(two->c_str(), F_OK) == 0 ? TempDir::ReadFile(*two) : "", c.savedTwo);
        EXPECT_EQ(Page(), second);
    }
}

TEST_F(MainWindowTest, YesThenCancelInTheSaveDialogCancelsTheClose)
{
    Type("x");
    dialogs->boxAnswers = {TBoxAnswer::Yes};
    EXPECT_FALSE(form->close());
    EXPECT_EQ(form->PageCount(), 1);
    EXPECT_EQ(Lines(), std::vector<std::string>{});
    EXPECT_EQ(dialogs->boxes.size(), 1u);
}

TEST_F(MainWindowTest, MissingFilesAndPipesAreRefusedAtOnce)
{
    form->OpenSourceFile(dir.File("Missing.java"));
    EXPECT_EQ(dialogs->BoxTexts(), std::vector<std::string>{NotFound(dir.File("Missing.java"))});
    // One that exists but may not be read says why.
    const std::string locked = Write("Locked.java");
    ASSERT_EQ(chmod(locked.c_str(), 0), 0);
    EXPECT_EQ(RunWithoutFileCapabilities([&] {
                  dialogs->boxes.clear();
                  form->OpenSourceFile(locked);
                  return dialogs->BoxTexts() == std::vector<std::string>{"Cannot open `" + locked +
                                                                         "': Permission denied"} &&
                         form->PageCount() == 1;
              }),
              1);
    dialogs->boxes.clear();
    ASSERT_EQ(mkfifo(dir.File("X.java").c_str(), 0644), 0);
    // An open that waited for a writer would hang here.
    form->OpenFiles({dir.File("X.java"), dir.Path(), Write("Good.java")});
    EXPECT_EQ(Lines(), (std::vector<std::string>{"[ Error IDE-0002] Unable to open file `" + dir.File("X.java") + "'.",
                                                 "[ Error IDE-0002] Unable to open file `" + dir.Path() + "'."}));
    EXPECT_EQ(Tabs(), std::vector<std::string>{"Good.java"});
}

// As a user meets it: the page's folder became a plain file.
TEST_F(MainWindowTest, AFailedSaveIsReportedAndLosesNothing)
{
    TempDir::MakeDirs(dir.File("gone"));
    const std::string path = dir.File("gone/G.java");
    TempDir::WriteFile(path, "old");
    form->OpenSourceFile(path);
    Type("new ");
    ASSERT_EQ(unlink(path.c_str()), 0);
    ASSERT_EQ(rmdir(dir.File("gone").c_str()), 0);
    TempDir::WriteFile(dir.File("gone"), "plain");

    form->SaveFileExecute();
    ASSERT_EQ(Lines().size(), 1u);
    EXPECT_TRUE(HasLineStarting(Lines(), "[ Error IDE-0017] Unable to open file for writing `" + path + "' (20, "))
        << Lines()[0];
    EXPECT_TRUE(Page()->Modified());
    EXPECT_EQ(TempDir::ReadFile(dir.File("gone")), "plain");

    dialogs->boxAnswers = {TBoxAnswer::Yes};
    form->CloseFileExecute();
    EXPECT_EQ(form->PageCount(), 1);
    EXPECT_EQ(Lines().size(), 2u);
    EXPECT_EQ(Page()->Text(), "new old");
}

TEST_F(MainWindowTest, ASaveKeepsTheOldBytesWhenTheFileMayNotBeWritten)
{
    const std::string path = Write("W.java", "old");
    form->OpenSourceFile(path);
    Type("new ");
    ASSERT_EQ(chmod(dir.Path().c_str(), 0555), 0);
    ASSERT_EQ(chmod(path.c_str(), 0444), 0);
    form->SaveFileExecute();
    chmod(dir.Path().c_str(), 0755);
    EXPECT_TRUE(HasLineStarting(Lines(), "[ Error IDE-0017] Unable to open file for writing `" + path + "' (13, "));
    EXPECT_EQ(TempDir::ReadFile(path), "old");
    EXPECT_TRUE(Page()->Modified());
}

// A modified page that cannot be written: Save, Save All and a close with Yes
// each say why, and the page stays open with its text and its changes.
TEST_F(MainWindowTest, EverySaveThatCannotWriteAPageSaysWhyAndKeepsIt)
{
    const struct {
        const char* what;
        bool readOnly;  // else its folder becomes a plain file
        std::string reason;
    } causes[] = {
        {"a read-only page", true, " (13, the page is read-only)."},
        {"its folder gone", false, " (20, "},
    };
    const struct {
        const char* what;
        std::function<void(TEditorForm&)> command;
    } commands[] = {
        {"Save", [](TEditorForm& window) { window.SaveFileExecute(); }},
        {"Save All", [](TEditorForm& window) { window.Action("SaveAll")->trigger(); }},
        {"close, Yes", [](TEditorForm& window) { window.CloseFileExecute(); }},
    };
    for (const auto& cause : causes) {
        for (const auto& command : commands) {
            SCOPED_TRACE(std::string(cause.what) + ", " + command.what);
            TempDir::MakeDirs(dir.File("f"));
            const std::string path = dir.File("f/P.java");
            TempDir::WriteFile(path, "old");
            if (cause.readOnly) {
                ASSERT_EQ(chmod(path.c_str(), 0444), 0);
            }
            form->OpenSourceFile(path);
            ASSERT_EQ(Page()->ReadOnly(), cause.readOnly);
            Type("new ");  // the control's own calls do not ask
            if (!cause.readOnly) {
                ASSERT_EQ(unlink(path.c_str()), 0);
                ASSERT_EQ(rmdir(dir.File("f").c_str()), 0);
                TempDir::WriteFile(dir.File("f"), "plain");
            }
            form->ClearMessages();
            dialogs->boxAnswers = {TBoxAnswer::Yes};
            command.command(*form);
            ASSERT_EQ(Lines().size(), 1u);
            EXPECT_TRUE(HasLineStarting(Lines(), "[ Error IDE-0017] Unable to open file for writing `" + path + "'" +
                                                     cause.reason))
                << Lines()[0];
            ASSERT_EQ(form->PageCount(), 1);
            EXPECT_EQ(Page()->Text(), "new old");
            EXPECT_TRUE(Page()->Modified());
            EXPECT_EQ(TempDir::ReadFile(cause.readOnly ? path : dir.File("f")), cause.readOnly ? "old" : "plain");

            dialogs->boxAnswers = {TBoxAnswer::No};
            ASSERT_TRUE(form->CloseSourcePage(0));
            unlink(dir.File("f/P.java").c_str());
            rmdir(dir.File("f").c_str());
            unlink(dir.File("f").c_str());
        }
    }
}

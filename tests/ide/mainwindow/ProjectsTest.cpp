// Projects: Make Project, the tab images, the options dialog, bad project files.
#include <sys/stat.h>
#include <unistd.h>

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "foundation/ProjectOptions.h"
#include "ide/ProjectOptionsForm.h"
#include "tests/ide/BuildSettings.h"
#include "tests/ide/mainwindow/MainWindowFixture.h"
#include "tests/support/JavaCompile.h"

TEST_F(MainWindowTest, MakeProjectWritesTheProjectFileAndMarksTheTab)
{
    const std::string source = Write("Main.java");
    form->OpenSourceFile(source);
    EXPECT_TRUE(Enabled("MakeProject"));
    EXPECT_FALSE(Enabled("SelectProject"));
    form->Action("MakeProject")->trigger();
    ASSERT_NE(Page()->Project(), nullptr);
    EXPECT_EQ(Page()->Project()->OptionsFile, dir.File("Main.jpf"));
    EXPECT_EQ(Page()->Project()->MainFile, source);
    EXPECT_EQ(TempDir::ReadFile(dir.File("Main.jpf")), EncodeProjectOptions(*Page()->Project()));
    EXPECT_EQ(form->SelectedProject(), Page());
    EXPECT_EQ(form->EditorTabGetImageIndex(0), 20);
    EXPECT_FALSE(form->EditorTab->TabBar()->tabIcon(0).isNull());
    EXPECT_FALSE(Enabled("MakeProject"));
    EXPECT_TRUE(Enabled("SelectProject"));
    EXPECT_TRUE(Enabled("ProjectOptions"));

    // Another page with a project shows the other image, until selected.
    TProjectOptions other;
    other.OptionsFile = dir.File("Other.jpf");
    SaveProjectOptions(other);
    form->OpenSourceFile(Write("Other.java"));
    ASSERT_NE(Page()->Project(), nullptr);
    EXPECT_EQ(form->EditorTabGetImageIndex(1), 19);
    form->SelectProjectExecute();
    EXPECT_EQ(form->EditorTabGetImageIndex(0), 19);
    EXPECT_EQ(form->EditorTabGetImageIndex(1), 20);
    form->CloseFileExecute();
    EXPECT_EQ(form->SelectedProject(), nullptr);
    EXPECT_EQ(form->EditorTabGetImageIndex(0), 19);
}

TEST_F(MainWindowTest, ProjectOptionsStoresTheChosenPortAndCancelChangesNothing)
{
    form->OpenSourceFile(Write("Main.java"));
    form->MakeProjectExecute();
    const std::string before = TempDir::ReadFile(dir.File("Main.jpf"));

    dialogs->modal = [](QDialog& dialog) {
        auto& options = static_cast<TProjectOptionsForm&>(dialog);
        options.SerialPort->setCurrentIndex(options.SerialPort->findText("COM3"));
        options.Classpath->setText("/lib/one;/lib/two");
        options.CancelButton->click();
        return false;
    };
    form->ProjectOptionsExecute();
    EXPECT_EQ(TempDir::ReadFile(dir.File("Main.jpf")), before);
    EXPECT_EQ(Page()->Project()->DebugPort, 0);

    dialogs->modal = [](QDialog& dialog) {
        auto& options = static_cast<TProjectOptionsForm&>(dialog);
        EXPECT_EQ(options.SerialPort->currentIndex(), 0);
        options.SerialPort->setCurrentIndex(options.SerialPort->findText("COM3"));
        options.Classpath->setText("/lib/one;/lib/two");
        options.OKButton->click();
        return true;
    };
    form->ProjectOptionsExecute();
    EXPECT_EQ(Page()->Project()->DebugPort, 2);
    TProjectOptions read;
    read.OptionsFile = dir.File("Main.jpf");
    LoadProjectOptions(read);
    EXPECT_EQ(read.DebugPort, 2);
    EXPECT_EQ(read.Classpath, "/lib/one;/lib/two");
}

TEST_F(MainWindowTest, AProjectStartsWithTheGlobalClassPathAndCompilesWithItWhenEmptied)
{
    UseBuildSettings(0);
    form->OpenSourceFile(Write("Hello.java", TempDir::ReadFile(SourceDir() + "/examples/Hello.java")));
    form->MakeProjectExecute();
    std::string shown;
    dialogs->modal = [&shown](QDialog& dialog) {
        auto& options = static_cast<TProjectOptionsForm&>(dialog);
        shown = options.Classpath->text().toStdString();
        options.Classpath->setText("");
        options.OKButton->click();
        return true;
    };
    form->ProjectOptionsExecute();
    EXPECT_EQ(shown, ClassLibraryDir());
    EXPECT_EQ(Page()->Project()->Classpath, "");
    form->CompileFileExecute();
    EXPECT_EQ(Lines(), std::vector<std::string>{});
}

TEST_F(MainWindowTest, ACorruptProjectFileIsReportedAndLeftAlone)
{
    const std::string jpf = Write("Bad.jpf", "not a project");
    form->OpenSourceFile(Write("Bad.java"));
    EXPECT_EQ(Lines(), std::vector<std::string>{"[ Error IDE-0050] Error loading the project file."});
    EXPECT_EQ(Page()->Project(), nullptr);
    EXPECT_EQ(form->SelectedProject(), nullptr);
    form->CloseFileExecute();
    EXPECT_EQ(TempDir::ReadFile(jpf), "not a project");
}

TEST_F(MainWindowTest, AProjectThatCannotBeWrittenIsReportedNeverThrown)
{
    form->OpenSourceFile(Write("P.java"));
    TempDir::MakeDirs(dir.File("P.jpf"));  // a folder where the file would go
    form->MakeProjectExecute();
    ASSERT_EQ(Lines().size(), 1u);
    EXPECT_EQ(Lines()[0].rfind("[ Error IDE-0017] Unable to open file for writing `" + dir.File("P.jpf") + "'", 0), 0u)
        << Lines()[0];
    EXPECT_EQ(Page()->Project(), nullptr);
    EXPECT_EQ(form->SelectedProject(), nullptr);

    // A project whose folder went away while the page was open.
    TempDir::MakeDirs(dir.File("sub"));
    TempDir::WriteFile(dir.File("sub/Q.java"), "");
    form->OpenSourceFile(dir.File("sub/Q.java"));
    form->MakeProjectExecute();
    ASSERT_NE(Page()->Project(), nullptr);
    ASSERT_EQ(unlink(dir.File("sub/Q.jpf").c_str()), 0);
    ASSERT_EQ(unlink(dir.File("sub/Q.java").c_str()), 0);
    ASSERT_EQ(rmdir(dir.File("sub").c_str()), 0);
    form->CloseFileExecute();
    EXPECT_EQ(form->PageCount(), 1);
    EXPECT_EQ(Lines().size(), 2u);
}

// A page close writes its project: a project file that cannot be written is
// reported on the message list and left as it was.
TEST_F(MainWindowTest, AProjectFileThatCannotBeWrittenAtAPageCloseIsReportedAndKept)
{
    const struct {
        const char* name;
        bool link;  // else write-protected
        const char* reason;
    } rows[] = {{"write-protected", false, "(13, Permission denied)."},
                {"a link into a missing folder", true, "(2, No such file or directory)."}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TempDir::MakeDirs(dir.File(row.name));
        const std::string source = dir.File(std::string(row.name) + "/K.java");
        TempDir::WriteFile(source, "class K {}\r\n");
        const std::string jpf = dir.File(std::string(row.name) + "/K.jpf");
        form->OpenSourceFile(source);
        form->MakeProjectExecute();
        ASSERT_NE(Page()->Project(), nullptr);
        if (row.link) {
            ASSERT_EQ(unlink(jpf.c_str()), 0);
            ASSERT_EQ(symlink("missing/K.jpf", jpf.c_str()), 0);
        } else {
            ASSERT_EQ(chmod(jpf.c_str(), 0444), 0);
        }
        struct stat before {};
        ASSERT_EQ(lstat(jpf.c_str(), &before), 0);
        form->ClearMessages();
        form->CloseFileExecute();
        EXPECT_EQ(form->PageCount(), 0);
        ASSERT_EQ(Lines().size(), 1u);
        EXPECT_EQ(Lines()[0], "[ Error IDE-0017] Unable to open file for writing `" + jpf + "' " + row.reason);
        struct stat after {};
        ASSERT_EQ(lstat(jpf.c_str(), &after), 0);
        EXPECT_EQ(after.st_ino, before.st_ino) << "the project file was replaced";
        EXPECT_EQ(after.st_mode, before.st_mode);
    }
}

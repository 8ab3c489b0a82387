// A source whose file name is not UTF-8 (Latin-1 bytes): opened from the
// command line and by a second start's hand-over, edited, saved, compiled,
// and opened again from its error line. The name keeps its bytes on disk and
// shows as Windows-1252 on screen.
#include <gtest/gtest.h>

#include <unistd.h>

#include <QApplication>
#include <QListWidget>
#include <QTest>
#include <algorithm>
#include <filesystem>
#include <functional>
#include <thread>

#include "ide/SingleInstance.h"
#include "ide/Startup.h"
#include "ide/ZARNSource.h"
#include "ide/ZARNTabControl.h"
#include "ide/pipeline/ParamTokens.h"
#include "platform/HandOverChannel.h"
#include "tests/ide/ModuleWindowFixture.h"
#include "tests/support/gui/ScreenProbe.h"
#include "tests/support/gui/WaitUntil.h"

using namespace std::chrono_literals;

namespace {

const std::string LatinName = "caf\xe9.java";
const std::string Source = "public class caf\xe9 {\n    static int f() {\n        return gr\xfcn;\n    }\n}\n";

// The working folder is `folder` while it lives.
class ScopedWorkingFolder {
public:
    explicit ScopedWorkingFolder(const std::string& folder) : before_(std::filesystem::current_path())
    {
        std::filesystem::current_path(folder);
    }
    ~ScopedWorkingFolder() { std::filesystem::current_path(before_); }

private:
    std::filesystem::path before_;
};

// The IDE started in `folder` with `name`; the build settings stay the test's.
void OpenFromCommandLine(TEditorForm& form, const std::string& folder, const std::string& name)
{
    ScopedWorkingFolder inFolder(folder);
    LoadSettingsAndOpen(form, {"corvane-ide", name});
    UseBuildSettings(3);
}

// A second start in `folder` with `name` hands it over to this window.
void OpenByHandOver(TEditorForm& form, const std::string& folder, const std::string& name)
{
    THandOverServer server(SecondInstanceMessage, [&form](const std::string& text) { form.HandOver(text); });
    ASSERT_TRUE(server.Listen());
    std::string commandLine;
    {
        ScopedWorkingFolder inFolder(folder);
        commandLine = QuoteCommandLine(WithAbsoluteFiles({"corvane-ide", name}));
    }
    bool sent = false;
    std::thread second([&] { sent = SendHandOver(SecondInstanceMessage, commandLine, HandOverRetryMs); });
    const ::testing::AssertionResult opened = WaitUntil(
        [&] { return form.CurrentEditor() && form.CurrentEditor()->FileName() == name; }, 10s,
        "the handed-over file's page");
    second.join();
    EXPECT_TRUE(sent);
    EXPECT_TRUE(opened);
}

class ByteNames : public ModuleWindowFixture {
protected:
    void SetUp() override
    {
        ModuleWindowFixture::SetUp();
        form->show();
    }
    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(work.Path()))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    std::string ShownTab() const { return form->EditorTab->TabText(form->EditorTab->TabIndex()).toStdString(); }
};

}  // namespace

TEST_F(ByteNames, AFileWhoseNameIsNotUtf8OpensSavesCompilesAndOpensFromItsError)
{
    using TOpen = std::function<void(TEditorForm&, const std::string&, const std::string&)>;
    const std::pair<const char*, TOpen> routes[] = {
        {"command line", OpenFromCommandLine},
        {"hand-over", OpenByHandOver},
    };
    const std::string path = work.File(LatinName);
    for (const auto& [route, open] : routes) {
        SCOPED_TRACE(route);
        TempDir::WriteFile(path, Source);
        open(*form, work.Path(), LatinName);
        CZARNSource* page = form->CurrentEditor();
        ASSERT_NE(page, nullptr);
        EXPECT_TRUE(dialogs->boxes.empty()) << dialogs->BoxTexts().front();
        EXPECT_EQ(page->FilePath(), path);
        EXPECT_EQ(ShownTab(), "café.java");
        EXPECT_EQ(page->Lines().Strings(2), "        return gr\xfcn;");

        page->setFocus();
        QTest::keyClicks(page, "// ok");
        QTest::keyClick(page, Qt::Key_Return);
        form->SaveFileExecute();
        EXPECT_FALSE(page->Modified());
        EXPECT_EQ(TempDir::ReadFile(path), "// ok\n" + Source);
        EXPECT_EQ(Names(), std::vector<std::string>{LatinName});

        form->CompileFileExecute();
        ASSERT_EQ(Lines(), std::vector<std::string>{
                               "[Java Error] café.java(4): Error: grün cannot be resolved to a variable"});
        EXPECT_EQ(Names(), std::vector<std::string>{LatinName});
        ASSERT_TRUE(form->CloseSourcePage(form->EditorTab->TabIndex()));
        ASSERT_EQ(form->CurrentEditor(), nullptr);

        form->StatusList->setCurrentRow(0);
        form->StatusListDblClick();
        EXPECT_TRUE(dialogs->boxes.empty()) << dialogs->BoxTexts().front();
        page = form->CurrentEditor();
        ASSERT_NE(page, nullptr);
        EXPECT_EQ(page->FilePath(), path);
        EXPECT_EQ(ShownTab(), "café.java");
        EXPECT_EQ(page->SelText(), "gr\xfcn");
        QApplication::processEvents();
        GrabToPng(*form, std::string("opened-from-error-") + (route[0] == 'c' ? "command-line" : "hand-over"));
        ASSERT_TRUE(form->CloseSourcePage(form->EditorTab->TabIndex()));
        form->ClearMessages();
    }
}

// Program on a port that the user may not open: run as `nobody` in a second
// process of this test program, against the simulator's root-owned device.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QListWidget>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

#include "ide/EditorForm.h"
#include "tests/ide/AsNobody.h"
#include "tests/ide/BuildSettings.h"
#include "tests/ide/FakeDialogs.h"
#include "tests/ide/IdeProcess.h"
#include "tests/ide/TestApp.h"
#include "tests/support/JavaCompile.h"
#include "tests/support/TempDir.h"
#include "tests/support/gui/WaitUntil.h"

using namespace std::chrono_literals;

namespace {

TEST(PortPermission, ProgramOnAPortTheUserMayNotOpenIsIde6)
{
    if (geteuid() != 0) GTEST_SKIP() << "needs root to run the other part as nobody";
    IdeWorld world;
    ModuleSimulator module(world, 3);
    ASSERT_TRUE(module.Ready());
    RunAsNobody(world, "PortPermissionAsNobody.*");
}

// Run only by the test above, as nobody.
TEST(PortPermissionAsNobody, DISABLED_ProgramReportsIde6AndKeepsNoLink)
{
    TestApp();
    UseBuildSettings(3);
    TEditorForm form;
    form.SetDialogs(std::make_unique<FakeDialogs>());
    TempDir work("corvane-nobody");
    form.OpenSourceFile(
        WriteSource(work.Path(), "Hello.java", TempDir::ReadFile(SourceDir() + "/examples/Hello.java")));
    form.ProgramExecute();
    ASSERT_TRUE(WaitUntil([&] { return form.Worker == nullptr; }, 60s, "the link worker to end"));
    std::string lines;
    for (int i = 0; i < form.StatusList->count(); ++i) lines += form.StatusList->item(i)->text().toStdString() + "\n";
    const std::string device = std::string(std::getenv("CORVANE_PORT_DIR")) + "/COM3";
    EXPECT_NE(lines.find("[ Error IDE-0006] Could not open the serial port: COM3 (" + device +
                         ": Permission denied)."),
              std::string::npos)
        << lines;
    EXPECT_EQ(form.JVM(), nullptr);
    EXPECT_EQ(form.Linker(), nullptr);
    ResetSettings();
}

}  // namespace

// Program on a port that the user may not open: run as `nobody` in a second
// process of this test program, against the simulator's root-owned device.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QListWidget>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

#include "ide/EditorForm.h"
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
    // The folders may be read by anyone: only the device itself refuses.
    chmod(world.Dir().c_str(), 0755);
    chmod(world.Ports().c_str(), 0755);
    ModuleSimulator module(world, 3);
    ASSERT_TRUE(module.Ready());
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("CORVANE_PORT_DIR", QString::fromStdString(world.Ports()));
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start("setpriv", {"--reuid=nobody", "--regid=nogroup", "--clear-groups", "--",
                            QCoreApplication::applicationFilePath(), "--gtest_filter=PortPermissionAsNobody.*",
                            "--gtest_also_run_disabled_tests"});
    ASSERT_TRUE(child.waitForFinished(180000)) << "the part run as nobody did not end";
    const std::string output = child.readAll().toStdString();
    EXPECT_EQ(child.exitCode(), 0) << output;
    EXPECT_NE(output.find("[  PASSED  ] 1 test"), std::string::npos) << output;
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

// Identify and Test Connection on a port that the user may not open: run as
// `nobody` in a second process of this test program, against the
// simulator's root-owned device.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QListWidget>
#include <QTreeWidget>
#include <sys/stat.h>
#include <unistd.h>

#include "foundation/Options.h"
#include "ide/EditorForm.h"
#include "ide/dialogs/IdentifyForm.h"
#include "tests/ide/AsNobody.h"
#include "tests/ide/BuildSettings.h"
#include "tests/ide/FakeDialogs.h"
#include "tests/ide/IdeProcess.h"
#include "tests/ide/MessageLinesOf.h"
#include "tests/ide/TestApp.h"
#include "tests/support/JavaCompile.h"
#include "tests/support/TempDir.h"
#include "tests/support/gui/WaitUntil.h"

using namespace std::chrono_literals;

namespace {

TEST(IdentifyPermission, PortTheUserMayNotOpenIsNamedWithIde6)
{
    if (geteuid() != 0) GTEST_SKIP() << "needs root to run the other part as nobody";
    IdeWorld world;
    ModuleSimulator module(world, 3);
    ASSERT_TRUE(module.Ready());
    RunAsNobody(world, "IdentifyPermissionAsNobody.*");
}

// Run only by the test above, as nobody.
TEST(IdentifyPermissionAsNobody, DISABLED_IdentifyAndTestConnectionShowIde6)
{
    TestApp();
    UseBuildSettings(0);
    GlobalOptions.NumValidPorts = 1;
    GlobalOptions.ValidPort[0] = 3;
    TEditorForm form;
    FakeDialogs& dialogs = *InstallFakeDialogs(form);
    TempDir work("corvane-nobody");
    form.OpenSourceFile(
        WriteSource(work.Path(), "Hello.java", TempDir::ReadFile(SourceDir() + "/examples/Hello.java")));
    auto lines = [&] { return MessageLinesOf(form); };
    const std::string refused = "[ Error IDE-0006] Could not open the serial port: COM3 (" +
                                std::string(std::getenv("CORVANE_PORT_DIR")) + "/COM3: Permission denied).";

    int rows = -1;
    dialogs.modal = [&](QDialog& dialog) {
        auto& identify = static_cast<TIdentifyForm&>(dialog);
        identify.show();
        EXPECT_TRUE(WaitUntil([&] { return identify.PortList->topLevelItemCount() == 1; }, 30s, "the identify row"));
        rows = identify.PortList->topLevelItemCount();
        return true;
    };
    form.IdentifyExecute();
    EXPECT_EQ(rows, 1);
    ASSERT_TRUE(WaitUntil([&] { return !lines().empty(); }, 5s, "the IDE-6 line"));
    EXPECT_EQ(lines(), std::vector<std::string>{refused});

    form.TestConExecute();
    // Test Connection traces its steps; the errors are what counts here.
    std::vector<std::string> shown;
    for (const std::string& line : lines())
        if (line.rfind("[Debug] ", 0) != 0) shown.push_back(line);
    ASSERT_EQ(shown.size(), 2u) << ::testing::PrintToString(shown);
    EXPECT_EQ(shown[0], refused);
    EXPECT_NE(shown[1].find("IDE-0054"), std::string::npos) << shown[1];
    ResetSettings();
}

}  // namespace

// The built IDE on the X server: a user types a line into the file it was
// started with and saves it with Ctrl+S.
#include <gtest/gtest.h>

#include <QProcess>
#include <QStandardPaths>

#include "editor/control/SrcEdit.h"
#include "tests/ide/IdeProcess.h"
#include "tests/support/TempDir.h"
#include "tests/support/gui/WaitUntil.h"

namespace {

using namespace std::chrono_literals;

// Typing reaches a page once the control takes keys and runs commands.
template <typename Control>
constexpr bool TakesKeys = requires(Control& control, char key) {
    control.KeyPress(key);
    control.ExecuteCommand(0, key, nullptr);
};

// Runs xdotool; false when it failed. Its standard output goes to `out`.
bool XDoTool(const QStringList& arguments, std::string* out = nullptr)
{
    QProcess tool;
    tool.start("xdotool", arguments);
    if (!tool.waitForFinished(15000) || tool.exitCode() != 0) return false;
    if (out) *out = tool.readAllStandardOutput().trimmed().toStdString();
    return true;
}

}  // namespace

TEST(IdeOnScreen, ALineTypedAndSavedWithCtrlSIsInTheFile)
{
    if constexpr (!TakesKeys<TCustomSrcEdit>) {
        GTEST_SKIP() << "the editor control takes no keyboard input yet";
    } else {
        if (QStandardPaths::findExecutable("xdotool").isEmpty()) GTEST_SKIP() << "xdotool is not installed";
        IdeWorld world;
        world.Platform = "xcb";
        const std::string file = world.Work() + "/T.java";
        TempDir::WriteFile(file, "class T {}\n");
        IdeProcess ide(world, {file});
        ASSERT_TRUE(ide.Started());

        std::string windows;
        ASSERT_TRUE(XDoTool({"search", "--sync", "--onlyvisible", "--pid", QString::number(ide.Pid()), "--name",
                             "Corvane"},
                            &windows))
            << "the IDE's window did not appear";
        const QString id = QString::fromStdString(windows.substr(windows.find_last_of('\n') + 1));
        // A click into the page gives it the focus.
        ASSERT_TRUE(XDoTool({"mousemove", "--window", id, "300", "150", "click", "1"}));
        XDoTool({"windowfocus", "--sync", id});
        ASSERT_TRUE(XDoTool({"type", "--delay", "30", "int x;"}));
        ASSERT_TRUE(XDoTool({"key", "--delay", "30", "Return", "ctrl+s"}));
        EXPECT_TRUE(WaitUntil([&] { return TempDir::ReadFile(file).find("int x;") != std::string::npos; }, 10s,
                              "the typed line in the saved file"))
            << TempDir::ReadFile(file);
    }
}

// F9 in the IDE's window on a real X server compiles after a menu was left
// with Escape (Ctrl+R on the module: TerminalKeysShownTest).
#include <gtest/gtest.h>

#include <QFileInfo>

#include "tests/ide/IdeProcess.h"
#include "tests/ide/display/XDo.h"
#include "tests/support/JavaCompile.h"
#include "tests/support/TempDir.h"
#include "tests/support/gui/WaitUntil.h"

namespace {

TEST(CompileKeyShown, F9CompilesAfterAMenuWasOpenedAndLeftWithEscape)
{
    using namespace std::chrono_literals;
    IdeWorld world;
    world.Platform = "xcb";
    const std::string hello =
        WriteSource(world.Work(), "Hello.java", TempDir::ReadFile(SourceDir() + "/examples/Hello.java"));
    IdeProcess ide(world, {hello});
    ASSERT_TRUE(ide.Started());
    const QString window = FocusedWindow("Corvane Torve IDE", 30000);
    ASSERT_FALSE(window.isEmpty()) << ide.Err();
    const auto shownWindows = [&] {
        return QString::fromStdString(XDoTool({"search", "--onlyvisible", "--pid", QString::number(ide.Pid())}))
            .count('\n');
    };
    const int before = shownWindows();
    XDoTool({"mousemove", "--window", window, "20", "10", "click", "1"});  // the File menu
    ASSERT_TRUE(WaitUntil([&] { return shownWindows() > before; }, 10s, "the File menu open")) << ide.Err();
    XDoTool({"key", "Escape"});
    ASSERT_TRUE(WaitUntil([&] { return shownWindows() == before; }, 10s, "the File menu closed")) << ide.Err();
    XDoTool({"key", "F9"});
    EXPECT_TRUE(WaitUntil([&] { return QFileInfo::exists(QString::fromStdString(world.Work() + "/Hello.class")); },
                          30s, "Hello.class from F9"))
        << ide.Err();
    EXPECT_EQ(ide.Err().find("Ambiguous shortcut"), std::string::npos) << ide.Err();
}

}  // namespace

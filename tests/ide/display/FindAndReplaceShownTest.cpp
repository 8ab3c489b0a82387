// Find and Replace on a real X server: Ctrl+F opens the dialog, Replace All
// replaces a word everywhere in the page and Ctrl+S writes the page back.
#include <gtest/gtest.h>

#include <QStandardPaths>

#include "tests/ide/IdeProcess.h"
#include "tests/ide/display/XDo.h"
#include "tests/support/JavaCompile.h"
#include "tests/support/TempDir.h"
#include "tests/support/gui/WaitUntil.h"

namespace {

using namespace std::chrono_literals;

std::string ReplacedEverywhere(std::string text, const std::string& word, const std::string& by)
{
    for (size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + by.size()))
        text.replace(at, word.size(), by);
    return text;
}

TEST(FindAndReplaceShown, ReplaceAllAndCtrlSPutEveryReplacementIntoTheFile)
{
    if (QStandardPaths::findExecutable("xdotool").isEmpty()) GTEST_SKIP() << "xdotool is not installed";
    IdeWorld world;
    world.Platform = "xcb";
    // Several matches on one line, a match at a line's start and end, lines
    // without one; the longer replacement holds the word itself.
    const std::string original =
        "class Tally {\n"
        "    int total;\n"
        "    void add(int n) { total = total + n; }\n"
        "    int get() { return total; }\n"
        "    // no match here\n"
        "}\n"
        "total\n";
    const std::string expected = ReplacedEverywhere(original, "total", "grandTotal");
    const std::string file = WriteSource(world.Work(), "Tally.java", original);
    IdeProcess ide(world, {file});
    ASSERT_TRUE(ide.Started());

    const QString window = FocusedWindow("Corvane Torve IDE", 30000);
    ASSERT_FALSE(window.isEmpty()) << "the IDE's window did not appear\n" << ide.Err();
    XDoTool({"key", "--clearmodifiers", "ctrl+f"});
    const QString dialog = FocusedWindow("Find and Replace", 10000);
    ASSERT_FALSE(dialog.isEmpty()) << "Ctrl+F showed no Find and Replace window\n" << ide.Err();

    // The dialog opens with the focus in "Text to Find:"; Tab leads to
    // "Replace With:", and backwards from the first field the buttons come
    // last to first: Close, then Replace All.
    XDoTool({"type", "--delay", "20", "total"});
    XDoTool({"key", "--delay", "20", "Tab"});
    XDoTool({"type", "--delay", "20", "grandTotal"});
    XDoTool({"key", "--delay", "20", "shift+Tab", "shift+Tab", "shift+Tab", "space"});

    XDoTool({"windowfocus", "--sync", window});
    XDoTool({"key", "--clearmodifiers", "ctrl+s"});
    EXPECT_TRUE(WaitUntil([&] { return TempDir::ReadFile(file) != original; }, 10s, "the saved file to change"))
        << ide.Err();
    EXPECT_EQ(TempDir::ReadFile(file), expected);
}

}  // namespace

#include <gtest/gtest.h>

#include <QProcess>
#include <QStandardPaths>

#include "tests/editor/common/KeyScene.h"

namespace {

using namespace std::chrono_literals;
using Log = std::vector<std::string>;

// Presses Keys through the X server's test extension, as a user would.
::testing::AssertionResult PressKeys(const QStringList& Keys) {
    QProcess xdotool;
    xdotool.start("xdotool", QStringList{"key", "--delay", "30"} + Keys);
    if (!xdotool.waitForFinished(10000) || xdotool.exitCode() != 0) {
        return ::testing::AssertionFailure() << "xdotool key " << Keys.join(' ').toStdString() << " failed";
    }
    return ::testing::AssertionSuccess();
}

// Real key presses give the same commands and characters as the events
// the offscreen tests send.
TEST(SrcEditWidgetRealKeysTest, RealKeysGiveTheCommandsAndCharacters) {
    if (QStandardPaths::findExecutable("xdotool").isEmpty()) {
        GTEST_SKIP() << "xdotool is not installed";
    }
    KeyScene scene;
    scene.editor->SetWantTabs(true);
    scene.editor->AddKey(ecUserFirst, 'K', {ssCtrl}, 'B', {});
    ASSERT_TRUE(scene.ShowFocused());
    ASSERT_TRUE(WaitUntil([&] { return scene.isActiveWindow(); }, 5s, "the window to become active"));
    scene.recorder.Take();

    // The server's US keymap has no key for a letter beyond ASCII.
    ASSERT_TRUE(PressKeys({"ctrl+q", "alt+x", "shift+ctrl+1", "shift+ctrl+7", "shift+Tab", "KP_Enter", "ctrl+k", "b",
                           "x", "Home", "ctrl+Left"}));
    // The first stroke of a two-stroke binding types its character.
    Log expected{"ecChar 11", "ecSetMarker1", "ecSetMarker7", "ecShiftTab", "ecLineBreak",
                 "ecChar 0b", "ecUserFirst",  "ecChar 78",    "ecLineStart", "ecWordLeft"};
    EXPECT_TRUE(WaitUntil([&] { return scene.recorder.Log.size() >= expected.size(); }, 5s,
                          "the commands of eleven key presses"));
    EXPECT_EQ(scene.recorder.Take(), expected);
}

}  // namespace

// The IDE's window on a real X server lies on the screen, even when the
// stored layout put it off every screen.
#include <gtest/gtest.h>

#include <QRect>

#include "foundation/Settings.h"
#include "foundation/SettingsRegistry.h"
#include "platform/Registry.h"
#include "tests/ide/IdeProcess.h"
#include "tests/ide/display/XDo.h"

namespace {

// The window's rectangle as the X server has it.
QRect WindowGeometry(const QString& id)
{
    int values[4] = {-1, -1, -1, -1};
    const QString shell = QString::fromStdString(XDoTool({"getwindowgeometry", "--shell", id}));
    for (const QString& line : shell.split('\n')) {
        const QStringList pair = line.split('=');
        const char* names[] = {"X", "Y", "WIDTH", "HEIGHT"};
        for (int i = 0; i < 4; ++i)
            if (pair.size() == 2 && pair[0] == names[i]) values[i] = pair[1].toInt();
    }
    return {values[0], values[1], values[2], values[3]};
}

TEST(WindowsInSight, AStoredPositionOffTheScreenComesBackOntoIt)
{
    IdeWorld world;
    world.Platform = "xcb";
    RegistryOpen(world.Dir() + "/config/HalvoricInc/CorvaneTorve.conf");
    SetDefaultSettings();
    GlobalOptions.loaded = true;
    ASSERT_TRUE(SaveSettings());
    ASSERT_TRUE(SaveWindowLayout({{5000, -3000, 700, 500}, {-4000, 100, 373, 337}, {100, 9000, 373, 277}}));
    FreeSettings();
    RegistryClose();

    IdeProcess ide(world, {});
    ASSERT_TRUE(ide.Started());
    const QString window = QString::fromStdString(VisibleWindowId("Corvane Torve IDE", 30000));
    ASSERT_FALSE(window.isEmpty()) << ide.Err();
    const QRect shown = WindowGeometry(window);
    EXPECT_TRUE(QRect(0, 0, 1280, 1024).contains(shown))
        << shown.x() << "," << shown.y() << " " << shown.width() << "x" << shown.height();
    EXPECT_EQ(shown.size(), QSize(700, 500));
}

}  // namespace

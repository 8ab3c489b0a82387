#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "platform/ComPortMap.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/TempDir.h"

TEST(ComPortMap, FixedTableWithoutOverrides) {
    unsetenv("CORVANE_PORT_DIR");
    EXPECT_EQ(ComPortName(7), "COM7");
    EXPECT_EQ(ComPortDevicePath(1), "/dev/ttyS0");
    EXPECT_EQ(ComPortDevicePath(4), "/dev/ttyS3");
    EXPECT_EQ(ComPortDevicePath(5), "/dev/ttyUSB0");
    EXPECT_EQ(ComPortDevicePath(12), "/dev/ttyUSB7");
    EXPECT_EQ(ComPortDevicePath(13), "/dev/ttyACM0");
    EXPECT_EQ(ComPortDevicePath(19), "/dev/ttyACM6");
    EXPECT_EQ(ComPortDevicePath(0), "");
    EXPECT_EQ(ComPortDevicePath(20), "");
}

TEST(ComPortMap, UserLinkReplacesTableEntry) {
    unsetenv("CORVANE_PORT_DIR");
    std::string ports = std::string(std::getenv("XDG_CONFIG_HOME")) + "/HalvoricInc/ports";
    TempDir::MakeDirs(ports);
    ASSERT_EQ(symlink("/dev/null", (ports + "/COM2").c_str()), 0);
    EXPECT_EQ(ComPortDevicePath(2), ports + "/COM2");
    EXPECT_TRUE(ComPortExists(2));
    EXPECT_EQ(ComPortDevicePath(3), "/dev/ttyS2");
    unlink((ports + "/COM2").c_str());
}

TEST(ComPortMap, PortDirectoryIsTheOnlySource) {
    TempDir dir;
    std::string ports = std::string(std::getenv("XDG_CONFIG_HOME")) + "/HalvoricInc/ports";
    TempDir::MakeDirs(ports);
    ASSERT_EQ(symlink("/dev/null", (ports + "/COM5").c_str()), 0);
    ASSERT_EQ(symlink("/dev/zero", dir.File("COM3").c_str()), 0);
    TempDir::WriteFile(dir.File("COM4"), "not a device");
    ASSERT_EQ(symlink(dir.File("gone").c_str(), dir.File("COM6").c_str()), 0);

    ScopedEnv env("CORVANE_PORT_DIR", dir.Path());
    EXPECT_EQ(ComPortDevicePath(3), dir.File("COM3"));
    EXPECT_EQ(ComPortDevicePath(1), dir.File("COM1"));
    EXPECT_TRUE(ComPortExists(3));
    EXPECT_FALSE(ComPortExists(4));  // a plain file
    EXPECT_FALSE(ComPortExists(5));  // the user's link is not consulted
    EXPECT_FALSE(ComPortExists(6));  // dangling link
    EXPECT_FALSE(ComPortExists(1));
    unlink((ports + "/COM5").c_str());
}

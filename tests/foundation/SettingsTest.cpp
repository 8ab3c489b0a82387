#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <functional>
#include <map>
#include <string>

#include "foundation/Settings.h"
#include "foundation/SettingsRegistry.h"
#include "platform/ProgramDir.h"
#include "platform/Registry.h"
#include "tests/support/TempDir.h"

namespace {
class RecordingHook : public ISettingsHook {
public:
    bool DesktopSize(int32_t& width, int32_t& height) override {
        width = 1920;
        height = 1080;
        return true;
    }
    void DesktopOrigin(int32_t& left, int32_t& top) override { top = 28; }  // below a panel
    void ApplyEditorSettings(const tOptions& options) override {
        ++editorCalls;
        fontName = options.JavaCodeFontName;
    }
    void ApplyWindowLayout(const TWindowLayout& layout) override { mainLeft = layout.Main.Left; }
    void DisconnectSerialPort() override { ++disconnects; }

    int editorCalls = 0;
    int disconnects = 0;
    std::string fontName;
    int32_t mainLeft = -1;
};

// A private settings file and a port folder with COM2 and COM7.
class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        TempDir::MakeDirs(ports_);
        ASSERT_EQ(symlink("/dev/null", (ports_ + "/COM2").c_str()), 0);
        ASSERT_EQ(symlink("/dev/null", (ports_ + "/COM7").c_str()), 0);
        setenv("CORVANE_PORT_DIR", ports_.c_str(), 1);
        GlobalOptions = tOptions();
        RegistryOpen(File());
    }
    void TearDown() override {
        SetSettingsHook(nullptr);
        FreeSettings();
        RegistryClose();
        unsetenv("CORVANE_PORT_DIR");
    }
    std::string File() const { return dir_.File("CorvaneTorve.conf"); }
    void Reload() {
        GlobalOptions = tOptions();
        for (auto& slot : Recent) slot = "stale";
        LoadSettings();
    }
    // Saves a full, valid set of settings.
    void SaveSample() {
        GlobalOptions.loaded = true;
        GlobalOptions.NumberColor = 0x123456;
        GlobalOptions.JavaCodeFontColor = clWindowText;
        GlobalOptions.CommentStyle = 0;
        GlobalOptions.JavaCodeFontName = "DejaVu Sans Mono";
        GlobalOptions.JavaCodeFontSize = 13;
        GlobalOptions.ClassPath = "/l/one;/l/two";
        GlobalOptions.CompilerPath = "/c/jikes";
        GlobalOptions.DebugPort = 7;
        GlobalOptions.NumValidPorts = 3;
        GlobalOptions.ValidPort = {1, 2, 7};
        GlobalOptions.OpenDialogPath = "/open";
        GlobalOptions.SaveDialogPath = "/save";
        Recent[0] = "/w/A.java";
        Recent[19] = "/w/Z.java";
        SaveSettings();
        SaveWindowLayout({{10, 20, 800, 600}, {811, 20, 373, 337}, {811, 365, 373, 277}});
    }

    TempDir dir_;
    std::string ports_ = dir_.File("ports");
};
}  // namespace

TEST_F(SettingsTest, DefaultsFollowTheProgramDirectoryAndThePorts) {
    RecordingHook hook;
    SetSettingsHook(&hook);
    GlobalOptions.debugJVM2 = true;
    GlobalOptions.debugLinker = true;
    GlobalOptions.TestMode = true;
    Recent[3] = "/x.java";
    SetDefaultSettings();

    const tOptions& o = GlobalOptions;
    std::string dir = ProgramDirectory();
    EXPECT_EQ(o.ClassPath, dir + "/lib;" + dir + "/Projects");
    EXPECT_EQ(o.CompilerPath, dir + "/jikes/jikes");
    EXPECT_EQ(o.OpenDialogPath, dir + "/Projects");
    EXPECT_EQ(o.SaveDialogPath, dir + "/Projects");
    EXPECT_EQ(o.DebugPort, 0);
    ASSERT_EQ(o.NumValidPorts, 2);
    EXPECT_EQ(o.ValidPort[0], 2);
    EXPECT_EQ(o.ValidPort[1], 7);
    EXPECT_FALSE(o.debugLinker);
    EXPECT_FALSE(o.TestMode);
    EXPECT_TRUE(o.debugJVM2);  // left as it was
    EXPECT_EQ(Recent[3], "");
    EXPECT_EQ(hook.editorCalls, 1);
    EXPECT_EQ(hook.fontName, "Courier New");

    EXPECT_EQ(WindowLayout.Main.Width, 1920 - 376);
    EXPECT_EQ(WindowLayout.Main.Height, 1080 - 50);
    EXPECT_EQ(WindowLayout.Debug.Left, 1920 - 376 + 1);
    EXPECT_EQ(WindowLayout.Main.Top, 28 + 1);
    EXPECT_EQ(WindowLayout.Terminal.Top, 28 + 345);
    EXPECT_EQ(WindowLayout.Terminal.Height, 277);
    EXPECT_EQ(hook.mainLeft, 1);
}

TEST_F(SettingsTest, FirstRunKeepsDefaultsAndWritesNothing) {
    LoadSettings();
    EXPECT_TRUE(GlobalOptions.loaded);
    EXPECT_EQ(GlobalOptions.CompilerPath, ProgramDirectory() + "/jikes/jikes");
    EXPECT_FALSE(SettingsRegistry->ValueExists("Version"));
    SaveSettings();
    EXPECT_EQ(SettingsRegistry->ReadInteger("Version"), 1u);
    EXPECT_FALSE(SettingsRegistry->ValueExists("Recent0"));
}

// A second start in the same process (the acceptance suite starts the IDE
// once per test) opens its store and builds its forms before loading; a save
// meanwhile must not write the first run's freed paths as the new settings.
TEST_F(SettingsTest, FreedSettingsAreNotWrittenToTheNextStore) {
    SetDefaultSettings();
    SaveSettings();  // before any load: nothing
    EXPECT_TRUE(SettingsRegistry->GetValueNames().empty());
    LoadSettings();
    FreeSettings();
    RegistryOpen(dir_.File("Next.conf"));
    SaveSettings();
    EXPECT_TRUE(SettingsRegistry->GetValueNames().empty());
    LoadSettings();
    EXPECT_EQ(GlobalOptions.CompilerPath, ProgramDirectory() + "/jikes/jikes");
}

TEST_F(SettingsTest, SavedSettingsLoadBackAfterReopening) {
    SaveSample();
    RegistryOpen(File());
    RecordingHook hook;
    SetSettingsHook(&hook);
    Reload();

    const tOptions& o = GlobalOptions;
    EXPECT_EQ(o.NumberColor, 0x123456u);
    EXPECT_EQ(o.CommentStyle, 0);
    EXPECT_EQ(o.JavaCodeFontName, "DejaVu Sans Mono");
    EXPECT_EQ(o.JavaCodeFontSize, 13);
    EXPECT_EQ(o.ClassPath, "/l/one;/l/two");
    EXPECT_EQ(o.CompilerPath, "/c/jikes");
    EXPECT_EQ(o.DebugPort, 7);
    ASSERT_EQ(o.NumValidPorts, 3);
    EXPECT_EQ(o.ValidPort[2], 7);
    EXPECT_EQ(o.OpenDialogPath, "/open");
    EXPECT_EQ(o.SaveDialogPath, "/save");
    EXPECT_EQ(Recent[0], "/w/A.java");
    EXPECT_EQ(Recent[1], "");
    EXPECT_EQ(Recent[19], "/w/Z.java");
    EXPECT_EQ(WindowLayout.Main.Width, 800);
    EXPECT_EQ(WindowLayout.Terminal.Top, 365);
    EXPECT_EQ(hook.disconnects, 1);
    EXPECT_EQ(hook.editorCalls, 1);  // told once, after reading
    EXPECT_EQ(hook.fontName, "DejaVu Sans Mono");
    EXPECT_EQ(hook.mainLeft, 10);
}

// A saved sample changed in the store, then loaded: what each change leaves.
TEST_F(SettingsTest, ChangedStoresLoadWhatTheyCan) {
    const std::string projects = ProgramDirectory() + "/Projects";
    struct Case {
        const char* change;
        std::function<void(TRegistry&)> apply;
        std::map<std::string, std::string> expected;
    };
    const Case cases[] = {
        {"version 2 is not read", [](TRegistry& r) { r.WriteInteger("Version", 2); },
         {{"NumberColor", std::to_string(clNavy)}, {"CompilerPath", ProgramDirectory() + "/jikes/jikes"},
          {"Recent0", ""}, {"MainLeft", "1"}, {"TerminalTop", "345"}}},
        {"the first unreadable value ends loading", [](TRegistry& r) { r.WriteString("DebugPort", "seven"); },
         {{"CompilerPath", "/c/jikes"}, {"DebugPort", "0"}, {"OpenDialogPath", projects}, {"Recent0", ""}}},
        {"a missing port value ends only the port list", [](TRegistry& r) { r.DeleteValue("ValidPort2"); },
         {{"NumValidPorts", "2"}, {"OpenDialogPath", "/open"}, {"Recent19", "/w/Z.java"}, {"MainWidth", "800"}}},
        {"more than twenty ports take twenty",
         [](TRegistry& r) {
             r.WriteInteger("NumValidPorts", 25);
             for (int i = 0; i < 25; ++i) r.WriteInteger("ValidPort" + std::to_string(i), i + 1);
         },
         {{"NumValidPorts", "20"}, {"ValidPort19", "20"}}},
        {"a port count of -1 is none", [](TRegistry& r) { r.WriteInteger("NumValidPorts", 0xFFFFFFFFu); },
         {{"NumValidPorts", "0"}, {"OpenDialogPath", "/open"}}},
        {"an empty recent slot stays empty",
         [](TRegistry& r) {
             r.WriteString("Recent5", "");
             r.WriteString("Recent6", "/w/G.java");
         },
         {{"Recent5", ""}, {"Recent6", "/w/G.java"}, {"Recent19", "/w/Z.java"}}},
        {"stored Windows paths use slashes",
         [](TRegistry& r) {
             r.WriteString("ClassPath", "c:\\lib;c:\\w");
             r.WriteString("Recent0", "c:\\w\\A.java");
         },
         {{"ClassPath", "c:/lib;c:/w"}, {"Recent0", "c:/w/A.java"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.change);
        SaveSample();
        c.apply(*SettingsRegistry);
        Reload();
        EXPECT_TRUE(GlobalOptions.loaded);
        const tOptions& o = GlobalOptions;
        std::map<std::string, std::string> loaded = {
            {"NumberColor", std::to_string(o.NumberColor)}, {"CompilerPath", o.CompilerPath},
            {"ClassPath", o.ClassPath}, {"DebugPort", std::to_string(o.DebugPort)},
            {"NumValidPorts", std::to_string(o.NumValidPorts)}, {"ValidPort19", std::to_string(o.ValidPort[19])},
            {"OpenDialogPath", o.OpenDialogPath}, {"MainLeft", std::to_string(WindowLayout.Main.Left)},
            {"MainWidth", std::to_string(WindowLayout.Main.Width)},
            {"TerminalTop", std::to_string(WindowLayout.Terminal.Top)}};
        for (int slot : {0, 5, 6, 19}) loaded["Recent" + std::to_string(slot)] = Recent[size_t(slot)];
        for (const auto& [key, value] : c.expected) EXPECT_EQ(loaded.at(key), value) << key;
    }
}

TEST_F(SettingsTest, ClearedRecentListStaysCleared) {
    SaveSample();
    Reload();
    for (auto& slot : Recent) slot.clear();
    SaveSettings();
    EXPECT_FALSE(SettingsRegistry->ValueExists("Recent0"));
    EXPECT_FALSE(SettingsRegistry->ValueExists("Recent19"));
    Reload();
    EXPECT_EQ(Recent[0], "");
}

TEST_F(SettingsTest, StoredWindowsPathsUseSlashes) {
    SaveSample();
    SettingsRegistry->WriteString("ClassPath", "c:\\lib;c:\\w");
    SettingsRegistry->WriteString("Recent0", "c:\\w\\A.java");
    Reload();
    EXPECT_EQ(GlobalOptions.ClassPath, "c:/lib;c:/w");
    EXPECT_EQ(Recent[0], "c:/w/A.java");
}

TEST_F(SettingsTest, NoPortsMeansNoPortValues) {
    unlink((ports_ + "/COM2").c_str());
    unlink((ports_ + "/COM7").c_str());
    LoadSettings();
    EXPECT_EQ(GlobalOptions.NumValidPorts, 0);
    SaveSettings();
    EXPECT_EQ(SettingsRegistry->ReadInteger("NumValidPorts"), 0u);
    EXPECT_FALSE(SettingsRegistry->ValueExists("ValidPort0"));
}

TEST_F(SettingsTest, ListComPortsNamesExistingPorts) {
    std::vector<std::string> list{"first"};
    ListComPorts(list);
    EXPECT_EQ(list, (std::vector<std::string>{"first", "COM2", "COM7"}));
}

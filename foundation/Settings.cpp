#include "foundation/Settings.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "foundation/EError.h"
#include "foundation/SettingsRegistry.h"
#include "foundation/StoredPath.h"
#include "platform/ProgramDir.h"
#include "platform/Registry.h"

std::array<std::string, RecentSlots> Recent;
TWindowLayout WindowLayout;

namespace {
ISettingsHook* settingsHook = nullptr;

constexpr int32_t FallbackDesktopWidth = 1024;
constexpr int32_t FallbackDesktopHeight = 768;

std::string Numbered(const char* name, int i) { return name + std::to_string(i); }

int32_t ReadInt32(const std::string& name) {
    return static_cast<int32_t>(RegistryReadInteger(name));
}

void DefaultWindowLayout() {
    int32_t width = FallbackDesktopWidth, height = FallbackDesktopHeight;
    if (settingsHook && !settingsHook->DesktopSize(width, height)) {
        width = FallbackDesktopWidth;
        height = FallbackDesktopHeight;
    }
    int32_t left = 0, top = 0;
    if (settingsHook) settingsHook->DesktopOrigin(left, top);
    WindowLayout.Main = {left + 1, top + 1, width - 376, height - 50};
    WindowLayout.Debug = {left + WindowLayout.Main.Width + 1, top + 1, 373, 337};
    WindowLayout.Terminal = {left + WindowLayout.Main.Width + 1, top + 345, 373, 277};
}

void ApplyToWindows() {
    if (!settingsHook) return;
    settingsHook->ApplyEditorSettings(GlobalOptions);
    settingsHook->ApplyWindowLayout(WindowLayout);
}

void DefaultEditorSettings(tOptions& o) {
    const tOptions defaults;
    o.NumberColor = defaults.NumberColor;
    o.StringColor = defaults.StringColor;
    o.JavaDocColor = defaults.JavaDocColor;
    o.CommentColor = defaults.CommentColor;
    o.JavaDocStyle = defaults.JavaDocStyle;
    o.CommentStyle = defaults.CommentStyle;
    o.JavaCodeFontName = defaults.JavaCodeFontName;
    o.JavaCodeFontSize = defaults.JavaCodeFontSize;
    o.JavaCodeFontColor = defaults.JavaCodeFontColor;
}

void DefaultPorts(tOptions& o) {
    std::vector<std::string> ports;
    ListComPorts(ports);
    o.NumValidPorts = static_cast<int32_t>(std::min<size_t>(ports.size(), MaxValidPorts));
    for (int i = 0; i < o.NumValidPorts; ++i) o.ValidPort[i] = std::atoi(ports[i].c_str() + 3);
}

void DefaultSwitches(tOptions& o) {
    o.SingleStep = false;
    o.debugComLevel = 0;
    o.debugLinker = false;
    o.debugLineTranslate = false;
    o.debugStepping = false;
    o.debugClassLoader = false;
    o.debugDataView = false;
    o.debugORUFile = false;
    o.debugIgnoreEchoes = false;
    o.debugZeroStackOffset = false;
    o.debugLMNative = false;
    o.TestMode = false;
}

void ReadEditorSettings(tOptions& o) {
    o.NumberColor = RegistryReadInteger("NumberColor");
    o.StringColor = RegistryReadInteger("StringColor");
    o.JavaDocColor = RegistryReadInteger("JavaDocColor");
    o.CommentColor = RegistryReadInteger("CommentColor");
    o.JavaDocStyle = ReadInt32("JavaDocStyle");
    o.CommentStyle = ReadInt32("CommentStyle");
    o.JavaCodeFontName = RegistryReadString("JavaCodeFontName");
    o.JavaCodeFontSize = ReadInt32("JavaCodeFontSize");
    o.JavaCodeFontColor = RegistryReadInteger("JavaCodeFontColor");
}

// Takes at most MaxValidPorts values; the count is the number actually read.
void ReadValidPorts(tOptions& o, int32_t stored) {
    int32_t wanted = std::clamp<int32_t>(stored, 0, MaxValidPorts);
    o.NumValidPorts = 0;
    try {
        for (int i = 0; i < wanted; ++i) {
            o.ValidPort[i] = ReadInt32(Numbered("ValidPort", i));
            o.NumValidPorts = i + 1;
        }
    } catch (...) {
    }
}

void ReadRecent() {
    try {
        for (int i = 0; i < RecentSlots; ++i)
            Recent[i] = FromStoredPath(RegistryReadString(Numbered("Recent", i)));
    } catch (...) {
    }
}

void ReadWindowRect(const char* window, TWindowRect& rect) {
    std::string w(window);
    rect.Left = ReadInt32(w + "Left");
    rect.Top = ReadInt32(w + "Top");
    rect.Width = ReadInt32(w + "Width");
    rect.Height = ReadInt32(w + "Height");
}

void ReadStoredSettings(tOptions& o) {
    if (RegistryReadInteger("Version") != 1) return;
    ReadEditorSettings(o);
    o.ClassPath = FromStoredPath(RegistryReadString("ClassPath"));
    o.CompilerPath = FromStoredPath(RegistryReadString("CompilerPath"));
    o.DebugPort = ReadInt32("DebugPort");
    int32_t storedPorts = ReadInt32("NumValidPorts");
    if (settingsHook) settingsHook->DisconnectSerialPort();
    ReadValidPorts(o, storedPorts);
    o.OpenDialogPath = FromStoredPath(RegistryReadString("OpenDialogPath"));
    o.SaveDialogPath = FromStoredPath(RegistryReadString("SaveDialogPath"));
    ReadRecent();
    ReadWindowRect("Main", WindowLayout.Main);
    ReadWindowRect("Debug", WindowLayout.Debug);
    ReadWindowRect("Message", WindowLayout.Terminal);
}

void WriteEditorSettings(const tOptions& o) {
    RegistryWriteInteger("NumberColor", o.NumberColor);
    RegistryWriteInteger("StringColor", o.StringColor);
    RegistryWriteInteger("JavaDocColor", o.JavaDocColor);
    RegistryWriteInteger("CommentColor", o.CommentColor);
    RegistryWriteInteger("JavaDocStyle", static_cast<uint32_t>(o.JavaDocStyle));
    RegistryWriteInteger("CommentStyle", static_cast<uint32_t>(o.CommentStyle));
    RegistryWriteString("JavaCodeFontName", o.JavaCodeFontName);
    RegistryWriteInteger("JavaCodeFontSize", static_cast<uint32_t>(o.JavaCodeFontSize));
    RegistryWriteInteger("JavaCodeFontColor", o.JavaCodeFontColor);
}

void WriteValidPorts(const tOptions& o) {
    try {
        int32_t count = std::clamp<int32_t>(o.NumValidPorts, 0, MaxValidPorts);
        for (int i = 0; i < count; ++i)
            RegistryWriteInteger(Numbered("ValidPort", i), static_cast<uint32_t>(o.ValidPort[i]));
    } catch (...) {
    }
}

// An empty slot is removed, so that a cleared list stays cleared.
void WriteRecent() {
    try {
        for (int i = 0; i < RecentSlots; ++i) {
            if (Recent[i].empty())
                RegistryDeleteValue(Numbered("Recent", i));
            else
                RegistryWriteString(Numbered("Recent", i), Recent[i]);
        }
    } catch (...) {
    }
}

void WriteStoredSettings(const tOptions& o) {
    WriteEditorSettings(o);
    RegistryWriteInteger("Version", 1);
    RegistryWriteString("ClassPath", o.ClassPath);
    RegistryWriteString("CompilerPath", o.CompilerPath);
    RegistryWriteInteger("DebugPort", static_cast<uint32_t>(o.DebugPort));
    RegistryWriteInteger("NumValidPorts",
                         static_cast<uint32_t>(std::clamp<int32_t>(o.NumValidPorts, 0, MaxValidPorts)));
    WriteValidPorts(o);
    RegistryWriteString("OpenDialogPath", o.OpenDialogPath);
    RegistryWriteString("SaveDialogPath", o.SaveDialogPath);
    WriteRecent();
}

void WriteWindowRect(const char* window, const TWindowRect& rect) {
    std::string w(window);
    RegistryWriteInteger(w + "Left", static_cast<uint32_t>(rect.Left));
    RegistryWriteInteger(w + "Top", static_cast<uint32_t>(rect.Top));
    RegistryWriteInteger(w + "Width", static_cast<uint32_t>(rect.Width));
    RegistryWriteInteger(w + "Height", static_cast<uint32_t>(rect.Height));
}
}  // namespace

ISettingsHook* SetSettingsHook(ISettingsHook* hook) {
    ISettingsHook* previous = settingsHook;
    settingsHook = hook;
    return previous;
}

namespace {
void ResetToDefaults() {
    tOptions& o = GlobalOptions;
    std::string dir = ProgramDirectory();
    o.OpenDialogPath = dir + "/Projects";
    o.SaveDialogPath = dir + "/Projects";
    o.ClassPath = dir + "/lib;" + dir + "/Projects";
    o.CompilerPath = dir + "/jikes/jikes";
    o.DebugPort = 0;
    DefaultPorts(o);
    DefaultSwitches(o);
    for (std::string& slot : Recent) slot.clear();
    DefaultEditorSettings(o);
    DefaultWindowLayout();
}
}  // namespace

void SetDefaultSettings() {
    ResetToDefaults();
    ApplyToWindows();
}

// The windows are told once, after reading.
void LoadSettings() {
    ResetToDefaults();
    GlobalOptions.loaded = true;
    try {
        ReadStoredSettings(GlobalOptions);
    } catch (...) {
        // The first value that cannot be read ends loading.
    }
    ApplyToWindows();
}

bool SaveSettings() {
    if (!GlobalOptions.loaded) return true;
    try {
        WriteStoredSettings(GlobalOptions);
        return !SettingsRegistry || SettingsRegistry->Flush();
    } catch (...) {
        return false;
    }
}

bool SaveWindowLayout(const TWindowLayout& layout) {
    WindowLayout = layout;
    try {
        WriteWindowRect("Main", layout.Main);
        WriteWindowRect("Debug", layout.Debug);
        WriteWindowRect("Message", layout.Terminal);
        return !SettingsRegistry || SettingsRegistry->Flush();
    } catch (...) {
        return false;
    }
}

void ReportSettingsWriteFailure() {
    const std::string file = SettingsRegistry ? SettingsRegistry->FileName() : std::string();
    const int error = SettingsRegistry && SettingsRegistry->WriteErrorNumber() ? SettingsRegistry->WriteErrorNumber()
                                                                                : EIO;
    EError(ecIDE, 17, file.c_str(), error, std::strerror(error)).Report();
}

void ApplyEditorSettings() {
    if (settingsHook) settingsHook->ApplyEditorSettings(GlobalOptions);
}

// The run's settings end here: a later save has nothing of its own to write.
void FreeSettings() {
    GlobalOptions.loaded = false;
    GlobalOptions.ClassPath.clear();
    GlobalOptions.CompilerPath.clear();
    for (std::string& slot : Recent) slot.clear();
}

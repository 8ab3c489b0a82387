#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "foundation/Options.h"
#include "foundation/WindowRect.h"

// The recent-file list: 20 slots, an empty string is an empty slot.
extern std::array<std::string, RecentSlots> Recent;

// Positions of the windows that the settings keep.
struct TWindowLayout {
    TWindowRect Main;      // main window
    TWindowRect Debug;     // data window
    TWindowRect Terminal;  // terminal window
};
extern TWindowLayout WindowLayout;

// Installed by the windows that show settings. Every call is optional: with
// no hook the values are only stored.
class ISettingsHook {
public:
    virtual ~ISettingsHook() = default;
    // Size of the desktop the default layout fills; false when unknown.
    virtual bool DesktopSize(int32_t& width, int32_t& height) { return false; }
    // Its top-left corner (the default layout starts there).
    virtual void DesktopOrigin(int32_t& left, int32_t& top) {}
    // The editor colours, styles and font of the options (colour boxes, style
    // choices, highlighter attributes, the editor font).
    virtual void ApplyEditorSettings(const tOptions& options) {}
    virtual void ApplyWindowLayout(const TWindowLayout& layout) {}
    // The serial port setting changed: drop the current connection.
    virtual void DisconnectSerialPort() {}
};
ISettingsHook* SetSettingsHook(ISettingsHook* hook);  // returns the previous one

// Defaults: paths below the program directory, the ports that exist, no
// recent files, every debug switch off, default colours and window layout.
void SetDefaultSettings();
// Defaults, then the stored values when "Version" is 1. The first value that
// cannot be read ends loading silently; what was read so far stays.
void LoadSettings();
// Writes the settings (only after LoadSettings). Empty recent slots are
// removed from the store. False when the store could not be written; the
// values stay in force for the run.
bool SaveSettings();
// Writes the twelve window values ("Save Desktop"); false as above.
bool SaveWindowLayout(const TWindowLayout& layout);
// IDE-17 on the message list: the store's file, error number and text.
void ReportSettingsWriteFailure();
// Gives the editor colours, styles and font of the options to the windows.
void ApplyEditorSettings();
void FreeSettings();

// Appends "COM%d" for each port from 1 to 19 that exists.
void ListComPorts(std::vector<std::string>& list);

// "%d.%d.%d build %d" of the program's version.
std::string GetVersionString();

void InitHelp();
// Opens the help file with the desktop's viewer; a missing file or a failed
// start is reported on the message list.
void ShowHelp(const std::string& helpFile);

// Command-line results.
extern bool CmdLineDebug;
extern bool CmdLineTestMode;
extern std::string CmdLineTestClass;
extern std::string CmdLineClassPath;

// Parses argv (argv[0] is the program) into the CmdLine* results and returns
// the words that name files to open, in order. Raises IDE-37 for "-t" and
// IDE-38 for "-classpath" without a following word.
std::vector<std::string> ParseCommandLine(const std::vector<std::string>& args);
std::vector<std::string> ParseCommandLine(int argc, char** argv);

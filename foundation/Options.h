#pragma once
#include <array>
#include <cstdint>
#include <string>

using TColor = uint32_t;  // 0x00BBGGRR, or a system colour 0x800000nn

constexpr TColor clNavy = 0x800000;
constexpr TColor clMaroon = 0x80;
constexpr TColor clOlive = 0x8080;
constexpr TColor clGray = 0x808080;
constexpr TColor clWindowText = 0x80000008;

constexpr int MaxValidPorts = 20;
constexpr int RecentSlots = 20;

// The global settings of one run; debug switches are never stored.
struct tOptions {
    bool loaded = false;
    TColor NumberColor = clNavy;
    TColor StringColor = clMaroon;
    TColor JavaDocColor = clOlive;
    TColor CommentColor = clGray;
    int32_t JavaDocStyle = 1;
    int32_t CommentStyle = 1;
    std::string JavaCodeFontName = "Courier New";
    int32_t JavaCodeFontSize = 10;
    TColor JavaCodeFontColor = clWindowText;
    std::string ClassPath;
    std::string CompilerPath;
    bool SingleStep = false;
    int32_t DebugPort = 0;  // 0 = find the module automatically
    std::string OpenDialogPath;
    std::string SaveDialogPath;
    int32_t NumValidPorts = 0;
    std::array<int32_t, MaxValidPorts> ValidPort{};
    int32_t debugComLevel = 0;
    bool debugLinker = false;
    bool debugLineTranslate = false;
    bool debugStepping = false;
    bool debugClassLoader = false;
    bool debugDataView = false;
    bool debugORUFile = false;
    bool debugIgnoreEchoes = false;
    bool debugZeroStackOffset = false;
    bool debugLMNative = false;
    bool debugJVM2 = false;
    bool TestMode = false;
};

extern tOptions GlobalOptions;

// The settings the linker and the module link read: on a thread that runs a
// job, the copy the job took when it started (TJobOptionsScope); elsewhere
// GlobalOptions, which only the GUI thread changes.
const tOptions& JobOptions();

// Makes `copy` the calling thread's JobOptions while it lives.
class TJobOptionsScope {
public:
    explicit TJobOptionsScope(const tOptions& copy);
    ~TJobOptionsScope();
    TJobOptionsScope(const TJobOptionsScope&) = delete;
    TJobOptionsScope& operator=(const TJobOptionsScope&) = delete;

private:
    const tOptions* previous_;
};

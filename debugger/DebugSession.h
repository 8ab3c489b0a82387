#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "debugger/Breakpoint.h"
#include "debugger/DataView.h"
#include "debugger/DebugHost.h"
#include "debugger/LinkerImage.h"

class CORULinker;
class TSXComm;

// The one debug session of the main window: the current link and linker
// (owned), the breakpoint table, the temporary breakpoint, the last program
// counter, and the commands that move the program. Commands raise EError for
// the caller to report, except where noted. GUI thread only.
class TDebugSession {
public:
    static constexpr int32_t MaxBreakpoints = 6;
    static constexpr int32_t StepLimit = 500;
    static constexpr const char* Caption = "Corvane Torve IDE";
    static constexpr const char* RunningCaption = "Corvane Torve IDE [Running]";
    static constexpr const char* StoppedCaption = "Corvane Torve IDE [Stopped]";

    TDebugSession(IDebugHost& host, IDataView& dataView);
    ~TDebugSession();
    TDebugSession(const TDebugSession&) = delete;
    TDebugSession& operator=(const TDebugSession&) = delete;

    // --- the link and the linker
    TSXComm* JVM() const { return jvm_.get(); }
    void SetJVM(std::unique_ptr<TSXComm> jvm);
    CORULinker* Linker() const { return linker_.get(); }
    void SetLinker(std::unique_ptr<CORULinker> linker);
    // The linker's image as the link sees it, or null without a linker.
    const ILinkImage* Image() const { return image_.get(); }
    // Counts the links set; tells whose request EndDebugOfLink carries.
    uint64_t LinkGeneration() const { return linkGeneration_; }
    // A link that exists and whose session is not ending.
    bool HasLink() const;

    // --- the session
    // The first steps of a build or connect job: no breakpoints, no messages,
    // no link, no linker.
    void ClearForJob();
    // Begins the session; reports its own errors.
    void StartDebug();
    // Ends the session at once (commands).
    void EndDebug();
    // The link's request to end (module message 4), run from the event loop:
    // ends the session only while that link is still the current one.
    void EndDebugOfLink(uint64_t linkGeneration);
    bool ConfirmAbortDebug();
    bool QueryAbortDebug() { return ConfirmAbortDebug(); }
    bool Debugging() const { return debugging_; }
    void SetDebugging(bool debugging) { debugging_ = debugging; }

    // --- breakpoints
    // IDE-20 is dropped silently; other errors are raised.
    void ToggleBreakpointAt(int32_t line);
    void ClearBreakpoints();
    void DownloadBreakpointsIfChanged();
    int32_t BreakpointCount() const { return breakpointCount_; }
    const TBreakpoint& Breakpoint(int32_t index) const { return breakpoints_[size_t(index)]; }
    bool BreakpointsChanged() const { return breakpointsChanged_; }
    const TBreakpoint& TemporaryBreakpoint() const { return temporary_; }

    // --- moving the program
    void StepInto();
    void StepOver();
    void Run();
    void Stop();
    void Reset();
    // The toolbar's Reset: reconnects and restarts the program.
    void ToolbarReset();
    void JogInto();
    // One jog step; a step that fails ends jogging and is reported here.
    void JogTimerTimer();
    void StopJog();
    bool Jogging() const { return jogging_; }
    // Reads the status, shows the current line, refreshes the data window.
    void UpdateDebug();
    // The link saw the run end (a stop or end message).
    void RunStopped();
    uint32_t LastPC() const { return lastPC_; }

private:
    struct Position {
        std::string file;
        int32_t line = 0;
    };
    Position TranslateOr(uint32_t pc, const Position& fallback) const;
    enum class PassResult { SameLine, Moved, LinkEnding };
    void StepCommand(bool over);
    void StepByLine(bool over);
    PassResult StepPass(const Position& start, int32_t& counter, uint8_t& bytecode);
    bool RunOverCall();
    void AddBreakpoint(TPageHandle page, const std::string& file, int32_t requested, int32_t snapped);
    void RemoveBreakpoint(int32_t index);
    void ClearMark(const TBreakpoint& entry);
    void ShowCaption(const char* caption);

    IDebugHost& host_;
    IDataView& dataView_;
    std::unique_ptr<TSXComm> jvm_;
    std::unique_ptr<CORULinker> linker_;
    std::unique_ptr<TLinkerImage> image_;  // of linker_
    uint64_t linkGeneration_ = 0;
    bool jogging_ = false;
    bool debugging_ = false;
    TBreakpoint temporary_;
    std::array<TBreakpoint, MaxBreakpoints> breakpoints_{};
    int32_t breakpointCount_ = 0;
    bool breakpointsChanged_ = false;
    uint32_t lastPC_ = 0;
    bool captionRunning_ = false;
};

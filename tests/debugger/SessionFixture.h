#pragma once
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "debugger/DataView.h"
#include "debugger/DebugHost.h"
#include "debugger/DebugSession.h"
#include "devicelink/Clock.h"
#include "devicelink/LinkHost.h"
#include "devicelink/SXComm.h"
#include "foundation/Options.h"
#include "linker/ORULinker.h"
#include "tests/support/CaptureSink.h"
#include "tools/orusim/EventLog.h"
#include "tools/orusim/MemoryTransport.h"
#include "tools/orusim/ProtocolEngine.h"
#include "tools/orusim/vm/OruVmEngine.h"

// Java sources compiled once per test process through the compiler adapter,
// in a folder of their own; the key names the set.
std::string CompiledProgram(const std::string& key, const std::vector<std::pair<std::string, std::string>>& sources);
// Files of examples/, compiled.
std::string ExampleProgram(const std::string& key, const std::vector<std::string>& files);
// The examples Stepping.java and Counter.java.
std::string SteppingProgram();
// tests/debugger/programs/Spin.java: its loop stays on one line.
std::string SpinProgram();
constexpr int SpinLoopLine = 5;

// The main window as the session sees it, recorded: pages by handle, marks,
// the execution line, caption, jog timer, box answers, the data window; and
// the link's host, whose end request waits in a queue until Pump.
class RecordingHost : public ILinkHost, public IDebugHost, public IDataView {
public:
    TDebugSession* session = nullptr;

    // --- ILinkHost
    bool HasLinkWorker() override { return false; }
    void CheckCancel() override {}
    void SetProgressMax(int32_t) override {}
    void SetProgress(int32_t) override {}
    void StopJog() override { session->StopJog(); }
    const ILinkImage* CurrentImage() override { return session->Image(); }
    std::string OpcodeName(uint8_t imageByte) override { return TLinkerImage::OpcodeName(imageByte); }
    bool Debugging() override { return session->Debugging(); }
    void UpdateDebug() override { session->UpdateDebug(); }
    void RunStopped() override { session->RunStopped(); }
    void EndDebug() override { endRequests.push_back(session->LinkGeneration()); }
    void AddText(const char*) override {}
    void SendFileFinished() override {}
    FILE* TestLogFile() override { return nullptr; }
    void Terminate() override {}

    // --- IDebugHost
    TPageHandle CurrentPage() override { return current; }
    std::string PageFileName(TPageHandle page) override;
    bool PageOpen(TPageHandle page) override { return pages.count(page) != 0; }
    void SetLineMark(TPageHandle page, int32_t line, TLineMark mark, bool on) override;
    bool ShowExecutionLine(const std::string& file, int32_t line) override;
    void ClearExecutionLine() override;
    void ClearMessages() override { ++messageClears; }
    void SetCaption(const std::string& text) override { caption = text; }
    void StartJogTimer() override { jogTimer = true; }
    void StopJogTimer() override { jogTimer = false; }
    TConfirmAnswer Confirm(const std::string& text) override;
    void HideTerminal() override { terminalHidden = true; }

    // --- IDataView
    void Attach(TSXComm* link) override
    {
        attached = link;
        if (dataView) dataView->Attach(link);
    }
    void RefreshStack(int32_t javaPc) override
    {
        ++stackRefreshes;
        if (dataView) dataView->RefreshStack(javaPc);
    }
    void Show() override { dataVisible = true; }
    void Hide() override { dataVisible = false; }

    // Pages: opening makes the page current.
    TPageHandle OpenPage(const std::string& file);
    void ClosePage(TPageHandle page);
    TPageHandle PageOf(const std::string& file) const;
    bool HasMark(TPageHandle page, int32_t line, TLineMark mark) const;
    int32_t MarkCount(TLineMark mark) const;
    // Runs the queued end requests, as the event loop would.
    void Pump();

    std::map<TPageHandle, std::string> pages;
    std::set<std::string> unreadable;  // files that cannot be opened
    TPageHandle current = NoPage;
    TPageHandle nextPage = 1;
    std::set<std::tuple<TPageHandle, int32_t, TLineMark>> marks;
    std::string executionFile;
    int32_t executionLine = 0;
    int executionShows = 0;
    int messageClears = 0;
    std::string caption;
    bool jogTimer = false;
    std::deque<TConfirmAnswer> answers;
    std::vector<std::string> boxes;
    bool terminalHidden = false;
    std::deque<uint64_t> endRequests;
    TSXComm* attached = nullptr;
    IDataView* dataView = nullptr;  // the real data window, when a test has one
    int stackRefreshes = 0;
    bool dataVisible = false;
};

// A session on the simulated module: the real link over the in-memory
// transport to orusim's machine on a virtual clock.
class SessionRig {
public:
    SessionRig();
    ~SessionRig();

    // Links mainClass from the compiled folder into a linker of its own;
    // fails the test on an error.
    std::unique_ptr<CORULinker> Link(const std::string& folder, const std::string& mainClass);
    // What the build job and StartDebug do: a new link, connect, download,
    // a debug reset, then the session's start. The linker may be null.
    void Start(std::unique_ptr<CORULinker> linker, bool download = true);
    // Opens the page of mainClass's file, links and starts; the page.
    TPageHandle StartProgram(const std::string& folder, const std::string& mainClass);
    // Runs to a breakpoint at a line of the current page; the breakpoint stays.
    void RunTo(int line);
    // Start without the session's start.
    void Prepare(std::unique_ptr<CORULinker> linker, bool download = true);
    // Feeds the module's output to the link, as the receive handler does,
    // until the program stops (or a bound of turns), then pumps the host.
    void ReceiveUntilStopped();
    // The source path of a compiled file, and its page (opened when missing).
    std::string Source(const std::string& folder, const std::string& name) const { return folder + "/" + name; }

    std::vector<std::string> Commands() const { return log.CommandNames(); }
    size_t CountSince(size_t from, const std::string& name) const;
    std::vector<std::vector<int64_t>> BreakpointLists() const;

    tOptions savedOptions;
    CaptureSink sink;
    VirtualClock clock{0};
    orusim::OruVmEngine engine;
    orusim::EventLog log;
    orusim::ProtocolEngine module{clock, engine, log};
    orusim::MemoryTransport port{module};
    RecordingHost host;
    TDebugSession session{host, host};
    std::vector<uint8_t> image;
};

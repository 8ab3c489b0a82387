#pragma once
#include <memory>
#include <string>

#include "debugger/DebugSession.h"
#include "devicelink/Clock.h"
#include "devicelink/LinkHost.h"
#include "foundation/MessageSink.h"
#include "foundation/Options.h"
#include "tools/orusim/EventLog.h"
#include "tools/orusim/MemoryTransport.h"
#include "tools/orusim/ProtocolEngine.h"
#include "tools/orusim/vm/OruVmEngine.h"

class CORULinker;

// Drops every message line.
class SilentSink : public IMessageSink {
public:
    void AddLine(std::string, std::unique_ptr<TLinInfo>) override {}
};

// A main window that shows nothing; its one page is `file`.
class QuietHost : public NullLinkHost, public IDebugHost {
public:
    TDebugSession* session = nullptr;
    std::string file;
    void StopJog() override { session->StopJog(); }
    const ILinkImage* CurrentImage() override { return session->Image(); }
    bool Debugging() override { return session->Debugging(); }
    void UpdateDebug() override { session->UpdateDebug(); }
    TPageHandle CurrentPage() override { return 1; }
    std::string PageFileName(TPageHandle) override { return file; }
    bool PageOpen(TPageHandle page) override { return page == 1; }
    void SetLineMark(TPageHandle, int32_t, TLineMark, bool) override {}
    bool ShowExecutionLine(const std::string&, int32_t) override { return true; }
    void ClearExecutionLine() override {}
    void ClearMessages() override {}
    void SetCaption(const std::string&) override {}
    void StartJogTimer() override {}
    void StopJogTimer() override {}
    TConfirmAnswer Confirm(const std::string&) override { return TConfirmAnswer::No; }
    void HideTerminal() override {}
};

// Points the helpers at this build's program and source folders.
void UseBuildFolders();
// Compiles tests/debugger/programs/<mainClass>.java into folder and links it;
// null (with the reason on stderr) on failure.
std::unique_ptr<CORULinker> LinkTestProgram(const std::string& folder, const std::string& mainClass);
// The simulated machine behind the in-memory transport on a virtual clock,
// a quiet main window, and no message lines while it lives.
struct TBenchModule {
    explicit TBenchModule(bool paced = false) : port(module, paced)
    {
        previousSink = SetMessageSink(&sink);
        GlobalOptions.DebugPort = 1;
    }
    ~TBenchModule() { SetMessageSink(previousSink); }

    SilentSink sink;
    IMessageSink* previousSink = nullptr;
    VirtualClock clock{0};
    orusim::OruVmEngine engine;
    orusim::EventLog log;
    orusim::ProtocolEngine module{clock, engine, log};
    orusim::MemoryTransport port;
    QuietHost host;
};

// Gives the session the linker and a link to the module behind port,
// downloads the image, starts the session and runs to the line of the host's
// page. Raises EError.
void RunToLine(TDebugSession& session, QuietHost& host, orusim::MemoryTransport& port, VirtualClock& clock,
               std::unique_ptr<CORULinker> linker, int line);

// The session's life: the link and the linker, start, end and confirmation.
#include "debugger/DebugSession.h"

#include <string_view>

#include "devicelink/SXComm.h"
#include "foundation/EError.h"
#include "linker/ORULinker.h"

TDebugSession::TDebugSession(IDebugHost& host, IDataView& dataView) : host_(host), dataView_(dataView) {}

TDebugSession::~TDebugSession()
{
    dataView_.Attach(nullptr);
}

void TDebugSession::SetJVM(std::unique_ptr<TSXComm> jvm)
{
    // The data window reads through the link: never through a deleted one.
    dataView_.Attach(nullptr);
    jvm_ = std::move(jvm);
    ++linkGeneration_;
}

void TDebugSession::SetLinker(std::unique_ptr<CORULinker> linker)
{
    image_.reset();
    linker_ = std::move(linker);
    if (linker_) image_ = std::make_unique<TLinkerImage>(*linker_);
}

bool TDebugSession::HasLink() const
{
    return jvm_ && !jvm_->SessionEnding();
}

void TDebugSession::ClearForJob()
{
    ClearBreakpoints();
    host_.ClearMessages();
    debugging_ = false;
    SetJVM(nullptr);
    SetLinker(nullptr);
}

void TDebugSession::StartDebug()
{
    if (!jvm_) return;
    try {
        breakpointsChanged_ = true;
        DownloadBreakpointsIfChanged();
        dataView_.Show();
        dataView_.Attach(jvm_.get());
        debugging_ = true;
        UpdateDebug();
    } catch (const EError& error) {
        debugging_ = false;
        dataView_.Hide();
        error.Report();
    }
}

void TDebugSession::EndDebug()
{
    debugging_ = false;
    SetJVM(nullptr);
    SetLinker(nullptr);
    dataView_.Hide();
    host_.HideTerminal();
    ShowCaption(Caption);
    ClearBreakpoints();
}

void TDebugSession::EndDebugOfLink(uint64_t linkGeneration)
{
    if (jvm_ && linkGeneration == linkGeneration_) EndDebug();
}

bool TDebugSession::ConfirmAbortDebug()
{
    if (!HasLink()) return true;
    if (host_.Confirm("A debug session is in progress. Abort debugging?") != TConfirmAnswer::Yes) return false;
    EndDebug();
    return true;
}

void TDebugSession::ShowCaption(const char* caption)
{
    captionRunning_ = std::string_view(caption) == RunningCaption;
    host_.SetCaption(caption);
}

void TDebugSession::RunStopped()
{
    if (captionRunning_) ShowCaption(StoppedCaption);
}

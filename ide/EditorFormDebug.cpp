// The debug session in the main window: its creation with the data window,
// the debug commands, the link's requests and the ending.
#include <QMetaObject>
#include <QTimer>

#include "debugger/DebugSession.h"
#include "debugger/qt/DataViewForm.h"
#include "devicelink/SXComm.h"
#include "foundation/EError.h"
#include "ide/EditorForm.h"
#include "ide/WindowPlacement.h"
#include "ide/ZARNSource.h"
#include "linker/ORULinker.h"

void TEditorForm::CreateDebugSession()
{
    // The data window first: the session detaches it when it goes.
    dataView_ = new TDataViewForm([this] { return session_ ? session_->Linker() : nullptr; }, this);
    session_ = std::make_unique<TDebugSession>(*this, *dataView_);
    SetBreakpointQuery([this](const CZARNSource& page, int line) {
        const auto found = handlesByPage_.find(&page);
        if (found == handlesByPage_.end()) return false;
        for (int32_t i = 0; i < session_->BreakpointCount(); ++i) {
            const TBreakpoint& entry = session_->Breakpoint(i);
            if (entry.Page == found->second && entry.Line == line) return true;
        }
        return false;
    });
}

void TEditorForm::SetDataWindowActions()
{
    dataView_->SetActions({Action("Run"), Action("Stop"), Action("StepInto"), Action("StepOver"),
                           Action("ToggleBreakpoint"), Action("Reset"), Action("ShowMessage")});
}

void TEditorForm::PlaceDataWindow(const TWindowRect& stored)
{
    PlaceFrame(*dataView_, stored, this);
}

CORULinker* TEditorForm::Linker() const
{
    return session_ ? session_->Linker() : nullptr;
}

const ILinkImage* TEditorForm::CurrentImage()
{
    return session_ ? session_->Image() : nullptr;
}

std::string TEditorForm::OpcodeName(uint8_t imageByte)
{
    return TLinkerImage::OpcodeName(imageByte);
}

void TEditorForm::SetLinker(std::unique_ptr<CORULinker> linker)
{
    session_->SetLinker(std::move(linker));
}

TSXComm* TEditorForm::JVM() const
{
    return session_ ? session_->JVM() : nullptr;  // none once the window is going
}

void TEditorForm::SetJVM(std::unique_ptr<TSXComm> jvm)
{
    session_->SetJVM(std::move(jvm));
}

void TEditorForm::SetDebugging(bool on)
{
    session_->SetDebugging(on);
}

bool TEditorForm::Debugging()
{
    return session_->Debugging();
}

// --- commands

void TEditorForm::DebugCommand(void (TDebugSession::*command)())
{
    try {
        (session_.get()->*command)();
    } catch (const EError& e) {
        e.Report();
    }
}

void TEditorForm::StepButtonClick() { DebugCommand(&TDebugSession::StepInto); }
void TEditorForm::StepOverExecute() { DebugCommand(&TDebugSession::StepOver); }
void TEditorForm::RunButtonClick() { DebugCommand(&TDebugSession::Run); }
void TEditorForm::StopExecute() { DebugCommand(&TDebugSession::Stop); }
void TEditorForm::ResetExecute() { DebugCommand(&TDebugSession::Reset); }
void TEditorForm::JogIntoExecute() { DebugCommand(&TDebugSession::JogInto); }
void TEditorForm::ExitDebuggerExecute() { DebugCommand(&TDebugSession::EndDebug); }
void TEditorForm::JogTimerTimer() { session_->JogTimerTimer(); }
void TEditorForm::StartDebug() { session_->StartDebug(); }
// The toolbar's Reset reports nothing itself.
void TEditorForm::ToolButton1Click() { session_->ToolbarReset(); }

void TEditorForm::ToggleBreakpointExecute()
{
    if (!currentEditor_) return;
    EditorGutterClick(*currentEditor_, currentEditor_->CaretY());
}

void TEditorForm::EditorGutterClick(CZARNSource& page, int line)
{
    if (&page != currentEditor_) return;
    try {
        session_->ToggleBreakpointAt(line);
    } catch (const EError& e) {
        e.Report();
    }
}

void TEditorForm::ShowDebuggerExecute()
{
    dataView_->show();
    dataView_->raise();
}

void TEditorForm::DebugExecute() { StartBuildJob(true, false); }
void TEditorForm::ResumeDebugExecute() { StartBuildJob(true, true); }

// --- the session's end and the link's requests

void TEditorForm::EndDebug()
{
    // Only the session of the link that asked ends, once back in the event loop.
    const uint64_t generation = session_->LinkGeneration();
    QMetaObject::invokeMethod(this, [this, generation] { session_->EndDebugOfLink(generation); },
                              Qt::QueuedConnection);
}

void TEditorForm::EndDebugNow()
{
    session_->EndDebug();
}

void TEditorForm::StopJog() { session_->StopJog(); }
void TEditorForm::UpdateDebug() { session_->UpdateDebug(); }
void TEditorForm::RunStopped() { session_->RunStopped(); }

bool TEditorForm::ConfirmAbortDebug()
{
    return session_->ConfirmAbortDebug();
}

bool TEditorForm::QueryAbortDebug()
{
    return session_->QueryAbortDebug();
}

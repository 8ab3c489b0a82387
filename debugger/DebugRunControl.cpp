// Run, stop, reset, jogging and the refresh after every stop.
#include "debugger/DebugSession.h"
#include "devicelink/SXComm.h"
#include "foundation/EError.h"
#include "foundation/Messages.h"
#include "foundation/Options.h"
#include "linker/JvmOpcodes.h"
#include "linker/ORULinker.h"

void TDebugSession::Run()
{
    host_.ClearMessages();
    if (!HasLink()) return;
    DownloadBreakpointsIfChanged();
    jvm_->Run();
    host_.ClearExecutionLine();
    ShowCaption(RunningCaption);
}

void TDebugSession::Stop()
{
    if (jogging_) return StopJog();
    if (!HasLink()) return;
    jvm_->Stop();
    UpdateDebug();
    ShowCaption(StoppedCaption);
}

void TDebugSession::Reset()
{
    if (!HasLink()) return;
    Stop();
    if (!HasLink()) return;
    jvm_->Reset(false);
    breakpointsChanged_ = true;
    UpdateDebug();
}

void TDebugSession::ToolbarReset()
{
    if (!HasLink()) return;
    jvm_->Connect();
    jvm_->Reset(true);
}

void TDebugSession::JogInto()
{
    if (!HasLink()) return;
    jogging_ = true;
    host_.StartJogTimer();
}

void TDebugSession::JogTimerTimer()
{
    if (!HasLink()) return StopJog();
    try {
        StepInto();
    } catch (const EError& error) {
        StopJog();
        error.Report();
        return;
    }
    if (!HasLink()) StopJog();
}

void TDebugSession::StopJog()
{
    jogging_ = false;
    host_.StopJogTimer();
}

void TDebugSession::UpdateDebug()
{
    if (!HasLink()) return;
    int32_t pc = 0, activity = 0;
    uint8_t bytecode = 0;
    jvm_->QueryStatus(pc, activity, bytecode);
    const char* mnemonic = JvmOpcodeName(CORULinker::OruToJvmOpcode(bytecode));
    if (GlobalOptions.debugStepping)
        DebugPrintf("JVM PC: %d activity %d bytecode 0x%2.2X=%s\n", pc, activity, bytecode, mnemonic);
    lastPC_ = uint32_t(pc);
    if (!linker_ || !HasLink()) return;
    int line = 0, javaPc = 0;
    const std::string file = linker_->TranslatePC(lastPC_, line, javaPc);
    if (GlobalOptions.debugLineTranslate)
        DebugPrintf("Line number translation: file=%s pc=%d line=%d", file.c_str(), pc, line);
    if (GlobalOptions.SingleStep) MessagePrintf("[Info] Next instruction: %s at line %d", mnemonic, line);
    if (!host_.ShowExecutionLine(file, line)) DebugPrintf("Counldn't find file '%s'", file.c_str());
    dataView_.RefreshStack(javaPc);
}

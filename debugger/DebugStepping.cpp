// Step into and step over: the module runs one bytecode per step command,
// repeated until the program counter belongs to another line or file.
#include "debugger/DebugSession.h"
#include "devicelink/SXComm.h"
#include "foundation/EError.h"
#include "foundation/Messages.h"
#include "foundation/Options.h"
#include "linker/JvmOpcodes.h"
#include "linker/ORULinker.h"

namespace {

constexpr int JvmInvokeVirtual = 0xB6;
constexpr int JvmInvokeInterface = 0xB9;
// An invoke instruction's length in the image.
constexpr uint32_t InvokeLength = 3;

bool IsInvoke(uint8_t bytecode)
{
    const int opcode = CORULinker::OruToJvmOpcode(bytecode);
    return opcode >= JvmInvokeVirtual && opcode <= JvmInvokeInterface;
}

bool IsNoLineInfo(const EError& error)
{
    return error.Category == ecJVM && error.Number == 26;
}

}  // namespace

TDebugSession::Position TDebugSession::TranslateOr(uint32_t pc, const Position& fallback) const
{
    try {
        Position position;
        int javaPc = 0;
        position.file = linker_->TranslatePC(pc, position.line, javaPc);
        return position;
    } catch (const EError& error) {
        if (IsNoLineInfo(error)) return fallback;
        throw;
    }
}

void TDebugSession::StepInto()
{
    StepCommand(false);
}

void TDebugSession::StepOver()
{
    StepCommand(true);
}

void TDebugSession::StepCommand(bool over)
{
    if (!HasLink()) return;
    if (breakpointsChanged_) DownloadBreakpointsIfChanged();
    if (GlobalOptions.SingleStep) {
        jvm_->Step();
        if (HasLink()) UpdateDebug();
        return;
    }
    StepByLine(over);
}

void TDebugSession::StepByLine(bool over)
{
    if (!linker_) return;
    const Position start = TranslateOr(lastPC_, {host_.PageFileName(host_.CurrentPage()), 0});
    if (GlobalOptions.debugStepping)
        DebugPrintf("Before step: file=%s pc=%u line=%d", start.file.c_str(), lastPC_, start.line);
    uint8_t bytecode = 0;
    if (over) {
        int32_t pc = 0, activity = 0;
        jvm_->QueryStatus(pc, activity, bytecode);
        if (!HasLink()) return;
    }
    int32_t counter = 0;
    for (;;) {
        if (over && IsInvoke(bytecode) && RunOverCall()) return;
        switch (StepPass(start, counter, bytecode)) {
        case PassResult::SameLine: continue;
        case PassResult::Moved: return UpdateDebug();
        case PassResult::LinkEnding: return;
        }
    }
}

TDebugSession::PassResult TDebugSession::StepPass(const Position& start, int32_t& counter, uint8_t& bytecode)
{
    jvm_->Step();
    if (!HasLink()) return PassResult::LinkEnding;
    int32_t pc = 0, activity = 0;
    jvm_->QueryStatus(pc, activity, bytecode);
    if (!HasLink()) return PassResult::LinkEnding;
    lastPC_ = uint32_t(pc);
    const Position now = TranslateOr(lastPC_, start);
    if (GlobalOptions.debugStepping) {
        DebugPrintf("Step into: file=%s pc=%d line=%d", now.file.c_str(), pc, now.line);
        DebugPrintf("JVM PC: %d activity %d bytecode 0x%2.2X=%s\n", pc, activity, bytecode,
                    JvmOpcodeName(CORULinker::OruToJvmOpcode(bytecode)));
    }
    if (now.line == start.line && ++counter > StepLimit) throw EError(ecIDE, 26);
    return now.line == start.line && now.file == start.file ? PassResult::SameLine : PassResult::Moved;
}

bool TDebugSession::RunOverCall()
{
    try {
        temporary_ = {lastPC_ + InvokeLength, 1, host_.CurrentPage()};
        DownloadBreakpointsIfChanged();
        jvm_->Run();
        temporary_.Address = 0;
        return true;
    } catch (const EError& error) {
        temporary_.Address = 0;
        if (error.Category == ecIDE && (error.Number == 19 || error.Number == 20)) return false;
        throw;
    }
}

// The breakpoint table: toggling, clearing and sending it to the module.
#include <vector>

#include "debugger/DebugSession.h"
#include "devicelink/SXComm.h"
#include "foundation/EError.h"
#include "foundation/Messages.h"
#include "foundation/Options.h"
#include "linker/ORULinker.h"

void TDebugSession::ToggleBreakpointAt(int32_t line)
{
    if (!linker_) return;
    const TPageHandle page = host_.CurrentPage();
    if (page == NoPage) return;
    const std::string file = host_.PageFileName(page);
    if (file.empty()) return;
    try {
        const int32_t snapped = linker_->FindBreakableLine(file, line);
        for (int32_t i = 0; i < breakpointCount_; ++i) {
            if (breakpoints_[size_t(i)].Page == page && breakpoints_[size_t(i)].Line == snapped) {
                RemoveBreakpoint(i);
                breakpointsChanged_ = true;
                return;
            }
        }
        AddBreakpoint(page, file, line, snapped);
        breakpointsChanged_ = true;
    } catch (const EError& error) {
        if (error.Category == ecIDE && error.Number == 20) return;
        throw;
    }
}

void TDebugSession::AddBreakpoint(TPageHandle page, const std::string& file, int32_t requested, int32_t snapped)
{
    // Looked up first, so that a failure leaves the table as it was.
    const uint32_t address = linker_->FindBreakpointAddress(file, requested);
    if (breakpointCount_ == MaxBreakpoints) {
        ClearMark(breakpoints_[MaxBreakpoints - 1]);
        breakpointCount_ = MaxBreakpoints - 1;
    }
    for (int32_t i = breakpointCount_; i > 0; --i) breakpoints_[size_t(i)] = breakpoints_[size_t(i - 1)];
    breakpoints_[0] = {address, snapped, page};
    ++breakpointCount_;
    host_.SetLineMark(page, snapped, TLineMark::BreakPoint, true);
    if (GlobalOptions.debugLineTranslate) DebugPrintf("Line = %d oruLine = %u", snapped, address);
}

void TDebugSession::RemoveBreakpoint(int32_t index)
{
    ClearMark(breakpoints_[size_t(index)]);
    for (int32_t i = index; i + 1 < breakpointCount_; ++i) breakpoints_[size_t(i)] = breakpoints_[size_t(i + 1)];
    --breakpointCount_;
    breakpoints_[size_t(breakpointCount_)] = {};
}

void TDebugSession::ClearMark(const TBreakpoint& entry)
{
    if (host_.PageOpen(entry.Page)) host_.SetLineMark(entry.Page, entry.Line, TLineMark::BreakPoint, false);
}

void TDebugSession::ClearBreakpoints()
{
    for (int32_t i = 0; i < breakpointCount_; ++i) {
        ClearMark(breakpoints_[size_t(i)]);
        breakpoints_[size_t(i)] = {};
        breakpointsChanged_ = true;
    }
    breakpointCount_ = 0;
    host_.ClearExecutionLine();
    temporary_.Address = 0;
}

void TDebugSession::DownloadBreakpointsIfChanged()
{
    if (!HasLink()) return;
    std::vector<uint32_t> list;
    for (int32_t i = 0; i < breakpointCount_; ++i) list.push_back(breakpoints_[size_t(i)].Address);
    if (temporary_.Address != 0) list.push_back(temporary_.Address);
    jvm_->DownloadBreakpoints(list.data(), int32_t(list.size()), temporary_.Address);
    breakpointsChanged_ = false;
}

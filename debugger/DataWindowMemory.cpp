#include <algorithm>

#include "debugger/DataWindow.h"
#include "debugger/LineFormat.h"
#include "foundation/Messages.h"
#include "foundation/Options.h"
#include "linker/ORULinker.h"

namespace {
// A part of the bar: never below 0 nor wider than the bar.
int BarPart(int32_t bytes, int32_t memSize)
{
    if (memSize <= 0 || bytes <= 0) return 0;
    const double width = double(bytes) / double(memSize) * TMemoryBars::BarWidth;
    return std::min(int(width), TMemoryBars::BarWidth);
}
}  // namespace

void TDataWindow::ShowMemoryPage()
{
    FillClassSizes();
    ShowMemory(config_[0] - stackBase_, stack_.GetSize(), heap_.HeapUsed());
}

void TDataWindow::DebugTabsChange()
{
    if (!memoryPage_.MemoryShowing() || !link_ || !linker_()) return;
    ShowMemoryPage();
}

void TDataWindow::ShowMemory(int32_t memSize, int32_t sp, int32_t hp)
{
    if (GlobalOptions.debugDataView) DebugPrintf("sp = %d hp = %d memSize = %d", sp, hp, memSize);
    TMemoryBars bars;
    bars.stackText = FormatLine("Stack: %d", sp);
    bars.heapText = FormatLine("Heap: %d", hp);
    bars.stackWidth = BarPart(sp, memSize);
    bars.heapWidth = BarPart(hp, memSize);
    bars.heapLeft = TMemoryBars::BarLeft + TMemoryBars::BarWidth - bars.heapWidth;
    memoryPage_.SetBars(bars);
}

void TDataWindow::FillClassSizes()
{
    const CORULinker* linker = linker_();
    if (!linker) return;
    TMemoryFigures figures;
    figures.total = config_[0];
    std::vector<TClassSizeRow> rows{{"Class", "Code Size", "Strings Size"}};
    for (int i = 0; i < linker->GetClassCount(); ++i) {
        figures.code += int32_t(linker->GetClassCodeSize(i));
        rows.push_back({linker->GetClass(i)->GetName(), FormatLine("%u", linker->GetClassCodeSize(i)),
                        FormatLine("%u", linker->GetClassStringsSize(i))});
    }
    figures.strings = linker->GetStringAreaSize();
    figures.statics = linker->GetStaticAreaSize();
    figures.stack = stack_.GetSize();
    figures.heap = heap_.HeapUsed();
    figures.used = figures.code + figures.strings + figures.statics + figures.stack + figures.heap;
    figures.free = figures.total - figures.used;
    memoryPage_.SetFigures(figures);
    memoryPage_.SetClassSizes(rows);
}

// One refresh of the data window (stack query, heap cache reset, both trees
// rebuilt on QTreeWidget with every frame and every class reopened) through
// the real link over the in-memory transport to the simulated machine,
// stopped twenty frames deep with statics in twenty classes.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTabWidget>
#include <QTreeWidget>
#include <fstream>

#include "benchmarks/common/OffscreenApplication.h"
#include "benchmarks/debugger/BenchSession.h"
#include "debugger/qt/DataViewForm.h"
#include "devicelink/Clock.h"
#include "devicelink/SXComm.h"
#include "foundation/EError.h"
#include "foundation/Options.h"
#include "linker/ORULinker.h"
#include "tests/support/TempDir.h"
#include "tools/orusim/EventLog.h"
#include "tools/orusim/MemoryTransport.h"
#include "tools/orusim/ProtocolEngine.h"
#include "tools/orusim/vm/OruVmEngine.h"

namespace {

QApplication& App() { return OffscreenApplication("bench_debugger"); }

int MarkedLine(const std::string& file, const std::string& marker)
{
    std::ifstream in(file);
    std::string text;
    for (int line = 1; std::getline(in, text); ++line)
        if (text.find(marker) != std::string::npos) return line;
    return 0;
}

void OpenEveryLine(QTreeWidget& tree)
{
    for (int i = 0; i < tree.topLevelItemCount(); ++i) {
        QTreeWidgetItem* top = tree.topLevelItem(i);
        top->setExpanded(true);
        for (int j = 0; j < top->childCount(); ++j) top->child(j)->setExpanded(true);
    }
}

void BM_DataViewRefresh(benchmark::State& state)
{
    App();
    UseBuildFolders();
    TempDir dir("corvane-bench-data");
    std::unique_ptr<CORULinker> linker = LinkTestProgram(dir.Path(), "Deep");
    if (!linker) return state.SkipWithError("no program");
    TBenchModule bench;
    QuietHost& host = bench.host;
    TDebugSession* current = nullptr;
    TDataViewForm form([&] { return current ? current->Linker() : nullptr; });
    TDebugSession session(host, form);
    current = &session;
    host.session = &session;
    host.file = dir.Path() + "/Deep.java";
    form.DebugTabs()->setCurrentIndex(0);
    int pc = 0;
    try {
        RunToLine(session, host, bench.port, bench.clock, std::move(linker), MarkedLine(host.file, "// bottom"));
        int line = 0;
        session.Linker()->TranslatePC(session.LastPC(), line, pc);
        OpenEveryLine(*form.StackTree());
        OpenEveryLine(*form.StaticTree());
        form.RefreshStack(pc);
    } catch (const EError& e) {
        return state.SkipWithError(e.Message.c_str());
    }

    const size_t queriesBefore = bench.log.OfKind(orusim::EventKind::HeapQuery).size();
    int64_t refreshes = 0;
    for (auto _ : state) {
        form.RefreshStack(pc);
        ++refreshes;
    }
    const size_t queries = bench.log.OfKind(orusim::EventKind::HeapQuery).size() - queriesBefore;
    state.counters["frames"] = form.StackTree()->topLevelItemCount();
    state.counters["classes"] = form.StaticTree()->topLevelItem(0)->childCount();
    state.counters["heap_queries_per_refresh"] = refreshes ? double(queries) / double(refreshes) : 0;
    session.SetJVM(nullptr);
}

}  // namespace

BENCHMARK(BM_DataViewRefresh)->Unit(benchmark::kMillisecond);

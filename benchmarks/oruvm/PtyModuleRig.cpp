#include "benchmarks/oruvm/PtyModuleRig.h"

#include <cstdlib>

#include "foundation/EError.h"
#include "foundation/Options.h"

using namespace orusim;

PtyModuleRig::PtyModuleRig(int com, bool paced, ILinkHost& host, BootTiming timing)
    : module(moduleClock, engine, log, timing),
      transport(module, PtyOptions{dir.Path(), com, paced}),
      link(driver, host, clock) {
    log.SetRetain(false);
    setenv("CORVANE_PORT_DIR", dir.Path().c_str(), 1);
    GlobalOptions.DebugPort = com;
    driver.SetComPortSpeed(br28800);
    driver.SetEnableDTROnOpen(false);
}

bool PtyModuleRig::Start(std::string& error) {
    return transport.Start(error);
}

double PtyModuleRig::TimeIterations(benchmark::State& state, const std::function<double()>& iteration) {
    double seconds = 0;
    try {
        link.Connect();
        for (auto _ : state) {
            const double took = iteration();
            state.SetIterationTime(took);
            seconds += took;
        }
        link.Close();
    } catch (const EError& e) {
        state.SkipWithError(e.Message.c_str());
    }
    return seconds;
}

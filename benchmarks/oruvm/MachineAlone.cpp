#include "benchmarks/oruvm/MachineAlone.h"

#include "tools/orusim/ExecutionEngine.h"
#include "tools/orusim/vm/OruVmEngine.h"

namespace {
class SilentEngineHost : public orusim::IEngineHost {
public:
    int64_t Now() override { return 0; }
    void SendMessage(uint8_t, const std::vector<uint8_t>&) override {}
    void RequestInput() override {}
    void StepDone() override {}
};
}  // namespace

uint64_t RunOnMachineAlone(const std::vector<uint8_t>& image) {
    SilentEngineHost host;
    orusim::OruVmEngine engine;
    engine.Attach(&host);
    engine.Boot(image);
    engine.Run();
    while (engine.Running()) engine.Advance();
    return engine.Machine().Executed();
}

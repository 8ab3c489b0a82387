#pragma once
#include <cstdint>
#include <vector>

#include "tools/orusim/ExecutionEngine.h"

// A host for the machine run alone: its time stands still, and what the
// program sends or asks for goes nowhere.
class SilentEngineHost : public orusim::IEngineHost {
public:
    int64_t Now() override { return 0; }
    void SendMessage(uint8_t, const std::vector<uint8_t>&) override {}
    void RequestInput() override {}
    void StepDone() override {}
};

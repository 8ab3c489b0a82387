#pragma once
#include <cstdint>
#include <vector>

// Runs the image on the machine alone, to its end: its time stands still,
// and what the program sends or asks for goes nowhere. The instructions run.
uint64_t RunOnMachineAlone(const std::vector<uint8_t>& image);

#pragma once
#include <cstdint>

// A window's frame as the settings keep it (pixels); any values may be
// stored.
struct TWindowRect {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Width = 0;
    int32_t Height = 0;
};

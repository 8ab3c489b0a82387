#pragma once
#include <cstdint>

// A highlighter's range state at the end of a line: a pointer-sized value
// whose meaning belongs to the highlighter (0 is nil).
using TSrcEditRange = intptr_t;

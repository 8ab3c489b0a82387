#pragma once
#include <cstdint>
#include <string_view>
#include <vector>

#include "editor/text/SrcMiscProcs.h"

// How lines are cut into rows. A maximum of 0 means no wrapping.
struct TSrcWrapLimits {
    int MaxRowLength = 0;
    int MinRowLength = 0;
    int TabWidth = 1;
    TSrcCharSet BreakChars;

    bool operator==(const TSrcWrapLimits&) const = default;
};

// No row is longer than this.
constexpr int kSrcMaxRowLength = 255;

// Appends the lengths of the rows of one tab-expanded line to Rows; an empty
// line has one empty row.
void WrapExpandedLine(std::string_view Line, const TSrcWrapLimits& Limits, std::vector<uint8_t>& Rows);

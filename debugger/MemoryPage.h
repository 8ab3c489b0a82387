#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The numbers of the memory page, in bytes.
struct TMemoryFigures {
    int32_t total = 0;
    int32_t used = 0;
    int32_t code = 0;
    int32_t strings = 0;
    int32_t statics = 0;
    int32_t heap = 0;
    int32_t stack = 0;
    int32_t free = 0;
};

// The memory bar: the stack part from its left end, the heap part from its right end.
struct TMemoryBars {
    static constexpr int BarLeft = 98;
    static constexpr int BarWidth = 175;
    static constexpr int BarHeight = 12;
    std::string stackText;
    std::string heapText;
    int stackWidth = 0;
    int heapWidth = 0;
    int heapLeft = BarLeft + BarWidth;
};

// One row of the class sizes table; the heading row comes first.
using TClassSizeRow = std::array<std::string, 3>;

// The "Memory Usage" page as the data window fills it.
class IMemoryPage {
public:
    virtual ~IMemoryPage() = default;
    // True while the page is the one showing.
    virtual bool MemoryShowing() const = 0;
    virtual void SetFigures(const TMemoryFigures& figures) = 0;
    virtual void SetBars(const TMemoryBars& bars) = 0;
    virtual void SetClassSizes(const std::vector<TClassSizeRow>& rows) = 0;
};

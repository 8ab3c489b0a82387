#pragma once
#include <string>

// The date and time as the system writes them.
struct TSrcPrintDateTime {
    std::string Date;
    std::string Time;
};

// Where headers and footers take the date and time from.
class TSrcPrintClock {
public:
    virtual ~TSrcPrintClock() = default;
    virtual TSrcPrintDateTime Now() = 0;
};

// The process's clock (not owned); nil restores the C library's clock.
void SetSrcPrintClock(TSrcPrintClock* Clock);
TSrcPrintClock& SrcPrintClock();

#pragma once
#include "editor/print/SrcPrintClock.h"

// The print clock while it lives: always 06/12/2026 21:45.
class FixedPrintClock : public TSrcPrintClock {
public:
    FixedPrintClock() { SetSrcPrintClock(this); }
    ~FixedPrintClock() override { SetSrcPrintClock(nullptr); }
    FixedPrintClock(const FixedPrintClock&) = delete;
    FixedPrintClock& operator=(const FixedPrintClock&) = delete;

    TSrcPrintDateTime Now() override { return {"06/12/2026", "21:45"}; }
};

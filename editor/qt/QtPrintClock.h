#pragma once
#include <QDateTime>
#include <functional>

#include "editor/print/SrcPrintClock.h"

// The date and time in the system locale's short formats. Tests replace
// the time source.
class TQtPrintClock : public TSrcPrintClock {
public:
    TSrcPrintDateTime Now() override;

    // Installs the one Qt clock as the process's print clock.
    static void Install();
    // Replaces the time source; an empty one restores the current time.
    static void SetTimeSource(std::function<QDateTime()> Source);
};

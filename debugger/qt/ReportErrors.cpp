#include "debugger/qt/ReportErrors.h"

void Guarded(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (...) {
        ReportCurrentError();
    }
}

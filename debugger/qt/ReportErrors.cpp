#include "debugger/qt/ReportErrors.h"

#include <exception>

#include "foundation/EError.h"
#include "foundation/Messages.h"

void ReportCurrentError()
{
    try {
        throw;
    } catch (const EError& error) {
        error.Report();
    } catch (const std::exception& error) {
        MessagePrintf("%s", error.what());
    } catch (...) {
        MessagePrintf("%s", "Unknown error.");
    }
}

void Guarded(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (...) {
        ReportCurrentError();
    }
}

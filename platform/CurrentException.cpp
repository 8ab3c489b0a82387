#include "platform/CurrentException.h"

void ReportCurrentException(const TErrorReport& report, const std::string& unknown)
{
    try {
        throw;
    } catch (const std::exception& error) {
        std::string text = error.what();
        while (!text.empty() && text.back() == '\n') text.pop_back();
        report(text, &error);
    } catch (...) {
        report(unknown, nullptr);
    }
}

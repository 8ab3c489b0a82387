#include "editor/print/SrcPrintClock.h"

#include <ctime>

namespace {

class TLibraryClock : public TSrcPrintClock {
public:
    TSrcPrintDateTime Now() override {
        std::time_t now = std::time(nullptr);
        std::tm local{};
        localtime_r(&now, &local);
        return {Format("%x", local), Format("%X", local)};
    }

private:
    static std::string Format(const char* format, const std::tm& time) {
        char text[64];
        size_t n = std::strftime(text, sizeof text, format, &time);
        return std::string(text, n);
    }
};

TLibraryClock libraryClock;
TSrcPrintClock* installed = nullptr;

}  // namespace

void SetSrcPrintClock(TSrcPrintClock* Clock) { installed = Clock; }

TSrcPrintClock& SrcPrintClock() { return installed ? *installed : libraryClock; }

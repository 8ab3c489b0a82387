#include "editor/qt/QtPrintClock.h"

#include <QLocale>

#include "editor/qt/QtText.h"

namespace {

std::function<QDateTime()> timeSource;

TQtPrintClock& TheClock() {
    static TQtPrintClock clock;
    return clock;
}

}  // namespace

TSrcPrintDateTime TQtPrintClock::Now() {
    QDateTime now = timeSource ? timeSource() : QDateTime::currentDateTime();
    QLocale locale = QLocale::system();
    return {QStringToCp1252(locale.toString(now.date(), QLocale::ShortFormat)),
            QStringToCp1252(locale.toString(now.time(), QLocale::ShortFormat))};
}

void TQtPrintClock::Install() { SetSrcPrintClock(&TheClock()); }

void TQtPrintClock::SetTimeSource(std::function<QDateTime()> Source) { timeSource = std::move(Source); }

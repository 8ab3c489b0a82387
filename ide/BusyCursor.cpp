#include "ide/BusyCursor.h"

#include <QApplication>
#include <QTimer>

TBusyCursor::TBusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }

TBusyCursor::~TBusyCursor() { QApplication::restoreOverrideCursor(); }

void TWaitCursor::Waiting(int64_t WaitedMs)
{
    if (cursor_ || WaitedMs < MomentMs) return;
    cursor_ = std::make_unique<TBusyCursor>();
    QTimer::singleShot(0, &context_, [this] { cursor_.reset(); });
}

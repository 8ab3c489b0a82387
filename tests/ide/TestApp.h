#pragma once
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <functional>

#include "ide/Application.h"

// The one application object of the test program (made by the GUI test main).
TApplication& TestApp();

// Runs the application's event loop until something exits it; 99 after `ms`.
inline int ExecBounded(int ms = 5000)
{
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    limit.start(ms);
    return QCoreApplication::exec();
}

// Processes events until `done` holds or `ms` passed; returns done().
inline bool ProcessUntil(const std::function<bool()>& done, int ms = 5000)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

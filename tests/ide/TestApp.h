#pragma once
#include <QCoreApplication>
#include <QTimer>

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

#pragma once
#include <QCoreApplication>
#include <QtGlobal>

#include <exception>

#include "platform/AppExceptionHandler.h"
#include "platform/CurrentException.h"

// Runs Call from a Qt event handler; no error of the editor is thrown
// through Qt. The application's exception handler takes it where the
// application has one, else it is a warning naming What.
template <typename F>
void QtGuardedCall(const char* What, F&& Call) {
    try {
        Call();
    } catch (...) {
        if (auto* handler = dynamic_cast<IAppExceptionHandler*>(QCoreApplication::instance())) {
            handler->HandleCurrentException();
            return;
        }
        ReportCurrentException(
            [What](const std::string& text, const std::exception*) {
                qWarning("Editor %s failed: %s", What, text.c_str());
            },
            "Unknown exception.");
    }
}

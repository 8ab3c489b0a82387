#pragma once
#include <QCoreApplication>
#include <QtGlobal>

#include <exception>

#include "platform/AppExceptionHandler.h"
#include "platform/CurrentException.h"

// Writes the exception being handled as a warning naming What.
inline void WarnEditorError(const char* What) {
    ReportCurrentException(
        [What](const std::string& text, const std::exception*) { qWarning("Editor %s failed: %s", What, text.c_str()); },
        "Unknown exception.");
}

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
        WarnEditorError(What);
    }
}

// Hands Error to the application's exception handler once the event loop
// is back; false where the application has none. Errors that come while
// one waits or its box shows are dropped.
bool HandToApplicationLater(std::exception_ptr Error);

// QtGuardedCall for a paint event: the handler's modal box must not open
// while a painter is active on the widget.
template <typename F>
void QtGuardedPaint(F&& Call) {
    try {
        Call();
    } catch (...) {
        if (!HandToApplicationLater(std::current_exception())) {
            WarnEditorError("paint");
        }
    }
}

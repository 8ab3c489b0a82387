#pragma once
#include <QApplication>
#include <functional>
#include <string>

#include "platform/AppExceptionHandler.h"

// The application object. No exception crosses Qt's event loop: one that
// escapes an event handler is caught in notify, or by the editor's own
// boundary, and handed to the exception handler (the main window's
// AppException), or written to standard error while there is none.
class TApplication : public QApplication, public IAppExceptionHandler {
public:
    using ExceptionHandler = std::function<void(const std::string& text)>;

    TApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Returns the previous handler.
    ExceptionHandler SetExceptionHandler(ExceptionHandler handler);
    // Hands the exception being handled (in a catch block) to the handler.
    void HandleCurrentException() override;

    static TApplication* Instance();

private:
    ExceptionHandler exceptionHandler_;
};

// The text of the exception being handled: a standard exception's what()
// (an EError's message), or "Unknown exception.".
std::string CurrentExceptionText();

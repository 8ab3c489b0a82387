#include "ide/Application.h"

#include <cstdio>

#include "platform/CurrentException.h"

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        HandleCurrentException();
        return false;
    }
}

TApplication::ExceptionHandler TApplication::SetExceptionHandler(ExceptionHandler handler)
{
    std::swap(handler, exceptionHandler_);
    return handler;
}

void TApplication::HandleCurrentException()
{
    const std::string text = CurrentExceptionText();
    if (!exceptionHandler_) {
        std::fprintf(stderr, "%s\n", text.c_str());
        return;
    }
    try {
        exceptionHandler_(text);
    } catch (...) {
        std::fprintf(stderr, "%s\n", text.c_str());
    }
}

TApplication* TApplication::Instance()
{
    return dynamic_cast<TApplication*>(QCoreApplication::instance());
}

std::string CurrentExceptionText()
{
    std::string text;
    ReportCurrentException([&text](const std::string& what, const std::exception*) { text = what; },
                           "Unknown exception.");
    return text;
}

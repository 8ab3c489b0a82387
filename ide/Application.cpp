#include "ide/Application.h"

#include <cstdio>
#include <exception>

#include "foundation/EError.h"

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
    try {
        throw;
    } catch (const EError& error) {
        text = error.Message;
    } catch (const std::exception& error) {
        text = error.what();
    } catch (...) {
        text = "Unknown exception.";
    }
    while (!text.empty() && text.back() == '\n') text.pop_back();
    return text;
}

#pragma once
#include <stdexcept>
#include <string>

// Base of the editor's exceptions: a message.
class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
    explicit Exception(const char* message) : std::runtime_error(message) {}

    std::string Message() const { return what(); }
};

// printf-style formatting of a message; never pass external text as format.
std::string FormatText(const char* format, ...) __attribute__((format(printf, 1, 2)));

#define CORVANE_EDITOR_EXCEPTION(Name, Base) \
    class Name : public Base {               \
    public:                                  \
        using Base::Base;                    \
    };

CORVANE_EDITOR_EXCEPTION(EListError, Exception)
CORVANE_EDITOR_EXCEPTION(EStringListError, Exception)
CORVANE_EDITOR_EXCEPTION(EConvertError, Exception)
CORVANE_EDITOR_EXCEPTION(EIniFileException, Exception)
CORVANE_EDITOR_EXCEPTION(EResNotFound, Exception)
CORVANE_EDITOR_EXCEPTION(EStreamError, Exception)
CORVANE_EDITOR_EXCEPTION(EFOpenError, EStreamError)
CORVANE_EDITOR_EXCEPTION(EFCreateError, EStreamError)
CORVANE_EDITOR_EXCEPTION(EReadError, EStreamError)
CORVANE_EDITOR_EXCEPTION(EWriteError, EStreamError)
CORVANE_EDITOR_EXCEPTION(ESrcEditError, Exception)
CORVANE_EDITOR_EXCEPTION(ESrcEditStringList, Exception)
CORVANE_EDITOR_EXCEPTION(ESrcMethodChain, Exception)

#undef CORVANE_EDITOR_EXCEPTION

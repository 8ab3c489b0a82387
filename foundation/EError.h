#pragma once
#include <cstdarg>
#include <cstdint>
#include <stdexcept>
#include <string>

#include "foundation/ErrorCatalogue.h"

// The one thrown error type: a catalogue code with its formatted message,
// which what() returns. Thrown by value, caught by reference.
class EError : public std::runtime_error {
public:
    // Fills the catalogue row's format with the arguments that follow.
    EError(uint32_t category, int32_t number, ...);
    EError(const EError&) = default;
    EError& operator=(const EError&) = default;
    ~EError() override = default;

    // Message as it stands (a caller may add to it before rethrowing).
    const char* what() const noexcept override { return Message.c_str(); }

    // Adds Message to the message list with a TLinInfo of the code attached.
    virtual void Report() const;

    static constexpr size_t Capacity = 1023;  // characters of Message and Text

    std::string Message;  // "[ Error %s-%04d] %s\n"
    uint32_t Category;
    int32_t Number;
    std::string Text;
    const char* Problem;
    const char* Solution;

private:
    void Build(va_list args);
};

// Reports the exception being handled (in a catch block) on the message list:
// an EError with its code attached, another its what(), anything else
// "Unknown error.".
void ReportCurrentError();

// Writes "[Error %s-%04d] %s" as a plain message line, without an EError.
void ReportError(uint32_t category, int32_t number, ...);

// vsnprintf into a std::string holding at most `capacity` characters.
std::string FormatLimited(size_t capacity, const char* format, va_list args);

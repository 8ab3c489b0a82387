#pragma once
#include <cstdarg>
#include <cstdint>
#include <string>

#include "foundation/ErrorCatalogue.h"

// The one thrown error type: a catalogue code with its formatted message.
// Thrown by value, caught by reference.
class EError {
public:
    // Fills the catalogue row's format with the arguments that follow.
    EError(uint32_t category, int32_t number, ...);
    EError(const EError&) = default;
    EError& operator=(const EError&) = default;
    virtual ~EError() = default;

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

// Writes "[Error %s-%04d] %s" as a plain message line, without an EError.
void ReportError(uint32_t category, int32_t number, ...);

// vsnprintf into a std::string holding at most `capacity` characters.
std::string FormatLimited(size_t capacity, const char* format, va_list args);

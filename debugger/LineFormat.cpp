#include "debugger/LineFormat.h"

#include <cstdarg>
#include <cstdio>

std::string FormatLine(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int n = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string text(size_t(n > 0 ? n : 0), '\0');
    if (n > 0) std::vsnprintf(text.data(), size_t(n) + 1, format, args);
    va_end(args);
    return text;
}

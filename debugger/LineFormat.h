#pragma once
#include <string>

// printf into a string of any length.
std::string FormatLine(const char* format, ...) __attribute__((format(printf, 1, 2)));

#pragma once
#include <cstddef>
#include <string>

// The hand-over file "params" in the program directory: the whole command
// line of a second start, one line.
constexpr size_t ParamsFileLimit = 1023;  // bytes read back

std::string ParamsFilePath();
// False when the file cannot be written; an old file then stays as it was.
bool WriteParamsFile(const std::string& commandLine);
// At most ParamsFileLimit bytes; empty when the file cannot be read.
std::string ReadParamsText();

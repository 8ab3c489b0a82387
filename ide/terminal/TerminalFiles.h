#pragma once
#include <cstdio>
#include <string>

// A chosen name the terminal refuses before opening: longer than 200 bytes,
// or naming something that exists but is not a regular file.
bool RefusedTerminalFileName(const std::string& name);
// Opens a regular file without blocking on a pipe or device; null when the
// name is refused or the file cannot be opened. mode: "rb" or "wb".
FILE* OpenTerminalFile(const std::string& name, const char* mode);

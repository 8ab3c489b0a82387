#pragma once
#include <string>
#include <string_view>

// Converts Windows-1252 bytes to UTF-8; the five unassigned bytes become U+FFFD.
std::string Windows1252ToUtf8(std::string_view bytes);

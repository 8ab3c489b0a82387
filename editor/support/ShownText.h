#pragma once
#include <string>
#include <string_view>

// Bytes such as a file name, as UTF-8 for the screen: well-formed UTF-8
// stays as it is, every other byte is read as Windows-1252 (an unassigned
// one gives U+FFFD). A valid UTF-8 text comes back unchanged.
std::string ShownText(std::string_view bytes);

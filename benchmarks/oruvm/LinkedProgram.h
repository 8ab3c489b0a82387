#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The image of one Java program (the class `name` in `source`), compiled and
// linked against the class library; empty on failure, with the reason on
// standard error.
std::vector<uint8_t> LinkedImage(const std::string& source, const char* name);

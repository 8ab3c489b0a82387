#pragma once
#include <string>
#include <vector>

// The file names tried for class `name` ("/" form) along `classPath`
// (directories separated by ";", empty pieces skipped), in order. A "\" of
// a stored Windows path is read as "/".
std::vector<std::string> ClassFileCandidates(const std::string& name, const std::string& classPath);

// Reads a whole regular file; false when it cannot be opened as one.
bool ReadWholeFile(const std::string& path, std::string& bytes);

#pragma once
#include <cstddef>
#include <string>

// Replaces the file with `bytes` in one step (a temporary file renamed over
// it); the old file stays intact on failure. Raises EFileError.
void WriteFileAtomically(const std::string& path, const std::string& bytes);

// Reads a whole regular file of at most `limit` bytes; false when it cannot be
// opened or read, or is larger.
bool ReadWholeFile(const std::string& path, std::string& bytes, size_t limit);

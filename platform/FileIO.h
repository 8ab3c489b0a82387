#pragma once
#include <cstddef>
#include <string>

// Writes `count` bytes to fd, following short writes; returns how many were
// written and sets `error` (errno, or EIO for a write of nothing) when not all.
size_t WriteAllBytes(int fd, const char* data, size_t count, int& error);

// Replaces the file with `bytes` as a page is saved (TAtomicFileStream): a
// temporary file renamed over it with the old file's permissions, a symbolic
// link followed to the file it names, a write-protected file refused, written
// in place where the folder takes no new file. The old file stays intact on
// failure. Raises EFileError.
void WriteFileAtomically(const std::string& path, const std::string& bytes);

// Reads a whole regular file of at most `limit` bytes; false when it cannot be
// opened or read, or is larger.
bool ReadWholeFile(const std::string& path, std::string& bytes, size_t limit);

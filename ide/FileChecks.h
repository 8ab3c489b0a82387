#pragma once
#include <string>

// The absolute path with symbolic links resolved (as far as they exist), so
// that one file has one spelling.
std::string CanonicalPath(const std::string& path);
// The folder of a path ("" for a bare name).
std::string FolderOf(const std::string& path);
// Exists and is a regular file (links followed).
bool IsRegularFile(const std::string& path);
bool FileExists(const std::string& path);
// Read-only: no write bit at all, or this user may not write it.
bool IsReadOnlyFile(const std::string& path);
// The error number whose text `text` contains; 0 when none does.
int ErrorNumberInText(const std::string& text);

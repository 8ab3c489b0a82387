#pragma once
#include <string>

// A path as stored by settings and project files: a "\" separator of a
// Windows path is read as "/".
std::string FromStoredPath(std::string path);

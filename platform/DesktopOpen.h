#pragma once
#include <functional>
#include <string>

// Opens a file with the desktop's default handler; false when that failed.
bool OpenWithDesktop(const std::string& path);

// Replaces the handler (tests); an empty function restores the desktop's.
void SetDesktopOpener(std::function<bool(const std::string&)> opener);

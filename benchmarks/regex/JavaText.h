#pragma once
#include <string>
#include <vector>

// About 1 MB of Java-like source text, the same on every run.
std::string JavaText();
std::vector<std::string> JavaLines();

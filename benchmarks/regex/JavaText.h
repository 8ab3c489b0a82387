#pragma once
#include <string>
#include <vector>

// The first MB of real Java source: the JDK's java.base/java/util sources
// in path order, or the project's own tracked sources where the JDK's are
// not installed. Built once, at the first call.
const std::string& JavaText();
std::vector<std::string> JavaLines();
// Where the text came from.
const std::string& JavaTextOrigin();

#pragma once
#include <string>
#include <vector>

#include "debugger/DebugTree.h"

// A line's text up to its first "=": a variable is known by type and name.
std::string NodeName(const std::string& text);
// The names of the open lines, in index order; a name once per line.
void SaveExpanded(std::vector<std::string>& names, const IDebugTree& tree);
// Opens the lines whose names were saved, children opened on the way
// included; a name opens at most as many lines as carried it when saved.
void RestoreExpanded(std::vector<std::string> names, IDebugTree& tree);

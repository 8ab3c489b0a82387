#pragma once
#include <cstddef>

// One command of the main window's action list.
struct TActionRow {
    const char* Name;
    const char* Category;
    const char* Caption;
    const char* Shortcut;  // "" for none
    const char* Hint;      // "" for none
    bool Enabled;          // at start
    int ImageIndex;        // in TToolIcons; -1 for none
};

extern const TActionRow ActionRows[];
extern const size_t ActionRowCount;

#pragma once
#include <string>

// The per-user configuration folder: $XDG_CONFIG_HOME, else ~/.config.
std::string UserConfigDir();

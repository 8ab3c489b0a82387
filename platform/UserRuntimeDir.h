#pragma once
#include <string>

// The per-user runtime folder: $XDG_RUNTIME_DIR when it names a folder, else
// /tmp/corvane-<uid>, created private to the user. Empty when neither can be
// used (the fallback exists but is not a private folder of this user).
std::string UserRuntimeDir();

#pragma once
#include <string>

// Directory of the running executable, without a trailing "/".
// $CORVANE_PROGRAM_DIR, when set, takes its place (tests use the build's bin/).
std::string ProgramDirectory();

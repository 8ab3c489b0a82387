#pragma once
#include <functional>

// Permission tests are real under root too: these drop the capabilities that
// let the superuser pass file permissions (CAP_DAC_OVERRIDE and
// CAP_DAC_READ_SEARCH) from the effective, permitted, inheritable and
// bounding sets, so that they stay dropped across exec.

// Drops them in this process; false when that failed. For a forked child or a
// child process's modifier (async-signal-safe calls only).
bool DropFileCapabilities();

// Runs body in a forked child without them and returns body's result, or -1
// when the child failed otherwise (killed, or the capabilities stayed).
int RunWithoutFileCapabilities(const std::function<int()>& body);

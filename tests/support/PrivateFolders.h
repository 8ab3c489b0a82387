#pragma once

// Gives the test program settings and runtime directories of its own (kept
// to the end of the process), so that no test touches the user's settings,
// the offscreen platform and the test build's font configuration unless the
// test's environment names others.
void UsePrivateFolders();

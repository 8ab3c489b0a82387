#pragma once

// Gives the test program settings and runtime directories of its own (kept
// to the end of the process), so that no test touches the user's settings,
// and the offscreen platform unless the test's environment names another.
void UsePrivateFolders();

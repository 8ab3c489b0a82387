#pragma once
#include <string>

// Each test's folder for what it leaves to look at (screenshots):
// <build tree>/artifacts/<test program>/<suite>.<test>/, emptied when the
// test starts. CORVANE_ARTIFACT_DIR, when set, replaces <build tree>/artifacts.
std::string ArtifactFolder();

// Empties the running test's folder when the test starts; the GUI test main
// installs it.
void InstallArtifactCleaner();

#pragma once
#include <string>

// Each test's folder for what it leaves to look at (screenshots):
// <build tree>/artifacts/<test program>/<suite>.<test>/, emptied when the
// test starts. CORVANE_ARTIFACT_DIR, when set, replaces <build tree>/artifacts.
std::string ArtifactFolder();

// Names the folder below artifacts/ in place of the test program's name, so
// that several programs can share one (set before the first picture).
void SetArtifactGroup(const std::string& name);

// Empties the running test's folder when the test starts; the GUI test main
// installs it.
void InstallArtifactCleaner();

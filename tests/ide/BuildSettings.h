#pragma once
#include <cstdint>
#include <string>

// Settings for build tests, kept apart from the editor's headers (whose
// colour names the settings' header defines otherwise): the built compiler
// adapter, the class library and the port (0: find the module).
void UseBuildSettings(int32_t port);
void SetDebugPort(int32_t port);
void SetClassPath(const std::string& classPath);
void ResetSettings();

#pragma once
#include <string>
#include <vector>

// Private settings for one test: a settings file of its own, loaded as at
// start-up, closed again at the end. (The settings' header stays out of the
// page tests: its colour names clash with the editor's.)
class SettingsScope {
public:
    explicit SettingsScope(const std::string& file);
    ~SettingsScope();

    // A value as the settings file on disk holds it ("" when missing).
    std::string Stored(const std::string& name) const;

private:
    std::string file_;
};

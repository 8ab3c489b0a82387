#pragma once
#include <memory>

class TEditorForm;

// What the settings reach in the main window while it lives: the desktop
// size, the window layout and the serial port. (The settings' own header
// stays out of here: its colour names clash with the editor's.)
class TMainSettingsHook {
public:
    explicit TMainSettingsHook(TEditorForm& form);
    ~TMainSettingsHook();

private:
    struct THook;
    std::unique_ptr<THook> hook_;
};

#pragma once
#include <cstdint>
#include <string>

// The settings that the pages use, without the settings' own types (whose
// colour names the editor's headers define otherwise).
struct TEditorFontSetting {
    std::string Name;
    int32_t Size = 0;
    uint32_t Color = 0;
};
TEditorFontSetting EditorFontSetting();

std::string OpenDialogFolder();
void SetOpenDialogFolder(const std::string& folder);
std::string SaveDialogFolder();
void SetSaveDialogFolder(const std::string& folder);
std::string GlobalClassPath();

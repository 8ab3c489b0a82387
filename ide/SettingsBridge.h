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

// The editor colours and styles of the settings, for the highlighter.
struct TEditorColourSetting {
    uint32_t NumberColor = 0;
    uint32_t StringColor = 0;
    uint32_t JavaDocColor = 0;
    uint32_t CommentColor = 0;
    bool JavaDocItalic = true;
    bool CommentItalic = true;
};
TEditorColourSetting EditorColourSetting();

#include "ide/SettingsBridge.h"

#include "foundation/Settings.h"

TEditorFontSetting EditorFontSetting()
{
    return {GlobalOptions.JavaCodeFontName, GlobalOptions.JavaCodeFontSize, GlobalOptions.JavaCodeFontColor};
}

std::string OpenDialogFolder()
{
    return GlobalOptions.OpenDialogPath;
}

void SetOpenDialogFolder(const std::string& folder)
{
    GlobalOptions.OpenDialogPath = folder;
}

std::string SaveDialogFolder()
{
    return GlobalOptions.SaveDialogPath;
}

void SetSaveDialogFolder(const std::string& folder)
{
    GlobalOptions.SaveDialogPath = folder;
}

std::string GlobalClassPath()
{
    return GlobalOptions.ClassPath;
}

TEditorColourSetting EditorColourSetting()
{
    const tOptions& o = GlobalOptions;
    return {o.NumberColor, o.StringColor, o.JavaDocColor, o.CommentColor, o.JavaDocStyle == 1, o.CommentStyle == 1};
}

#include "ide/Startup.h"

#include "foundation/Settings.h"
#include "foundation/SettingsRegistry.h"
#include "ide/BatchStart.h"
#include "ide/pipeline/TestLog.h"

std::unique_ptr<TForms> CreateApplicationForms(const std::string& settingsFile)
{
    RegistryOpen(settingsFile);
    InitHelp();
    return std::make_unique<TForms>();
}

void LoadSettingsAndOpen(TEditorForm& form, const std::vector<std::string>& args)
{
    LoadSettings();
    form.OpenFiles(ParseCommandLine(args));
    if (CmdLineTestMode) RunTestMode(form);
}

void CloseApplication()
{
    CloseTestLog();
    FreeSettings();
    RegistryClose();
}

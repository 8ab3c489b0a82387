#include "ide/Startup.h"

#include <QApplication>

#include "foundation/Settings.h"
#include "foundation/SettingsRegistry.h"
#include "ide/BatchStart.h"
#include "ide/pipeline/TestLog.h"

namespace {
constexpr const char* ApplicationTitle = "Corvane Torve IDE";
}

std::unique_ptr<TForms> CreateApplicationForms(const std::string& settingsFile)
{
    RegistryOpen(settingsFile);
    InitHelp();
    QApplication::setApplicationDisplayName(ApplicationTitle);
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

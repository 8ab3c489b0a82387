#include "tests/ide/mainwindow/SettingsScope.h"

#include "foundation/Settings.h"
#include "foundation/SettingsRegistry.h"
#include "platform/Registry.h"

SettingsScope::SettingsScope(const std::string& file) : file_(file)
{
    GlobalOptions = tOptions();
    RegistryOpen(file);
    LoadSettings();
    GlobalOptions.loaded = true;
}

SettingsScope::~SettingsScope()
{
    FreeSettings();
    RegistryClose();
    GlobalOptions = tOptions();
}

std::string SettingsScope::Stored(const std::string& name) const
{
    TRegistry fresh(file_);
    fresh.OpenKey(SettingsRegistry->CurrentPath(), false);
    return fresh.ReadString(name);
}

#include "foundation/SettingsRegistry.h"

#include "platform/Registry.h"

TRegistry* SettingsRegistry = nullptr;

namespace {
TRegistry& OpenRegistry() {
    if (!SettingsRegistry) throw ERegistryException("The settings store is not open");
    return *SettingsRegistry;
}
}  // namespace

void RegistryOpen(const std::string& file) {
    RegistryClose();
    SettingsRegistry = file.empty() ? new TRegistry() : new TRegistry(file);
}

void RegistryClose() {
    delete SettingsRegistry;
    SettingsRegistry = nullptr;
}

std::string RegistryReadString(const std::string& name) { return OpenRegistry().ReadString(name); }

uint32_t RegistryReadInteger(const std::string& name) { return OpenRegistry().ReadInteger(name); }

void RegistryWriteString(const std::string& name, const std::string& text) {
    OpenRegistry().WriteString(name, text);
}

void RegistryWriteInteger(const std::string& name, uint32_t value) {
    OpenRegistry().WriteInteger(name, value);
}

void RegistryDeleteValue(const std::string& name) { OpenRegistry().DeleteValue(name); }

#pragma once
#include <cstdint>
#include <string>

class TRegistry;

// The one settings store, open for the whole run.
extern TRegistry* SettingsRegistry;

// Opens the store (the per-user settings file, or `file` when given).
void RegistryOpen(const std::string& file = std::string());
void RegistryClose();

// Missing: "".
std::string RegistryReadString(const std::string& name);
// Raises ERegistryException when the value is missing or not an integer.
uint32_t RegistryReadInteger(const std::string& name);
void RegistryWriteString(const std::string& name, const std::string& text);
void RegistryWriteInteger(const std::string& name, uint32_t value);
void RegistryDeleteValue(const std::string& name);

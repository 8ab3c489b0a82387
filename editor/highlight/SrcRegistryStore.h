#pragma once
#include <string>

#include "editor/highlight/SrcSettingsStore.h"

class TRegistry;

// The program's settings registry seen as a settings store.
class TSrcRegistryStore : public TSrcSettingsStore {
public:
    explicit TSrcRegistryStore(TRegistry& Registry) : registry_(Registry) {}

    std::string CurrentPath() const override;
    bool OpenKey(const std::string& Key, bool CanCreate) override;
    bool OpenKeyReadOnly(const std::string& Key) override;
    void CloseKey() override;
    bool ValueExists(const std::string& Name) const override;
    bool ReadInteger(const std::string& Name, int32_t& Value) const override;
    bool ReadString(const std::string& Name, std::string& Value) const override;
    bool WriteInteger(const std::string& Name, int32_t Value) override;
    bool WriteString(const std::string& Name, const std::string& Value) override;

private:
    TRegistry& registry_;
    bool readOnly_ = false;
};

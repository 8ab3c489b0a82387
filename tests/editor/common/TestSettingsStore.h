#pragma once
#include <string>

#include "editor/highlight/SrcRegistryStore.h"
#include "platform/Registry.h"
#include "tests/support/TempDir.h"

// The program's registry in a file of its own, with values set by absolute path.
class TestSettingsStore : public TSrcRegistryStore {
public:
    TestSettingsStore() : TSrcRegistryStore(registry_) {}

    void Put(const std::string& path, const std::string& name, const std::string& text) {
        AtRoot([&] {
            registry_.OpenKey(path, true);
            registry_.WriteString(name, text);
        });
    }
    void Put(const std::string& path, const std::string& name, int32_t value) {
        AtRoot([&] {
            registry_.OpenKey(path, true);
            registry_.WriteInteger(name, static_cast<uint32_t>(value));
        });
    }
    bool HasKey(const std::string& path) {
        bool found = false;
        AtRoot([&] { found = registry_.KeyExists(path); });
        return found;
    }

private:
    template <typename Action>
    void AtRoot(Action action) {
        std::string current = registry_.CurrentPath();
        registry_.CloseKey();
        action();
        registry_.OpenKey("/" + current, false);
    }

    TempDir dir_;
    TRegistry registry_{dir_.File("settings.conf")};
};

#include "editor/highlight/SrcRegistryStore.h"

#include <algorithm>

#include "platform/Registry.h"

std::string TSrcRegistryStore::CurrentPath() const {
    std::string path = registry_.CurrentPath();
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

bool TSrcRegistryStore::OpenKey(const std::string& Key, bool CanCreate) {
    if (!registry_.OpenKey(Key, CanCreate)) {
        return false;
    }
    readOnly_ = false;
    return true;
}

bool TSrcRegistryStore::OpenKeyReadOnly(const std::string& Key) {
    if (!registry_.OpenKey(Key, false)) {
        return false;
    }
    readOnly_ = true;
    return true;
}

void TSrcRegistryStore::CloseKey() {
    registry_.CloseKey();
    readOnly_ = false;
}

bool TSrcRegistryStore::ValueExists(const std::string& Name) const { return registry_.ValueExists(Name); }

bool TSrcRegistryStore::ReadInteger(const std::string& Name, int32_t& Value) const {
    if (!registry_.ValueExists(Name)) {
        return false;
    }
    try {
        Value = static_cast<int32_t>(registry_.ReadInteger(Name));
    } catch (const ERegistryException&) {
        return false;
    }
    return true;
}

bool TSrcRegistryStore::ReadString(const std::string& Name, std::string& Value) const {
    if (!registry_.ValueExists(Name)) {
        return false;
    }
    Value = registry_.ReadString(Name);
    return true;
}

bool TSrcRegistryStore::WriteInteger(const std::string& Name, int32_t Value) {
    if (readOnly_) {
        return false;
    }
    registry_.WriteInteger(Name, static_cast<uint32_t>(Value));
    return true;
}

bool TSrcRegistryStore::WriteString(const std::string& Name, const std::string& Value) {
    if (readOnly_) {
        return false;
    }
    registry_.WriteString(Name, Value);
    return true;
}

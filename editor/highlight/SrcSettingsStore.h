#pragma once
#include <cstdint>
#include <string>

// A tree of keys holding named integer and text values, the way the
// settings registry keeps them. Key paths use "\" between keys; a path
// that starts with "\" is taken from the root, any other from the current
// key. The platform layer adapts its registry to this interface.
class TSrcSettingsStore {
public:
    TSrcSettingsStore() = default;
    TSrcSettingsStore(const TSrcSettingsStore&) = delete;
    TSrcSettingsStore& operator=(const TSrcSettingsStore&) = delete;
    virtual ~TSrcSettingsStore() = default;

    // The path of the current key, without a leading "\" ("" at the root).
    virtual std::string CurrentPath() const = 0;
    // Makes Key current; CanCreate creates it when missing. False when it
    // cannot be opened.
    virtual bool OpenKey(const std::string& Key, bool CanCreate) = 0;
    // Makes an existing Key current for reading only.
    virtual bool OpenKeyReadOnly(const std::string& Key) = 0;
    // Returns to the root.
    virtual void CloseKey() = 0;

    virtual bool ValueExists(const std::string& Name) const = 0;
    // False when the value is missing or no number.
    virtual bool ReadInteger(const std::string& Name, int32_t& Value) const = 0;
    // False when the value is missing.
    virtual bool ReadString(const std::string& Name, std::string& Value) const = 0;
    // False when the current key cannot be written.
    virtual bool WriteInteger(const std::string& Name, int32_t Value) = 0;
    virtual bool WriteString(const std::string& Name, const std::string& Value) = 0;
};

#pragma once
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

// Raised by TRegistry when a value cannot be read as asked.
class ERegistryException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A small registry over an INI settings file. Keys are paths below the root
// separated by "/" (a "\" counts as "/"); values are strings or unsigned
// 32-bit integers. The default file is the per-user settings of
// HalvoricInc/CorvaneTorve (<config>/HalvoricInc/CorvaneTorve.conf).
class TRegistry {
public:
    TRegistry();                                  // the per-user settings file
    explicit TRegistry(const std::string& file);  // any INI file (tests)
    ~TRegistry();
    TRegistry(const TRegistry&) = delete;
    TRegistry& operator=(const TRegistry&) = delete;

    // Makes `key` the current key: relative to the current key, or to the
    // root when it begins with a separator ("" keeps the current key).
    // Returns false when it does not exist and canCreate is false.
    bool OpenKey(const std::string& key, bool canCreate);
    void CloseKey();  // back to the root; writes pending changes
    const std::string& CurrentPath() const { return current_; }  // from the root

    std::string ReadString(const std::string& name) const;  // missing: ""
    uint32_t ReadInteger(const std::string& name) const;    // throws ERegistryException
    void WriteString(const std::string& name, const std::string& text);
    void WriteInteger(const std::string& name, uint32_t value);
    bool ValueExists(const std::string& name) const;
    bool DeleteValue(const std::string& name);

    bool KeyExists(const std::string& key) const;  // relative to the current key
    bool DeleteKey(const std::string& key);        // with its values and sub-keys
    std::vector<std::string> GetKeyNames() const;  // sub-keys of the current key
    std::vector<std::string> GetValueNames() const;

    // Writes pending changes to the file; false when it could not be written
    // (WriteErrorNumber tells why).
    bool Flush();
    int WriteErrorNumber() const;
    std::string FileName() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
    std::string current_;
};

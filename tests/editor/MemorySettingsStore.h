#pragma once
#include <map>
#include <string>
#include <variant>

#include "editor/Cp1252.h"
#include "editor/SrcSettingsStore.h"

// A settings store held in memory: keys by case-insensitive path, each
// with integer and text values.
class MemorySettingsStore : public TSrcSettingsStore {
public:
    using Value = std::variant<int32_t, std::string>;

    std::string CurrentPath() const override { return current_; }

    bool OpenKey(const std::string& Key, bool CanCreate) override {
        std::string path = Resolve(Key);
        if (!keys_.count(Folded(path))) {
            if (!CanCreate) {
                return false;
            }
            CreatePath(path);
        }
        current_ = path;
        readOnly_ = false;
        return true;
    }
    bool OpenKeyReadOnly(const std::string& Key) override {
        std::string path = Resolve(Key);
        if (!keys_.count(Folded(path))) {
            return false;
        }
        current_ = path;
        readOnly_ = true;
        return true;
    }
    void CloseKey() override {
        current_.clear();
        readOnly_ = false;
    }
    bool ValueExists(const std::string& Name) const override { return Find(Name) != nullptr; }
    bool ReadInteger(const std::string& Name, int32_t& Result) const override {
        const Value* value = Find(Name);
        if (!value || !std::holds_alternative<int32_t>(*value)) {
            return false;
        }
        Result = std::get<int32_t>(*value);
        return true;
    }
    bool ReadString(const std::string& Name, std::string& Result) const override {
        const Value* value = Find(Name);
        if (!value) {
            return false;
        }
        Result = std::holds_alternative<std::string>(*value) ? std::get<std::string>(*value)
                                                             : std::to_string(std::get<int32_t>(*value));
        return true;
    }
    bool WriteInteger(const std::string& Name, int32_t Value) override { return Write(Name, Value); }
    bool WriteString(const std::string& Name, const std::string& Value) override { return Write(Name, Value); }

    // Sets a value under an absolute path, creating the keys.
    void Put(const std::string& path, const std::string& name, const Value& value) {
        CreatePath(path);
        keys_[Folded(path)][Folded(name)] = value;
    }
    bool HasKey(const std::string& path) const { return keys_.count(Folded(path)) != 0; }
    size_t ValueCount(const std::string& path) const {
        auto it = keys_.find(Folded(path));
        return it == keys_.end() ? 0 : it->second.size();
    }

private:
    static std::string Folded(const std::string& s) { return Cp1252LowerString(s); }

    std::string Resolve(const std::string& key) const {
        if (!key.empty() && key[0] == '\\') {
            return key.substr(1);
        }
        return current_.empty() ? key : current_ + "\\" + key;
    }
    void CreatePath(const std::string& path) {
        keys_[std::string()];
        for (size_t slash = path.find('\\'); slash != std::string::npos; slash = path.find('\\', slash + 1)) {
            keys_[Folded(path.substr(0, slash))];
        }
        keys_[Folded(path)];
    }
    const Value* Find(const std::string& name) const {
        auto key = keys_.find(Folded(current_));
        if (key == keys_.end()) {
            return nullptr;
        }
        auto value = key->second.find(Folded(name));
        return value == key->second.end() ? nullptr : &value->second;
    }
    bool Write(const std::string& name, const Value& value) {
        if (readOnly_) {
            return false;
        }
        keys_[Folded(current_)][Folded(name)] = value;
        return true;
    }

    std::map<std::string, std::map<std::string, Value>> keys_{{std::string(), {}}};
    std::string current_;
    bool readOnly_ = false;
};

#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "editor/support/SrcObject.h"

class TStrings;

// An ini file of sections and "key=value" lines. It is read when made;
// every write saves the whole file at once (atomically), or, between
// BeginUpdate and EndUpdate, once at the outermost EndUpdate. Section and key
// names compare case-insensitively. Unreadable lines are kept as they are.
class TIniFile : public TObject {
public:
    explicit TIniFile(const std::string& FileName);

    const std::string& FileName() const { return fileName_; }

    bool SectionExists(const std::string& Section) const;
    bool ValueExists(const std::string& Section, const std::string& Ident) const;
    // The keys of Section, in file order.
    void ReadSection(const std::string& Section, TStrings& Strings) const;
    std::string ReadString(const std::string& Section, const std::string& Ident,
                           const std::string& Default) const;
    // Decimal or "$" hexadecimal; Default when missing or no number.
    int32_t ReadInteger(const std::string& Section, const std::string& Ident, int32_t Default) const;

    // Raise EIniFileException when the file cannot be written.
    void WriteString(const std::string& Section, const std::string& Ident, const std::string& Value);
    void WriteInteger(const std::string& Section, const std::string& Ident, int32_t Value);
    void EraseSection(const std::string& Section);

    void BeginUpdate() { ++updateCount_; }
    void EndUpdate();

private:
    struct Entry {
        std::string key;  // empty for a line that is no key
        std::string value;
        std::string raw;
    };
    struct Section {
        std::string name;
        std::vector<Entry> entries;
    };

    void Load();
    void Changed();
    void Save() const;
    const Section* FindSection(const std::string& name) const;
    const Entry* FindEntry(const std::string& section, const std::string& ident) const;

    std::string fileName_;
    std::vector<Section> sections_;  // the first one holds lines before any section
    int updateCount_ = 0;
    bool dirty_ = false;
};

#include "editor/support/IniFile.h"

#include <cctype>

#include "editor/support/AtomicFileStream.h"
#include "editor/support/FileStream.h"
#include "editor/support/IntegerText.h"
#include "editor/support/SrcExceptions.h"
#include "editor/support/StringList.h"

namespace {

std::string Trim(const std::string& s) {
    size_t first = s.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return std::string();
    }
    size_t last = s.find_last_not_of(" \t");
    return s.substr(first, last - first + 1);
}

bool ParseInteger(const std::string& text, int32_t& value) {
    std::string digits = Trim(text);
    int base = 10;
    bool negative = false;
    if (!digits.empty() && digits[0] == '-') {
        negative = true;
        digits.erase(0, 1);
    }
    if (!digits.empty() && digits[0] == '$') {
        base = 16;
        digits.erase(0, 1);
    }
    if (digits.empty() || !std::isxdigit(static_cast<unsigned char>(digits[0]))) {
        return false;
    }
    return ParseInt32Bits(digits, base, negative, value);
}

}  // namespace

TIniFile::TIniFile(const std::string& FileName) : fileName_(FileName) {
    sections_.push_back(Section{});
    Load();
}

void TIniFile::Load() {
    std::string text;
    try {
        TFileStream stream(fileName_, fmOpenRead);
        text.resize(static_cast<size_t>(stream.Size()));
        stream.ReadBuffer(text.data(), text.size());
    } catch (const EStreamError&) {
        return;  // a missing or unreadable file reads as empty
    }
    TStringList lines;
    lines.Text(text);
    for (int i = 0; i < lines.Count(); ++i) {
        std::string raw = lines[i];
        std::string line = Trim(raw);
        if (line.size() >= 2 && line.front() == '[' && line.find(']') != std::string::npos) {
            sections_.push_back(Section{Trim(line.substr(1, line.find(']') - 1)), {}});
            continue;
        }
        size_t equals = line.find('=');
        if (line.empty() || line[0] == ';' || equals == std::string::npos || equals == 0) {
            sections_.back().entries.push_back(Entry{std::string(), std::string(), raw});
            continue;
        }
        sections_.back().entries.push_back(Entry{Trim(line.substr(0, equals)), Trim(line.substr(equals + 1)), raw});
    }
}

void TIniFile::Changed() {
    dirty_ = true;
    if (updateCount_ == 0) {
        dirty_ = false;
        Save();
    }
}

void TIniFile::EndUpdate() {
    if (updateCount_ > 0 && --updateCount_ == 0 && dirty_) {
        dirty_ = false;
        Save();
    }
}

void TIniFile::Save() const {
    std::string text;
    for (const Section& section : sections_) {
        if (&section != &sections_.front()) {
            text += "[" + section.name + "]\r\n";
        }
        for (const Entry& entry : section.entries) {
            text += entry.key.empty() ? entry.raw : entry.key + "=" + entry.value;
            text += "\r\n";
        }
    }
    try {
        TAtomicFileStream stream(fileName_);
        stream.WriteBuffer(text.data(), text.size());
        stream.Commit();
    } catch (const EStreamError& e) {
        throw EIniFileException(FormatText("Unable to write to %s. %s", fileName_.c_str(), e.what()));
    }
}

const TIniFile::Section* TIniFile::FindSection(const std::string& name) const {
    for (size_t i = 1; i < sections_.size(); ++i) {
        if (CompareText(sections_[i].name, name) == 0) {
            return &sections_[i];
        }
    }
    return nullptr;
}

const TIniFile::Entry* TIniFile::FindEntry(const std::string& section, const std::string& ident) const {
    const Section* found = FindSection(section);
    if (!found) {
        return nullptr;
    }
    for (const Entry& entry : found->entries) {
        if (!entry.key.empty() && CompareText(entry.key, ident) == 0) {
            return &entry;
        }
    }
    return nullptr;
}

bool TIniFile::SectionExists(const std::string& Section) const { return FindSection(Section) != nullptr; }

bool TIniFile::ValueExists(const std::string& Section, const std::string& Ident) const {
    return FindEntry(Section, Ident) != nullptr;
}

void TIniFile::ReadSection(const std::string& Section, TStrings& Strings) const {
    TStringsUpdate update(Strings);
    Strings.Clear();
    if (const auto* found = FindSection(Section)) {
        for (const Entry& entry : found->entries) {
            if (!entry.key.empty()) {
                Strings.Add(entry.key);
            }
        }
    }
}

std::string TIniFile::ReadString(const std::string& Section, const std::string& Ident,
                                 const std::string& Default) const {
    const Entry* entry = FindEntry(Section, Ident);
    return entry ? entry->value : Default;
}

int32_t TIniFile::ReadInteger(const std::string& Section, const std::string& Ident, int32_t Default) const {
    const Entry* entry = FindEntry(Section, Ident);
    int32_t value = Default;
    return entry && ParseInteger(entry->value, value) ? value : Default;
}

void TIniFile::WriteString(const std::string& Section, const std::string& Ident, const std::string& Value) {
    auto* section = const_cast<TIniFile::Section*>(FindSection(Section));
    if (!section) {
        sections_.push_back(TIniFile::Section{Section, {}});
        section = &sections_.back();
    }
    auto* entry = const_cast<Entry*>(FindEntry(Section, Ident));
    if (entry) {
        entry->value = Value;
    } else {
        section->entries.push_back(Entry{Ident, Value, std::string()});
    }
    Changed();
}

void TIniFile::WriteInteger(const std::string& Section, const std::string& Ident, int32_t Value) {
    WriteString(Section, Ident, std::to_string(Value));
}

void TIniFile::EraseSection(const std::string& Section) {
    for (size_t i = 1; i < sections_.size(); ++i) {
        if (CompareText(sections_[i].name, Section) == 0) {
            sections_.erase(sections_.begin() + static_cast<std::ptrdiff_t>(i));
            Changed();
            return;
        }
    }
}

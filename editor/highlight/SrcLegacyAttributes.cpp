// Reading an attribute's colours from another editor's settings.
#include <string>
#include <vector>

#include "editor/support/Cp1252.h"
#include "editor/highlight/SrcHighlighterAttributes.h"
#include "editor/highlight/SrcSettingsStore.h"

namespace {

std::vector<std::string> SplitFields(const std::string& text) {
    std::vector<std::string> fields;
    size_t start = 0;
    while (true) {
        size_t comma = text.find(',', start);
        fields.push_back(text.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
        if (comma == std::string::npos) {
            return fields;
        }
        start = comma + 1;
    }
}

// A standard colour by its index given as text; false for a bad index.
bool StandardColorFromText(const std::string& text, TColor& color) {
    if (text.empty() || text.size() > 2 || text.find_first_not_of("0123456789") != std::string::npos) {
        return false;
    }
    int index = std::stoi(text);
    if (index > 15) {
        return false;
    }
    color = StandardColor(index);
    return true;
}

bool StandardColorFromIndex(int32_t index, TColor& color) {
    if (index < 0 || index > 15) {
        return false;
    }
    color = StandardColor(index);
    return true;
}

bool IsTrue(const std::string& text) { return Cp1252UpperString(text) != "FALSE" && text != "0"; }

struct LegacyValues {
    TColor background = clNone;
    TColor foreground = clNone;
    TFontStyles style;
};

bool ReadOldStyle(TSrcSettingsStore& reg, const std::string& attrKey, const std::string& attrName,
                  LegacyValues& values) {
    std::string text;
    if (!reg.OpenKeyReadOnly(attrKey) || !reg.ReadString(attrName, text)) {
        return false;
    }
    std::vector<std::string> fields = SplitFields(text);
    if (fields.size() < 7) {
        return false;
    }
    if (fields[4] == "1") {
        values.background = clWindow;
    } else if (!StandardColorFromText(fields[6], values.background)) {
        return false;
    }
    if (fields[3] == "1") {
        values.foreground = clWindowText;
    } else if (!StandardColorFromText(fields[5], values.foreground)) {
        return false;
    }
    const std::string& letters = fields[2];
    if (letters.find('B') != std::string::npos) {
        values.style.Include(fsBold);
    }
    if (letters.find('I') != std::string::npos) {
        values.style.Include(fsItalic);
    }
    if (letters.find('U') != std::string::npos) {
        values.style.Include(fsUnderline);
    }
    return true;
}

bool ReadColor(TSrcSettingsStore& reg, const std::string& name, TColor& color) {
    std::string text;
    if (reg.ReadString(name + " New", text)) {
        return TryStringToColor(text, color);
    }
    int32_t index = 0;
    return reg.ReadInteger(name, index) && StandardColorFromIndex(index, color);
}

bool ReadFlag(TSrcSettingsStore& reg, const std::string& name, bool& flag) {
    std::string text;
    if (!reg.ReadString(name, text)) {
        return false;
    }
    flag = IsTrue(text);
    return true;
}

bool ReadNewStyle(TSrcSettingsStore& reg, const std::string& attrKey, const std::string& attrName,
                  LegacyValues& values) {
    if (!reg.OpenKeyReadOnly(attrKey + "\\" + attrName)) {
        return false;
    }
    if (!reg.ValueExists("Foreground Color") || !reg.ValueExists("Background Color")) {
        return false;
    }
    bool bold = false, italic = false, underline = false, defaultForeground = false, defaultBackground = false;
    if (!ReadColor(reg, "Foreground Color", values.foreground) ||
        !ReadColor(reg, "Background Color", values.background) || !ReadFlag(reg, "Bold", bold) ||
        !ReadFlag(reg, "Italic", italic) || !ReadFlag(reg, "Underline", underline) ||
        !ReadFlag(reg, "Default Foreground", defaultForeground) ||
        !ReadFlag(reg, "Default Background", defaultBackground)) {
        return false;
    }
    if (defaultForeground) {
        values.foreground = clWindowText;
    }
    if (defaultBackground) {
        values.background = clWindow;
    }
    if (bold) {
        values.style.Include(fsBold);
    }
    if (italic) {
        values.style.Include(fsItalic);
    }
    if (underline) {
        values.style.Include(fsUnderline);
    }
    return true;
}

}  // namespace

bool TSrcHighlighterAttributes::LoadFromLegacyRegistry(TSrcSettingsStore& RootKey, const std::string& AttrKey,
                                                       const std::string& AttrName, bool OldStyle) {
    LegacyValues values;
    RootKey.CloseKey();
    bool found = OldStyle ? ReadOldStyle(RootKey, AttrKey, AttrName, values)
                          : ReadNewStyle(RootKey, AttrKey, AttrName, values);
    RootKey.CloseKey();
    if (!found) {
        return false;
    }
    SetBackground(values.background);
    SetForeground(values.foreground);
    SetStyle(values.style);
    return true;
}

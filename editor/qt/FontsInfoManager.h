#pragma once
#include <array>
#include <climits>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QFont>

#include "editor/support/SrcFont.h"

// One style's font of a shared entry and its measures in pixels.
struct TFontData {
    TFontStyles Style;
    std::optional<QFont> Handle;  // made on first use
    int CharAdvance = 0;
    int DBCharAdvance = INT_MAX;  // INT_MAX: not used
    int CharHeight = 0;
    int Ascent = 0;
};

// What identifies a base font: everything but italic, underline and
// strike-out, which the sixteen styles of an entry vary.
struct TFontKey {
    std::string Name;
    int Size = 0;
    bool Bold = false;
    uint8_t Charset = 0;
    TFontPitch Pitch = fpDefault;
    bool operator==(const TFontKey&) const = default;
};
TFontKey FontKeyOf(const TFont& Font);

// The fonts of one base font, shared by every drawer that uses it.
struct TSharedFontsInfo {
    int RefCount = 0;
    int LockCount = 0;
    TFont BaseFont;
    TFontKey BaseLF;
    bool IsDBCSFont = false;
    bool IsTrueType = false;
    std::array<TFontData, 16> FontsData;
};

// The process's cache of shared font information.
class TFontsInfoManager {
public:
    // The entry for Font, made when new; its reference count grows.
    TSharedFontsInfo* GetFontsInfo(const TFont* ABaseFont);
    // Drops one reference; the last one frees the entry.
    void ReleaseFontsInfo(TSharedFontsInfo* FontsInfo);
    // Users of the font handles; the last unlock deletes all sixteen.
    void LockFontsInfo(TSharedFontsInfo* FontsInfo);
    void UnLockFontsInfo(TSharedFontsInfo* FontsInfo);
    int Count() const { return static_cast<int>(list_.size()); }

private:
    std::vector<std::unique_ptr<TSharedFontsInfo>> list_;
};

TFontsInfoManager& GetFontsInfoManager();

// A Qt font for Key in Style; a fixed-pitch request that the machine
// cannot meet by name falls back to its fixed-pitch font.
QFont MakeQFont(const TFontKey& Key, TFontStyles Style);

#pragma once
#include <string>

#include "editor/support/SrcColor.h"
#include "editor/support/SrcEvents.h"
#include "editor/support/SrcFont.h"
#include "editor/support/SrcObject.h"

class TIniFile;
class TSrcSettingsStore;

// One named text style of a highlighter. A colour of clNone lets the
// editor's own colour show.
class TSrcHighlighterAttributes : public TPersistent {
public:
    explicit TSrcHighlighterAttributes(const std::string& AName);

    void Assign(const TPersistent* Source) override;
    // Copies colours and style; one Changed when any of them differed.
    void AssignColorAndStyle(const TSrcHighlighterAttributes& Source);
    // Records the current colours and style as the defaults.
    void InternalSaveDefaultValues();

    virtual void Changed();
    // Takes colours and style from another editor's settings under AttrKey;
    // changes nothing and answers false unless every value it needs is
    // there.
    virtual bool LoadFromLegacyRegistry(TSrcSettingsStore& RootKey, const std::string& AttrKey,
                                        const std::string& AttrName, bool OldStyle);

    // Bold 1, italic 2, underline 4, strike-out 8.
    int GetStyleFromInt() const;
    void SetStyleFromInt(int Value);

    // The subkey Name of the current key; false when it cannot be opened.
    bool LoadFromRegistry(TSrcSettingsStore& Reg);
    bool SaveToRegistry(TSrcSettingsStore& Reg);
    // The section Name; loading answers false for a section without keys.
    bool LoadFromFile(TIniFile& Ini);
    bool SaveToFile(TIniFile& Ini);

    const std::string& Name() const { return name_; }
    TColor Background() const { return background_; }
    TColor Foreground() const { return foreground_; }
    TFontStyles Style() const { return style_; }
    void SetBackground(TColor Value);
    void SetForeground(TColor Value);
    void SetStyle(TFontStyles Value);

    // Whether a value differs from its recorded default (and so is stored).
    bool GetBackgroundColorStored() const { return background_ != backgroundDefault_; }
    bool GetForegroundColorStored() const { return foreground_ != foregroundDefault_; }
    bool GetFontStyleStored() const { return style_ != styleDefault_; }

    TNotifyEvent OnChange;

private:
    TColor background_ = clNone;
    TColor backgroundDefault_ = clNone;
    TColor foreground_ = clNone;
    TColor foregroundDefault_ = clNone;
    std::string name_;
    TFontStyles style_;
    TFontStyles styleDefault_;
};

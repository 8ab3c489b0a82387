#pragma once
#include <QFont>

#include "editor/qt/FontsInfoManager.h"

// One drawer's view of a shared fonts entry: selects a style, making and
// measuring its font on first use.
class TFontStock {
public:
    explicit TFontStock(const TFont* InitialFont);
    virtual ~TFontStock();
    TFontStock(const TFontStock&) = delete;
    TFontStock& operator=(const TFontStock&) = delete;

    // A nil font raises EFontStockException.
    virtual void SetBaseFont(const TFont* Value);
    // Styles are four bits; anything above 15 is a programming error.
    virtual void SetStyle(TFontStyles Value);
    // Ends this stock's use of the font handles.
    virtual void ReleaseFontHandles();

    const TFont& BaseFont() const { return fontsInfo_->BaseFont; }
    TFontStyles Style() const { return style_; }
    const QFont& FontHandle() const { return *data_->Handle; }
    int CharAdvance() const { return data_->CharAdvance; }
    int CharHeight() const { return data_->CharHeight; }
    int DBCharAdvance() const { return data_->DBCharAdvance; }
    int Ascent() const { return data_->Ascent; }
    bool IsDBCSFont() const { return fontsInfo_->IsDBCSFont; }
    bool IsTrueType() const { return fontsInfo_->IsTrueType; }
    const TSharedFontsInfo* FontsInfo() const { return fontsInfo_; }

protected:
    virtual void CalcFontAdvance(const QFont& Font, TFontData& Data) const;

private:
    void UseFontHandles();

    TSharedFontsInfo* fontsInfo_ = nullptr;
    bool usingFontHandles_ = false;
    TFontStyles style_;
    TFontData* data_ = nullptr;
};

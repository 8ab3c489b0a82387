#include "editor/qt/FontStock.h"

#include <QFontMetrics>

#include "editor/qt/TextDrawerExceptions.h"

TFontStock::TFontStock(const TFont* InitialFont) { SetBaseFont(InitialFont); }

TFontStock::~TFontStock() {
    ReleaseFontHandles();
    GetFontsInfoManager().ReleaseFontsInfo(fontsInfo_);
}

void TFontStock::UseFontHandles() {
    if (!usingFontHandles_) {
        GetFontsInfoManager().LockFontsInfo(fontsInfo_);
        usingFontHandles_ = true;
    }
}

void TFontStock::ReleaseFontHandles() {
    if (usingFontHandles_) {
        GetFontsInfoManager().UnLockFontsInfo(fontsInfo_);
        usingFontHandles_ = false;
    }
}

void TFontStock::SetBaseFont(const TFont* Value) {
    if (!Value) {
        throw EFontStockException(kSetBaseFontNeedsValue);
    }
    TFontsInfoManager& manager = GetFontsInfoManager();
    TSharedFontsInfo* info = manager.GetFontsInfo(Value);
    if (info == fontsInfo_) {
        manager.ReleaseFontsInfo(info);  // only the extra reference
        return;
    }
    ReleaseFontHandles();
    if (fontsInfo_) {
        manager.ReleaseFontsInfo(fontsInfo_);
    }
    fontsInfo_ = info;
    data_ = nullptr;
    SetStyle(Value->Style());
}

void TFontStock::SetStyle(TFontStyles Value) {
    if (Value.ToBits() > 15) {
        throw ETextDrawerMisuse("Font style out of range");
    }
    UseFontHandles();
    TFontData& data = fontsInfo_->FontsData[Value.ToBits()];
    if (!data.Handle) {
        QFont font = MakeQFont(fontsInfo_->BaseLF, Value);
        data.Style = Value;
        CalcFontAdvance(font, data);
        data.Handle = font;
    }
    style_ = Value;
    data_ = &data;
}

void TFontStock::CalcFontAdvance(const QFont& Font, TFontData& Data) const {
    QFontMetrics metrics(Font);
    int advance = metrics.horizontalAdvance(QChar('M'));
    Data.CharAdvance = advance > 0 ? advance : metrics.averageCharWidth();
    Data.CharHeight = std::abs(metrics.height());
    Data.Ascent = metrics.ascent();
    Data.DBCharAdvance = INT_MAX;  // no double-byte characters in this code page
}

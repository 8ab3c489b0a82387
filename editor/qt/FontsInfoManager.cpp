#include "editor/qt/FontsInfoManager.h"

#include <QFontDatabase>
#include <QFontInfo>

#include "editor/qt/TextDrawerExceptions.h"

TFontKey FontKeyOf(const TFont& Font) {
    return {Font.Name(), Font.Size(), Font.Style().Contains(fsBold), Font.Charset(), Font.Pitch()};
}

QFont MakeQFont(const TFontKey& Key, TFontStyles Style) {
    QFont font(QString::fromStdString(Key.Name));
    font.setPointSize(Key.Size > 0 ? Key.Size : 10);
    font.setWeight(Style.Contains(fsBold) ? QFont::Bold : QFont::Normal);
    font.setItalic(Style.Contains(fsItalic));
    font.setUnderline(Style.Contains(fsUnderline));
    font.setStrikeOut(Style.Contains(fsStrikeOut));
    if (Key.Pitch == fpFixed) {
        font.setStyleHint(QFont::TypeWriter);
        font.setFixedPitch(true);
        if (!QFontInfo(font).fixedPitch()) {
            font.setFamily(QFontDatabase::systemFont(QFontDatabase::FixedFont).family());
        }
    }
    return font;
}

TSharedFontsInfo* TFontsInfoManager::GetFontsInfo(const TFont* ABaseFont) {
    if (!ABaseFont) {
        throw EFontStockException(kSetBaseFontNeedsValue);
    }
    TFontKey key = FontKeyOf(*ABaseFont);
    for (auto& info : list_) {
        if (info->BaseLF == key) {
            ++info->RefCount;
            return info.get();
        }
    }
    auto info = std::make_unique<TSharedFontsInfo>();
    info->BaseFont.Assign(ABaseFont);
    info->BaseLF = key;
    QFont font = MakeQFont(key, {});
    info->IsTrueType = QFontDatabase::isScalable(QFontInfo(font).family());
    info->IsDBCSFont = false;  // the single-byte code page has no double-byte characters
    info->RefCount = 1;
    list_.push_back(std::move(info));
    return list_.back().get();
}

void TFontsInfoManager::ReleaseFontsInfo(TSharedFontsInfo* FontsInfo) {
    if (!FontsInfo) {
        return;
    }
    if (FontsInfo->LockCount >= FontsInfo->RefCount) {
        throw ETextDrawerMisuse("Call DeactivateFontsInfo before calling this.");
    }
    if (FontsInfo->RefCount < 2) {
        std::erase_if(list_, [FontsInfo](const auto& info) { return info.get() == FontsInfo; });
    } else {
        --FontsInfo->RefCount;
    }
}

void TFontsInfoManager::LockFontsInfo(TSharedFontsInfo* FontsInfo) { ++FontsInfo->LockCount; }

void TFontsInfoManager::UnLockFontsInfo(TSharedFontsInfo* FontsInfo) {
    if (FontsInfo->LockCount <= 0) {
        return;
    }
    if (--FontsInfo->LockCount == 0) {
        for (TFontData& data : FontsInfo->FontsData) {
            data.Handle.reset();
        }
    }
}

TFontsInfoManager& GetFontsInfoManager() {
    static TFontsInfoManager manager;
    return manager;
}

#include "editor/qt/QtFontServices.h"

#include <QFontMetrics>

#include "editor/qt/FontsInfoManager.h"
#include "editor/qt/TextDrawer.h"

TSrcTextMetric TQtFontServices::GetTextMetrics(const TFont& Font) {
    QFontMetrics metrics(MakeQFont(FontKeyOf(Font), Font.Style()));
    return {metrics.height(), metrics.averageCharWidth(), metrics.maxWidth()};
}

std::unique_ptr<TSrcTextDrawerBase> TQtFontServices::CreateTextDrawer(TFontStyles CalcExtentBaseStyle,
                                                                      const TFont& BaseFont) {
    return std::make_unique<TTextDrawer>(CalcExtentBaseStyle, &BaseFont);
}

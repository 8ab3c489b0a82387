#pragma once
#include "editor/control/SrcFontServices.h"

// The editor's fonts on Qt: measures with Qt's font metrics and draws with
// TTextDrawer.
class TQtFontServices : public TSrcFontServices {
public:
    TSrcTextMetric GetTextMetrics(const TFont& Font) override;
    std::unique_ptr<TSrcTextDrawerBase> CreateTextDrawer(TFontStyles CalcExtentBaseStyle,
                                                         const TFont& BaseFont) override;
};

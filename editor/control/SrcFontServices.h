#pragma once
#include <memory>

#include "editor/support/SrcFont.h"
#include "editor/control/SrcTextDrawerBase.h"

// What a font measures to, in pixels.
struct TSrcTextMetric {
    int Height = 0;
    int AveCharWidth = 0;
    int MaxCharWidth = 0;
};

// The platform's fonts: measuring one and making text drawers.
class TSrcFontServices {
public:
    TSrcFontServices() = default;
    TSrcFontServices(const TSrcFontServices&) = delete;
    TSrcFontServices& operator=(const TSrcFontServices&) = delete;
    virtual ~TSrcFontServices() = default;

    virtual TSrcTextMetric GetTextMetrics(const TFont& Font) = 0;
    virtual std::unique_ptr<TSrcTextDrawerBase> CreateTextDrawer(TFontStyles CalcExtentBaseStyle,
                                                                 const TFont& BaseFont) = 0;
};

// The process's font services (not owned); the platform layer installs
// them before the first editor control is made.
void SetSrcFontServices(TSrcFontServices* Services);
// Raises ESrcEditError when none are installed.
TSrcFontServices& SrcFontServices();

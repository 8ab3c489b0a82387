#include "editor/print/SrcEditPrinterInfo.h"

#include <cmath>

#include "editor/print/SrcPrinter.h"

int RoundToInt(double Value) {
    if (!(Value == Value)) {
        return 0;
    }
    double rounded = std::round(Value);
    return rounded > 2e9 ? 2000000000 : rounded < -2e9 ? -2000000000 : static_cast<int>(rounded);
}

TSrcEditPrinterInfo& TSrcEditPrinterInfo::Valid() {
    if (!valid_) {
        UpdatePrinter();
    }
    return *this;
}

void TSrcEditPrinterInfo::UpdatePrinter() {
    valid_ = true;
    if (!printer_ || !printer_->TargetPresent()) {
        FillDefault();
        return;
    }
    TSrcPrinterGeometry g = printer_->Geometry();
    physicalWidth_ = g.PaperWidth;
    physicalHeight_ = g.PaperHeight;
    printableWidth_ = g.PageWidth;
    printableHeight_ = g.PageHeight;
    leftGutter_ = g.PageLeft;
    topGutter_ = g.PageTop;
    rightGutter_ = physicalWidth_ - printableWidth_ - leftGutter_;
    bottomGutter_ = physicalHeight_ - printableHeight_ - topGutter_;
    SetResolution(g.PixelsPerInchX, g.PixelsPerInchY);
}

void TSrcEditPrinterInfo::FillDefault() {
    physicalWidth_ = 2481;
    physicalHeight_ = 3507;
    printableWidth_ = 2358;
    printableHeight_ = 3407;
    leftGutter_ = 65;
    rightGutter_ = 58;
    topGutter_ = 50;
    bottomGutter_ = 50;
    SetResolution(300, 300);
}

void TSrcEditPrinterInfo::SetResolution(int X, int Y) {
    xPixPrInch_ = X > 0 ? X : 300;
    yPixPrInch_ = Y > 0 ? Y : 300;
    xPixPrMM_ = static_cast<float>(xPixPrInch_) / 25.4f;
    yPixPrMM_ = static_cast<float>(yPixPrInch_) / 25.4f;
}

int TSrcEditPrinterInfo::PixFromLeft(double MM) { return RoundToInt(MM * XPixPrMM() - leftGutter_); }
int TSrcEditPrinterInfo::PixFromRight(double MM) { return RoundToInt(MM * XPixPrMM() - rightGutter_); }
int TSrcEditPrinterInfo::PixFromTop(double MM) { return RoundToInt(MM * YPixPrMM() - topGutter_); }
int TSrcEditPrinterInfo::PixFromBottom(double MM) { return RoundToInt(MM * YPixPrMM() - bottomGutter_); }

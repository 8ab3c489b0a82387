#include "editor/print/SrcEditPrintMargins.h"

#include <string>

#include "editor/print/SrcEditPrinterInfo.h"
#include "editor/print/SrcPrintCanvas.h"
#include "editor/print/SrcPrintStreamIO.h"

void TSrcEditPrintMargins::Assign(const TPersistent* Source) {
    if (auto* margins = dynamic_cast<const TSrcEditPrintMargins*>(Source)) {
        *this = *margins;
    } else {
        TPersistent::Assign(Source);
    }
}

double TSrcEditPrintMargins::Factor() const {
    switch (unitSystem_) {
    case usCM: return 10;
    case usInch: return 25.4;
    case muThousandthsOfInches: return 25.4 / 1000;
    default: return 1;
    }
}

void TSrcEditPrintMargins::InitPage(TSrcPrintCanvas& Canvas, int PageNum, TSrcEditPrinterInfo& PrinterInfo,
                                    bool LineNumbers, bool LineNumbersInMargin, int MaxLineNumber) {
    if (mirrorMargins_ && PageNum % 2 == 0) {
        PLeft = PrinterInfo.PixFromLeft(right_);
        PRight = PrinterInfo.PrintableWidth() - PrinterInfo.PixFromRight(left_ + gutter_);
    } else {
        PLeft = PrinterInfo.PixFromLeft(left_ + gutter_);
        PRight = PrinterInfo.PrintableWidth() - PrinterInfo.PixFromRight(right_);
    }
    if (LineNumbers && !LineNumbersInMargin) {
        PLeft += Canvas.TextWidth(std::to_string(MaxLineNumber) + ": ");
    }
    PTop = PrinterInfo.PixFromTop(top_);
    PBottom = PrinterInfo.PrintableHeight() - PrinterInfo.PixFromBottom(bottom_);
    PHeader = PrinterInfo.PixFromTop(header_);
    PFooter = PrinterInfo.PrintableHeight() - PrinterInfo.PixFromBottom(footer_);
    PHFInternalMargin = RoundToInt(PrinterInfo.YPixPrMM() * hfInternalMargin_);
    PGutter = RoundToInt(PrinterInfo.XPixPrMM() * gutter_);
    PRightHFTextIndent = PRight - RoundToInt(PrinterInfo.XPixPrMM() * rightHFTextIndent_);
    PLeftHFTextIndent = PLeft + RoundToInt(PrinterInfo.XPixPrMM() * leftHFTextIndent_);
}

void TSrcEditPrintMargins::SaveToStream(TStream& AStream) const {
    TSrcPrintWriter out(AStream);
    out.Byte(unitSystem_);
    for (double value : {left_, right_, top_, bottom_, header_, footer_, leftHFTextIndent_, rightHFTextIndent_,
                         hfInternalMargin_, gutter_}) {
        out.Double(value);
    }
    out.Bool(mirrorMargins_);
}

void TSrcEditPrintMargins::LoadFromStream(TStream& AStream) {
    TSrcPrintReader in(AStream);
    TSrcEditPrintMargins read;
    read.unitSystem_ = static_cast<TUnitSystem>(in.Enum(muThousandthsOfInches + 1));
    for (double* value : {&read.left_, &read.right_, &read.top_, &read.bottom_, &read.header_, &read.footer_,
                          &read.leftHFTextIndent_, &read.rightHFTextIndent_, &read.hfInternalMargin_, &read.gutter_}) {
        *value = in.Double();
    }
    read.mirrorMargins_ = in.Bool();
    *this = read;
}

#include "ide/PrintSetup.h"

#include "editor/print/SrcEditPrint.h"

namespace {

TSrcPrintFont HeaderFooterFont() {
    TSrcPrintFont font;
    font.SetName("Arial");
    font.SetHeight(-13);
    font.SetColor(clBlack);
    return font;
}

}  // namespace

void SetUpSrcEditPrint1(TSrcEditPrint& Print) {
    TSrcEditPrintMargins margins;
    margins.SetUnitSystem(usMM);
    margins.SetLeft(15);
    margins.SetRight(15);
    margins.SetTop(15);
    margins.SetBottom(15);
    margins.SetHeader(15);
    margins.SetFooter(15);
    margins.SetLeftHFTextIndent(2);
    margins.SetRightHFTextIndent(2);
    margins.SetHFInternalMargin(0.5);
    Print.SetMargins(margins);
    Print.Header().SetDefaultFont(HeaderFooterFont());
    Print.Footer().SetDefaultFont(HeaderFooterFont());
    Print.Colors = true;
    Print.TabWidth = 8;
    Print.Color = clWhite;
    Print.Copies = 1;
}

void SetUpPrintFooter(TFooter& Footer) {
    Footer.MirrorPosition = false;
    Footer.Add("$DATE$        $TIME$        $TITLE$        $PAGENUM$", nullptr, taRightJustify, 1);
}

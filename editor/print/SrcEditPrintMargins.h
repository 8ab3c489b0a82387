#pragma once
#include "editor/print/SrcEditPrintTypes.h"
#include "editor/support/SrcObject.h"

class TSrcEditPrinterInfo;
class TSrcPrintCanvas;
class TStream;

// The page margins, kept in millimetres and read and written in UnitSystem;
// InitPage turns them into device pixels for one page.
class TSrcEditPrintMargins : public TPersistent {
public:
    void Assign(const TPersistent* Source) override;

    TUnitSystem UnitSystem() const { return unitSystem_; }
    void SetUnitSystem(TUnitSystem Value) { unitSystem_ = Value; }
    double Left() const { return FromMM(left_); }
    double Right() const { return FromMM(right_); }
    double Top() const { return FromMM(top_); }
    double Bottom() const { return FromMM(bottom_); }
    double Header() const { return FromMM(header_); }
    double Footer() const { return FromMM(footer_); }
    double LeftHFTextIndent() const { return FromMM(leftHFTextIndent_); }
    double RightHFTextIndent() const { return FromMM(rightHFTextIndent_); }
    double HFInternalMargin() const { return FromMM(hfInternalMargin_); }
    double Gutter() const { return FromMM(gutter_); }
    bool MirrorMargins() const { return mirrorMargins_; }
    void SetLeft(double Value) { left_ = ToMM(Value); }
    void SetRight(double Value) { right_ = ToMM(Value); }
    void SetTop(double Value) { top_ = ToMM(Value); }
    void SetBottom(double Value) { bottom_ = ToMM(Value); }
    void SetHeader(double Value) { header_ = ToMM(Value); }
    void SetFooter(double Value) { footer_ = ToMM(Value); }
    void SetLeftHFTextIndent(double Value) { leftHFTextIndent_ = ToMM(Value); }
    void SetRightHFTextIndent(double Value) { rightHFTextIndent_ = ToMM(Value); }
    void SetHFInternalMargin(double Value) { hfInternalMargin_ = ToMM(Value); }
    void SetGutter(double Value) { gutter_ = ToMM(Value); }
    void SetMirrorMargins(bool Value) { mirrorMargins_ = Value; }

    // Device pixels for page PageNum; with line numbers outside the margin
    // the left edge makes room for "MaxLineNumber: " in the canvas's font.
    void InitPage(TSrcPrintCanvas& Canvas, int PageNum, TSrcEditPrinterInfo& PrinterInfo, bool LineNumbers,
                  bool LineNumbersInMargin, int MaxLineNumber);

    // Reading raises EReadError on damaged data and then changes nothing.
    void LoadFromStream(TStream& AStream);
    void SaveToStream(TStream& AStream) const;

    int PLeft = 0;
    int PRight = 0;
    int PTop = 0;
    int PBottom = 0;
    int PHeader = 0;
    int PFooter = 0;
    int PLeftHFTextIndent = 0;
    int PRightHFTextIndent = 0;
    int PHFInternalMargin = 0;
    int PGutter = 0;

private:
    double Factor() const;
    double ToMM(double Value) const { return Value * Factor(); }
    double FromMM(double Value) const { return Value / Factor(); }

    TUnitSystem unitSystem_ = usMM;
    double left_ = 25;
    double right_ = 15;
    double top_ = 25;
    double bottom_ = 25;
    double header_ = 15;
    double footer_ = 15;
    double leftHFTextIndent_ = 2;
    double rightHFTextIndent_ = 2;
    double hfInternalMargin_ = 0.5;
    double gutter_ = 0;
    bool mirrorMargins_ = false;
};

#pragma once

class TSrcPrinter;

// A printer's page geometry and resolution, read on first use. Without a
// printer target the values are those of an A4 page at 300 dpi.
class TSrcEditPrinterInfo {
public:
    explicit TSrcEditPrinterInfo(TSrcPrinter* Printer = nullptr) : printer_(Printer) {}

    void SetPrinter(TSrcPrinter* Value) {
        printer_ = Value;
        valid_ = false;
    }
    void UpdatePrinter();
    void FillDefault();

    // Millimetres to pixels from that edge of the printable area.
    int PixFromLeft(double MM);
    int PixFromRight(double MM);
    int PixFromTop(double MM);
    int PixFromBottom(double MM);

    int PhysicalWidth() { return Valid().physicalWidth_; }
    int PhysicalHeight() { return Valid().physicalHeight_; }
    int PrintableWidth() { return Valid().printableWidth_; }
    int PrintableHeight() { return Valid().printableHeight_; }
    int LeftGutter() { return Valid().leftGutter_; }
    int RightGutter() { return Valid().rightGutter_; }
    int TopGutter() { return Valid().topGutter_; }
    int BottomGutter() { return Valid().bottomGutter_; }
    int XPixPrInch() { return Valid().xPixPrInch_; }
    int YPixPrInch() { return Valid().yPixPrInch_; }
    float XPixPrMM() { return Valid().xPixPrMM_; }
    float YPixPrMM() { return Valid().yPixPrMM_; }
    bool IsValid() const { return valid_; }

private:
    TSrcEditPrinterInfo& Valid();
    void SetResolution(int X, int Y);

    TSrcPrinter* printer_;
    int physicalWidth_ = 0;
    int physicalHeight_ = 0;
    int printableWidth_ = 0;
    int printableHeight_ = 0;
    int leftGutter_ = 0;
    int rightGutter_ = 0;
    int topGutter_ = 0;
    int bottomGutter_ = 0;
    int xPixPrInch_ = 0;
    int yPixPrInch_ = 0;
    float xPixPrMM_ = 0;
    float yPixPrMM_ = 0;
    bool valid_ = false;
};

// round(Value) to the nearest integer, held inside the int range.
int RoundToInt(double Value);

#pragma once
#include <memory>

#include <QImage>

#include "editor/print/SrcPrinter.h"

class QPainter;
class QPrinter;
class QString;
class TQtPrintCanvas;

// The print engine's printer over a QPrinter (not owned). A PDF printer
// has a target when it has a file name, any other when it names a printer.
class TQtPrinter : public TSrcPrinter {
public:
    static constexpr int kPdfResolution = 300;

    explicit TQtPrinter(QPrinter& Printer);
    ~TQtPrinter() override;

    // Makes Printer write a PDF file at 300 dpi.
    static void UsePdf(QPrinter& Printer, const QString& FileName);

    std::string Title() const override;
    void SetTitle(const std::string& Value) override;
    void BeginDoc() override;
    void EndDoc() override;
    void NewPage() override;
    // The PDF engine ignores QPrinter::abort, so its file is removed.
    void Abort() override;
    bool Printing() const override;
    bool Aborted() const override { return aborted_; }
    TSrcPrintCanvas& Canvas() override;
    TSrcPrintCanvas& MeasureCanvas(int PixelsPerInch) override;
    bool TargetPresent() const override;
    TSrcPrinterGeometry Geometry() const override;

    QPrinter& Device() const { return printer_; }

private:
    QPrinter& printer_;
    std::unique_ptr<QPainter> painter_;
    std::unique_ptr<TQtPrintCanvas> canvas_;
    QImage measureDevice_;
    std::unique_ptr<TQtPrintCanvas> measure_;
    bool aborted_ = false;
};

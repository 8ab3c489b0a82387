#pragma once
#include <string>

class TSrcPrintCanvas;

// A printer's page in device pixels and its resolution.
struct TSrcPrinterGeometry {
    int PaperWidth = 0;
    int PaperHeight = 0;
    int PageWidth = 0;  // the printable area
    int PageHeight = 0;
    int PageLeft = 0;  // the printable area's offset on the paper
    int PageTop = 0;
    int PixelsPerInchX = 0;
    int PixelsPerInchY = 0;
};

// The printer that the print engine sends a document to.
class TSrcPrinter {
public:
    TSrcPrinter() = default;
    TSrcPrinter(const TSrcPrinter&) = delete;
    TSrcPrinter& operator=(const TSrcPrinter&) = delete;
    virtual ~TSrcPrinter() = default;

    virtual std::string Title() const = 0;
    virtual void SetTitle(const std::string& Value) = 0;
    // Raises EPrinter when the target cannot be opened.
    virtual void BeginDoc() = 0;
    // Finishes the document; nothing when none is open (after Abort).
    virtual void EndDoc() = 0;
    virtual void NewPage() = 0;
    // Ends the document and discards what was printed of it.
    virtual void Abort() = 0;
    virtual bool Printing() const = 0;
    virtual bool Aborted() const = 0;
    // The canvas of the current page; valid while printing.
    virtual TSrcPrintCanvas& Canvas() = 0;
    // A canvas that measures (and draws nothing) at PixelsPerInch.
    virtual TSrcPrintCanvas& MeasureCanvas(int PixelsPerInch) = 0;
    // Whether there is somewhere to print to.
    virtual bool TargetPresent() const = 0;
    virtual TSrcPrinterGeometry Geometry() const = 0;
};

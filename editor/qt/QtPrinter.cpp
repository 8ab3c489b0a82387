#include "editor/qt/QtPrinter.h"

#include <QFile>
#include <QPainter>
#include <QPrinter>

#include <cmath>

#include "editor/print/SrcEditPrintTypes.h"
#include "editor/qt/QtPrintCanvas.h"
#include "editor/qt/QtPrintClock.h"
#include "editor/qt/QtText.h"

TQtPrinter::TQtPrinter(QPrinter& Printer) : printer_(Printer) { TQtPrintClock::Install(); }

TQtPrinter::~TQtPrinter() {
    if (Printing()) {
        Abort();
    }
}

void TQtPrinter::UsePdf(QPrinter& Printer, const QString& FileName) {
    Printer.setOutputFormat(QPrinter::PdfFormat);
    Printer.setResolution(kPdfResolution);
    Printer.setOutputFileName(FileName);
}

std::string TQtPrinter::Title() const { return QStringToCp1252(printer_.docName()); }

void TQtPrinter::SetTitle(const std::string& Value) {
    printer_.setDocName(Cp1252ToQString(Value.data(), static_cast<int>(Value.size())));
}

void TQtPrinter::BeginDoc() {
    if (Printing()) {
        throw EPrinter("Printing is already in progress");
    }
    aborted_ = false;
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(&printer_)) {
        painter_.reset();
        QString target = printer_.outputFormat() == QPrinter::PdfFormat ? printer_.outputFileName()
                                                                        : printer_.printerName();
        throw EPrinter("Cannot print to \"" + QStringToCp1252(target) + "\"");
    }
    canvas_ = std::make_unique<TQtPrintCanvas>(painter_.get(), printer_);
}

void TQtPrinter::EndDoc() {
    if (!Printing()) {
        return;
    }
    painter_->end();
    painter_.reset();
    canvas_.reset();
}

void TQtPrinter::NewPage() {
    if (Printing() && !printer_.newPage()) {
        throw EPrinter("The printer did not start a new page");
    }
}

void TQtPrinter::Abort() {
    if (!Printing()) {
        return;
    }
    aborted_ = true;
    bool pdf = printer_.outputFormat() == QPrinter::PdfFormat;
    if (!pdf) {
        printer_.abort();
    }
    painter_->end();
    painter_.reset();
    canvas_.reset();
    if (pdf) {
        QFile::remove(printer_.outputFileName());
    }
}

bool TQtPrinter::Printing() const { return painter_ && painter_->isActive(); }

TSrcPrintCanvas& TQtPrinter::Canvas() {
    if (!canvas_) {
        throw EPrinter("Printing not in progress");
    }
    return *canvas_;
}

TSrcPrintCanvas& TQtPrinter::MeasureCanvas(int PixelsPerInch) {
    int dotsPerMeter = static_cast<int>(std::lround(PixelsPerInch / 0.0254));
    if (!measure_ || measureDevice_.dotsPerMeterY() != dotsPerMeter) {
        measure_.reset();
        measureDevice_ = QImage(1, 1, QImage::Format_RGB32);
        measureDevice_.setDotsPerMeterX(dotsPerMeter);
        measureDevice_.setDotsPerMeterY(dotsPerMeter);
        measure_ = std::make_unique<TQtPrintCanvas>(nullptr, measureDevice_);
    }
    return *measure_;
}

bool TQtPrinter::TargetPresent() const {
    if (printer_.outputFormat() == QPrinter::PdfFormat) {
        return !printer_.outputFileName().isEmpty();
    }
    return printer_.isValid() && !printer_.printerName().isEmpty();
}

TSrcPrinterGeometry TQtPrinter::Geometry() const {
    QRectF paper = printer_.paperRect(QPrinter::DevicePixel);
    QRectF page = printer_.pageRect(QPrinter::DevicePixel);
    TSrcPrinterGeometry g;
    g.PaperWidth = static_cast<int>(paper.width());
    g.PaperHeight = static_cast<int>(paper.height());
    g.PageWidth = static_cast<int>(page.width());
    g.PageHeight = static_cast<int>(page.height());
    g.PageLeft = static_cast<int>(page.left());
    g.PageTop = static_cast<int>(page.top());
    g.PixelsPerInchX = printer_.resolution();
    g.PixelsPerInchY = printer_.resolution();
    return g;
}

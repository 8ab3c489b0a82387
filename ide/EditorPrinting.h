#pragma once
#include <memory>

class CZARNSource;
class IPrintDialog;
class QPrinter;
class QWidget;
class TQtPrinter;
class TSrcEditPrint;

// The main window's printing components: SrcEditPrint1, PrintDialog1 and
// the printer the dialog sets up (made on first use).
class TEditorPrinting {
public:
    TEditorPrinting();
    ~TEditorPrinting();

    TSrcEditPrint& SrcEditPrint1() { return *print_; }
    QPrinter& Printer();
    void SetPrintDialog(std::unique_ptr<IPrintDialog> Dialog);

    // Asks PrintDialog1 for the printer; when confirmed, prints Page with
    // its file name as the title, the Print command's footer and line
    // numbers.
    void PrintPage(const CZARNSource& Page, QWidget* Parent);

private:
    // The device makes the copies chosen in the dialog when it can, the
    // engine otherwise.
    void ShareCopies();

    std::unique_ptr<TSrcEditPrint> print_;
    std::unique_ptr<IPrintDialog> dialog_;
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<TQtPrinter> qtPrinter_;
};

#pragma once

class QPrinter;
class QWidget;

// The Print command's printer dialog: sets up Printer (device, copies,
// output file). Tests replace it.
class IPrintDialog {
public:
    virtual ~IPrintDialog() = default;
    // True when the user confirmed.
    virtual bool Execute(QPrinter& Printer, QWidget* Parent) = 0;
};

// PrintDialog1: a QPrintDialog that may print to a file.
class TQtPrintDialog : public IPrintDialog {
public:
    bool Execute(QPrinter& Printer, QWidget* Parent) override;
};

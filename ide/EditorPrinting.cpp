#include "ide/EditorPrinting.h"

#include <QPrinter>
#include <algorithm>

#include "editor/print/SrcEditPrint.h"
#include "editor/qt/QtPrinter.h"
#include "ide/PrintDialog.h"
#include "ide/PrintSetup.h"
#include "ide/ZARNSource.h"

TEditorPrinting::TEditorPrinting()
    : print_(std::make_unique<TSrcEditPrint>()), dialog_(std::make_unique<TQtPrintDialog>())
{
    SetUpSrcEditPrint1(*print_);
}

TEditorPrinting::~TEditorPrinting() = default;

QPrinter& TEditorPrinting::Printer()
{
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer_->setCopyCount(1);
        qtPrinter_ = std::make_unique<TQtPrinter>(*printer_);
        print_->SetPrinter(qtPrinter_.get());
    }
    return *printer_;
}

void TEditorPrinting::SetPrintDialog(std::unique_ptr<IPrintDialog> Dialog) { dialog_ = std::move(Dialog); }

void TEditorPrinting::ShareCopies()
{
    QPrinter& printer = Printer();
    const int copies = std::max(1, printer.copyCount());
    if (printer.supportsMultipleCopies()) {
        print_->Copies = 1;
    } else {
        printer.setCopyCount(1);
        print_->Copies = copies;
    }
}

void TEditorPrinting::PrintPage(const CZARNSource& Page, QWidget* Parent)
{
    TFooter footer;
    SetUpPrintFooter(footer);
    if (!dialog_->Execute(Printer(), Parent)) return;
    ShareCopies();
    print_->SetSrcEdit(Page);
    print_->Title = Page.FileName();
    print_->SetFooter(footer);
    print_->SetLineNumbers(true);
    print_->Print();
}

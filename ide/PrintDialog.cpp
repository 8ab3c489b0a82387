#include "ide/PrintDialog.h"

#include <QPrintDialog>

bool TQtPrintDialog::Execute(QPrinter& Printer, QWidget* Parent)
{
    QPrintDialog dialog(&Printer, Parent);
    dialog.setObjectName("PrintDialog1");
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    return dialog.exec() == QDialog::Accepted;
}

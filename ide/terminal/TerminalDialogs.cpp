#include "ide/terminal/TerminalDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

#include "ide/FileDialogColumns.h"

namespace {

std::optional<std::string> ChosenFile(QFileDialog& dialog)
{
    ShowColumnsWhole(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first().toStdString();
}

}  // namespace

std::optional<std::string> TQtTerminalDialogs::SaveFileName()
{
    QFileDialog dialog(parent_);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    return ChosenFile(dialog);
}

std::optional<std::string> TQtTerminalDialogs::OpenFileName()
{
    QFileDialog dialog(parent_);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return ChosenFile(dialog);
}

void TQtTerminalDialogs::ErrorBox(const std::string& text, const std::string& caption)
{
    QMessageBox::critical(parent_, QString::fromStdString(caption), QString::fromStdString(text));
}

void TQtTerminalDialogs::Beep() { QApplication::beep(); }

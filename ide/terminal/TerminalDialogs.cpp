#include "ide/terminal/TerminalDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

std::optional<std::string> TQtTerminalDialogs::SaveFileName()
{
    const QString name = QFileDialog::getSaveFileName(parent_);
    if (name.isEmpty()) return std::nullopt;
    return name.toStdString();
}

std::optional<std::string> TQtTerminalDialogs::OpenFileName()
{
    const QString name = QFileDialog::getOpenFileName(parent_);
    if (name.isEmpty()) return std::nullopt;
    return name.toStdString();
}

void TQtTerminalDialogs::ErrorBox(const std::string& text, const std::string& caption)
{
    QMessageBox::critical(parent_, QString::fromStdString(caption), QString::fromStdString(text));
}

void TQtTerminalDialogs::Beep() { QApplication::beep(); }

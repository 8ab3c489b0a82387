#include "ide/EditorDialogs.h"

#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

#include "editor/support/ShownText.h"
#include "ide/FileDialogColumns.h"

namespace {

QMessageBox::Icon BoxIcon(TBoxIcon icon)
{
    switch (icon) {
    case TBoxIcon::Information: return QMessageBox::Information;
    case TBoxIcon::Question: return QMessageBox::Question;
    case TBoxIcon::Warning: return QMessageBox::Warning;
    case TBoxIcon::Error: return QMessageBox::Critical;
    case TBoxIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons BoxButtons(TBoxButtons buttons)
{
    switch (buttons) {
    case TBoxButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case TBoxButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case TBoxButtons::Ok: break;
    }
    return QMessageBox::Ok;
}

}  // namespace

std::vector<std::string> TQtEditorDialogs::OpenFiles(const std::string& folder)
{
    QFileDialog dialog(parent_, QString(), QString::fromStdString(folder));
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setNameFilters({"Java Source (*.java)", "All Files (*)"});
    ShowColumnsWhole(dialog);
    std::vector<std::string> files;
    if (dialog.exec() != QDialog::Accepted) return files;
    for (const QString& file : dialog.selectedFiles()) files.push_back(file.toStdString());
    return files;
}

std::optional<std::string> TQtEditorDialogs::SaveFile(const std::string& folder, const std::string& proposed)
{
    QFileDialog dialog(parent_, QString(), QString::fromStdString(folder));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters({"Java source (*.java)", "All Files (*)"});
    dialog.setDefaultSuffix("java");
    if (!proposed.empty()) dialog.selectFile(QString::fromStdString(ShownText(proposed)));
    ShowColumnsWhole(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first().toStdString();
}

TBoxAnswer TQtEditorDialogs::MessageBox(const std::string& text, const std::string& caption, TBoxButtons buttons,
                                        TBoxIcon icon)
{
    QMessageBox box(BoxIcon(icon), QString::fromStdString(ShownText(caption)),
                    QString::fromStdString(ShownText(text)), BoxButtons(buttons), parent_);
    switch (box.exec()) {
    case QMessageBox::Yes: return TBoxAnswer::Yes;
    case QMessageBox::No: return TBoxAnswer::No;
    case QMessageBox::Ok: return TBoxAnswer::Ok;
    default: return TBoxAnswer::Cancel;
    }
}

bool TQtEditorDialogs::ExecModal(QDialog& dialog)
{
    return dialog.exec() == QDialog::Accepted;
}

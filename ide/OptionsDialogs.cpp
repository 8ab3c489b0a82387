#include "ide/OptionsDialogs.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>

#include <QLineEdit>

#include "ide/ColorBox.h"
#include "ide/dialogs/ChoosePath.h"
#include "ide/dialogs/ChoosePort.h"

TQtOptionsDialogs::TQtOptionsDialogs(QWidget* parent, std::function<bool()> saveDesktop)
    : parent_(parent), saveDesktop_(std::move(saveDesktop))
{
}

std::optional<uint32_t> TQtOptionsDialogs::PickColor(uint32_t current)
{
    const QColor color = QColorDialog::getColor(TColorBox::ToQColor(current), parent_);
    if (!color.isValid()) return std::nullopt;
    return static_cast<uint32_t>(color.red() | (color.green() << 8) | (color.blue() << 16));
}

bool TQtOptionsDialogs::PickFont(std::string& name, int32_t& size)
{
    bool accepted = false;
    const QFont font = QFontDialog::getFont(&accepted, QFont(QString::fromStdString(name), size), parent_);
    if (!accepted) return false;
    name = font.family().toStdString();
    size = font.pointSize();
    return true;
}

std::optional<std::string> TQtOptionsDialogs::CompilerFile(const std::string& current)
{
    QFileDialog dialog(parent_, "Java Compiler Executable");
    dialog.setNameFilter("Executable Files (*)");
    dialog.setFileMode(QFileDialog::ExistingFile);
    const QFileInfo info(QString::fromStdString(current));
    if (!current.empty()) dialog.setDirectory(info.absolutePath());
    dialog.selectFile("jikes");
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first().toStdString();
}

std::optional<std::string> TQtOptionsDialogs::ChoosePath(const std::string& path)
{
    TChoosePath chooser(parent_);
    chooser.Path->setText(QString::fromStdString(path));
    if (chooser.exec() != QDialog::Accepted) return std::nullopt;
    return chooser.Path->text().toStdString();
}

std::optional<std::vector<std::string>> TQtOptionsDialogs::ChoosePorts(const std::vector<std::string>&)
{
    TChoosePort editor(parent_);
    if (editor.exec() != QDialog::Accepted) return std::nullopt;
    return editor.Ports();
}

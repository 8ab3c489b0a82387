// What "Global Options" does: filling at opening, OK, Default and the
// browse buttons.
#include "ide/OptionsForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <algorithm>

#include "foundation/Options.h"
#include "foundation/Settings.h"
#include "ide/ColorBox.h"
#include "ide/OptionsDialogs.h"

namespace {
constexpr const char* AutoPort = "AUTO";
constexpr size_t PortNumberStart = 3;  // behind "COM"

int32_t PortNumber(const QString& item)
{
    return item.mid(PortNumberStart).toInt();
}
}  // namespace

const std::array<TOptionsForm::TDebugSwitch, TOptionsForm::DebugSwitchCount>& TOptionsForm::DebugSwitchTable()
{
    static const std::array<TDebugSwitch, DebugSwitchCount> table{{
        {"debugLinker", &tOptions::debugLinker},
        {"debugLineTranslate", &tOptions::debugLineTranslate},
        {"debugStepping", &tOptions::debugStepping},
        {"debugClassLoader", &tOptions::debugClassLoader},
        {"debugDataView", &tOptions::debugDataView},
        {"debugORUFile", &tOptions::debugORUFile},
        {"debugIgnoreEchoes", &tOptions::debugIgnoreEchoes},
        {"debugZeroStackOffset", &tOptions::debugZeroStackOffset},
        {"debugLMNative", &tOptions::debugLMNative},
        {"debugJVM2", &tOptions::debugJVM2},
    }};
    return table;
}

QCheckBox* TOptionsForm::DebugSwitch(const std::string& name) const
{
    for (int i = 0; i < DebugSwitchCount; ++i)
        if (name == DebugSwitchTable()[i].Name) return DebugSwitches[i];
    return nullptr;
}

void TOptionsForm::LoadEditorSettings(const tOptions& options)
{
    ColorBox3->SetSelected(options.NumberColor);
    ColorBox4->SetSelected(options.StringColor);
    ColorBox1->SetSelected(options.JavaDocColor);
    ColorBox2->SetSelected(options.CommentColor);
    (options.JavaDocStyle == 1 ? RadioButton2 : RadioButton1)->setChecked(true);
    (options.CommentStyle == 1 ? RadioButton4 : RadioButton3)->setChecked(true);
    fontName_ = options.JavaCodeFontName;
    fontSize_ = options.JavaCodeFontSize;
    fontColor_ = options.JavaCodeFontColor;
}

void TOptionsForm::FormShow()
{
    Classpath->setText(QString::fromStdString(options_.ClassPath));
    CompilerPath->setText(QString::fromStdString(options_.CompilerPath));
    SingleStep->setChecked(options_.SingleStep);
    debugComLevel->setText(QString::number(options_.debugComLevel));
    for (int i = 0; i < DebugSwitchCount; ++i) DebugSwitches[i]->setChecked(options_.*DebugSwitchTable()[i].Member);

    SerialPort->clear();
    SerialPort->addItem(AutoPort);
    const int ports = std::clamp<int32_t>(options_.NumValidPorts, 0, MaxValidPorts);
    for (int i = 0; i < ports; ++i) SerialPort->addItem(QString("COM%1").arg(options_.ValidPort[i]));
    SerialPort->setCurrentIndex(0);
    for (int i = 1; i < SerialPort->count(); ++i)
        if (PortNumber(SerialPort->itemText(i)) == options_.DebugPort) SerialPort->setCurrentIndex(i);

    ORUDebug->setVisible(QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ControlModifier));
    PageControl1->setCurrentWidget(Compiler);
}

void TOptionsForm::StoreEditorSettings()
{
    options_.NumberColor = ColorBox3->Selected();
    options_.StringColor = ColorBox4->Selected();
    options_.JavaDocColor = ColorBox1->Selected();
    options_.CommentColor = ColorBox2->Selected();
    options_.JavaDocStyle = RadioButton2->isChecked() ? 1 : 0;
    options_.CommentStyle = RadioButton4->isChecked() ? 1 : 0;
    options_.JavaCodeFontName = fontName_;
    options_.JavaCodeFontSize = fontSize_;
    options_.JavaCodeFontColor = fontColor_;
}

void TOptionsForm::StorePorts()
{
    options_.DebugPort = SerialPort->currentIndex() <= 0 ? 0 : PortNumber(SerialPort->currentText());
    options_.NumValidPorts = std::min(SerialPort->count() - 1, MaxValidPorts);
    for (int i = 0; i < options_.NumValidPorts; ++i) options_.ValidPort[i] = PortNumber(SerialPort->itemText(i + 1));
}

// Every field is taken before anything is written; the edit of
// debugComLevel takes digits only, and empty counts as 0.
void TOptionsForm::OKButtonClick()
{
    StoreEditorSettings();
    options_.ClassPath = Classpath->text().toStdString();
    options_.CompilerPath = CompilerPath->text().toStdString();
    options_.SingleStep = SingleStep->isChecked();
    options_.debugComLevel = debugComLevel->text().toInt();
    for (int i = 0; i < DebugSwitchCount; ++i) options_.*DebugSwitchTable()[i].Member = DebugSwitches[i]->isChecked();
    StorePorts();
    ApplyEditorSettings();
    if (!SaveSettings()) ReportSettingsWriteFailure();
}

void TOptionsForm::Button1Click()
{
    SetDefaultSettings();
    const bool settingsWritten = SaveSettings();
    const bool desktopWritten = dialogs_.SaveDesktop();
    if (!settingsWritten || !desktopWritten) ReportSettingsWriteFailure();
    AutoClick();
    FormShow();
}

void TOptionsForm::FillSerialPorts(const std::vector<std::string>& ports)
{
    SerialPort->clear();
    SerialPort->addItem(AutoPort);
    for (const std::string& port : ports) SerialPort->addItem(QString::fromStdString(port));
    SerialPort->setCurrentIndex(0);
}

void TOptionsForm::AutoClick()
{
    std::vector<std::string> ports;
    for (int i = 1; i < SerialPort->count(); ++i) ports.push_back(SerialPort->itemText(i).toStdString());
    if (auto chosen = dialogs_.ChoosePorts(ports)) FillSerialPorts(*chosen);
}

void TOptionsForm::SpeedButton3Click()
{
    if (auto path = dialogs_.ChoosePath(Classpath->text().toStdString()))
        Classpath->setText(QString::fromStdString(*path));
}

void TOptionsForm::SpeedButton1Click()
{
    if (auto file = dialogs_.CompilerFile(CompilerPath->text().toStdString()))
        CompilerPath->setText(QString::fromStdString(*file));
}

void TOptionsForm::Button2Click()
{
    std::string name = fontName_;
    int32_t size = fontSize_;
    if (!dialogs_.PickFont(name, size)) return;
    fontName_ = name;
    fontSize_ = size;
}

// The widgets of "Global Options": three sheets and the buttons.
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "foundation/Options.h"
#include "ide/ColorBox.h"
#include "ide/OptionsDialogs.h"
#include "ide/OptionsForm.h"

namespace {
constexpr int ComLevelDigits = 9;

QGroupBox* PathGroup(QWidget* parent, const char* title, QLineEdit*& edit, QToolButton*& browse, const char* note)
{
    auto* group = new QGroupBox(title, parent);
    auto* layout = new QGridLayout(group);
    edit = new QLineEdit(group);
    browse = new QToolButton(group);
    browse->setText("...");
    layout->addWidget(edit, 0, 0);
    layout->addWidget(browse, 0, 1);
    layout->addWidget(new QLabel(note, group), 1, 0, 1, 2);
    return group;
}

// A colour box and a "Normal"/"Italic" pair; Italic is checked.
QGroupBox* StyleGroup(QWidget* parent, const char* title, TColorBox* box, QRadioButton*& normal,
                      QRadioButton*& italic)
{
    auto* group = new QGroupBox(title, parent);
    auto* layout = new QHBoxLayout(group);
    box->setParent(group);
    normal = new QRadioButton("Normal", group);
    italic = new QRadioButton("Italic", group);
    italic->setChecked(true);
    layout->addWidget(box);
    layout->addWidget(normal);
    layout->addWidget(italic);
    return group;
}
}  // namespace

TOptionsForm::TOptionsForm(tOptions& options, IOptionsDialogs& dialogs, QWidget* parent)
    : QDialog(parent), options_(options), dialogs_(dialogs)
{
    setWindowTitle("Global Options");
    auto* layout = new QVBoxLayout(this);
    PageControl1 = new QTabWidget(this);
    layout->addWidget(PageControl1);
    BuildCompilerSheet();
    BuildDebuggerSheet();
    BuildEditorSheet();
    BuildButtons();
    LoadEditorSettings(options_);
}

void TOptionsForm::BuildCompilerSheet()
{
    Compiler = new QWidget;
    auto* layout = new QVBoxLayout(Compiler);
    layout->addWidget(PathGroup(Compiler, "Classpath", Classpath, SpeedButton3,
                                "Enter the path to the root of the Java class library."));
    layout->addWidget(PathGroup(Compiler, "Java Compiler", CompilerPath, SpeedButton1,
                                "Enter the path of the Jikes compiler."));
    connect(SpeedButton3, &QToolButton::clicked, this, [this] { SpeedButton3Click(); });
    connect(SpeedButton1, &QToolButton::clicked, this, [this] { SpeedButton1Click(); });
    PageControl1->addTab(Compiler, "Compiler");
}

void TOptionsForm::BuildDebuggerSheet()
{
    Debugger = new QWidget;
    auto* layout = new QVBoxLayout(Debugger);
    auto* portRow = new QHBoxLayout;
    portRow->addWidget(new QLabel("Serial Port", Debugger));
    SerialPort = new QComboBox(Debugger);
    SerialPort->setToolTip("COM port the debug cable is connected to.");
    Auto = new QPushButton("...", Debugger);
    connect(Auto, &QPushButton::clicked, this, [this] { AutoClick(); });
    portRow->addWidget(SerialPort);
    portRow->addWidget(Auto);
    layout->addLayout(portRow);

    ORUDebug = new QGroupBox("ORU Debugging", Debugger);
    auto* grid = new QGridLayout(ORUDebug);
    for (int i = 0; i < DebugSwitchCount; ++i) {
        DebugSwitches[i] = new QCheckBox(DebugSwitchTable()[i].Name, ORUDebug);
        grid->addWidget(DebugSwitches[i], i / 2, i % 2);
    }
    SingleStep = new QCheckBox("Step single bytecode", ORUDebug);
    grid->addWidget(SingleStep, DebugSwitchCount / 2, 0);
    grid->addWidget(new QLabel("debugComLevel", ORUDebug), DebugSwitchCount / 2 + 1, 0);
    debugComLevel = new QLineEdit("0", ORUDebug);
    debugComLevel->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QString("[0-9]{0,%1}").arg(ComLevelDigits)), debugComLevel));
    grid->addWidget(debugComLevel, DebugSwitchCount / 2 + 1, 1);
    layout->addWidget(ORUDebug);
    PageControl1->addTab(Debugger, "Debugger");
}

void TOptionsForm::BuildEditorSheet()
{
    TabSheet1 = new QWidget;
    auto* layout = new QVBoxLayout(TabSheet1);
    auto picker = [this](TColor current) -> std::optional<TColor> { return dialogs_.PickColor(current); };
    ColorBox1 = new TColorBox(picker);
    ColorBox2 = new TColorBox(picker);
    ColorBox3 = new TColorBox(picker, TabSheet1);
    ColorBox4 = new TColorBox(picker, TabSheet1);

    auto* code = new QGroupBox("Code", TabSheet1);
    auto* codeLayout = new QGridLayout(code);
    codeLayout->addWidget(new QLabel("Number Color", code), 0, 0);
    codeLayout->addWidget(ColorBox3, 0, 1);
    codeLayout->addWidget(new QLabel("String Color", code), 1, 0);
    codeLayout->addWidget(ColorBox4, 1, 1);
    Button2 = new QPushButton("Font", code);
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    codeLayout->addWidget(Button2, 2, 1);
    layout->addWidget(code);
    layout->addWidget(StyleGroup(TabSheet1, "JavaDoc", ColorBox1, RadioButton1, RadioButton2));
    layout->addWidget(StyleGroup(TabSheet1, "Comment", ColorBox2, RadioButton3, RadioButton4));
    PageControl1->addTab(TabSheet1, "Editor");
}

void TOptionsForm::BuildButtons()
{
    auto* row = new QHBoxLayout;
    Button1 = new QPushButton("Default", this);
    Button1->setToolTip("Reset all options to default values");
    OKButton = new QPushButton("OK", this);
    OKButton->setDefault(true);
    CancelButton = new QPushButton("Cancel", this);
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(OKButton, &QPushButton::clicked, this, [this] {
        OKButtonClick();
        accept();
    });
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    row->addWidget(Button1);
    row->addStretch();
    row->addWidget(OKButton);
    row->addWidget(CancelButton);
    static_cast<QVBoxLayout*>(layout())->addLayout(row);
}

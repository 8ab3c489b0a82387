#include "ide/ProjectOptionsForm.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "foundation/EError.h"
#include "foundation/ProjectOptions.h"

namespace {
constexpr int FormWidth = 371;
constexpr int FormHeight = 326;
constexpr int PortItems = 10;
}  // namespace

TProjectOptionsForm::TProjectOptionsForm(QWidget* owner) : QDialog(owner)
{
    setWindowTitle("Project Options");
    setFixedSize(FormWidth, FormHeight);
    auto* layout = new QVBoxLayout(this);
    PageControl1 = new QTabWidget(this);
    Compiler = BuildCompilerSheet();
    Debugger = BuildDebuggerSheet();
    PageControl1->addTab(Compiler, "Compiler");
    PageControl1->addTab(Debugger, "Debugger");
    layout->addWidget(PageControl1, 1);

    auto* buttons = new QHBoxLayout;
    Button1 = new QPushButton("Default", this);
    OKButton = new QPushButton("OK", this);
    CancelButton = new QPushButton("Cancel", this);
    OKButton->setDefault(true);
    buttons->addWidget(Button1);
    buttons->addStretch(1);
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);
    layout->addLayout(buttons);
    connect(OKButton, &QPushButton::clicked, this, [this] {
        OKButtonClick();
        accept();
    });
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

QWidget* TProjectOptionsForm::BuildCompilerSheet()
{
    auto* sheet = new QWidget;
    auto* layout = new QVBoxLayout(sheet);
    auto* group = new QGroupBox("Classpath", sheet);
    auto* groupLayout = new QVBoxLayout(group);
    auto* row = new QHBoxLayout;
    Classpath = new QLineEdit(group);
    SpeedButton3 = new QToolButton(group);
    SpeedButton3->setText("...");
    row->addWidget(Classpath, 1);
    row->addWidget(SpeedButton3);
    groupLayout->addLayout(row);
    groupLayout->addWidget(new QLabel("Enter the path to the root of the Java class library.", group));
    layout->addWidget(group);
    layout->addStretch(1);
    connect(SpeedButton3, &QToolButton::clicked, this, [this] { SpeedButton3Click(); });
    return sheet;
}

QWidget* TProjectOptionsForm::BuildDebuggerSheet()
{
    auto* sheet = new QWidget;
    auto* layout = new QVBoxLayout(sheet);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel("Serial Port", sheet));
    SerialPort = new QComboBox(sheet);
    for (int i = 1; i <= PortItems; ++i) SerialPort->addItem(QString("COM%1").arg(i));
    SerialPort->setToolTip("COM port the debug cable is connected to.");
    row->addWidget(SerialPort, 1);
    AutoButton = new QPushButton("Auto", sheet);
    row->addWidget(AutoButton);
    layout->addLayout(row);
    layout->addStretch(1);
    return sheet;
}

void TProjectOptionsForm::FormShow()
{
    if (!options_) throw EError(ecIDE, 1, 35);
    Classpath->setText(QString::fromStdString(options_->Classpath));
    const int port = options_->DebugPort;
    SerialPort->setCurrentIndex(port >= 0 && port < SerialPort->count() ? port : -1);
    PageControl1->setCurrentWidget(Compiler);
}

void TProjectOptionsForm::OKButtonClick()
{
    if (!options_) return;
    options_->Classpath = Classpath->text().toStdString();
    options_->DebugPort = SerialPort->currentIndex();
}

// The path chooser takes the class path here once it exists.
void TProjectOptionsForm::SpeedButton3Click() {}

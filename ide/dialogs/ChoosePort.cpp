#include "ide/dialogs/ChoosePort.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QShowEvent>

#include "foundation/Options.h"
#include "foundation/Settings.h"

namespace {

// A port number the list can take: 1 to 19, as typed.
bool AcceptablePortNumber(const QString& digits)
{
    bool ok = false;
    const int number = digits.toInt(&ok);
    return ok && number >= 1 && number <= 19;
}

}  // namespace

TChoosePort::TChoosePort(QWidget* parent) : QDialog(parent)
{
    setWindowTitle("Edit Port List");
    auto* grid = new QGridLayout(this);
    PortList = new QListWidget(this);
    ComNumber = new QLineEdit(this);
    ComNumber->setMaxLength(2);
    ComNumber->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]{0,2}"), ComNumber));
    AddButton = new QPushButton("Add", this);
    DeleteButton = new QPushButton("Delete", this);
    Button5 = new QPushButton("Auto", this);
    Button3 = new QPushButton("OK", this);
    Button3->setDefault(true);
    Button4 = new QPushButton("Cancel", this);
    grid->addWidget(new QLabel("Known ports:", this), 0, 0);
    grid->addWidget(PortList, 1, 0, 4, 1);
    grid->addWidget(new QLabel("Com #", this), 1, 1);
    grid->addWidget(ComNumber, 1, 2);
    grid->addWidget(AddButton, 2, 1, 1, 2);
    grid->addWidget(DeleteButton, 3, 1, 1, 2);
    grid->addWidget(Button5, 4, 1, 1, 2);
    grid->addWidget(Button3, 5, 1);
    grid->addWidget(Button4, 5, 2);

    ListPorts = [](std::vector<std::string>& list) { ListComPorts(list); };
    connect(PortList, &QListWidget::currentRowChanged, this, [this] { UpdateActions(); });
    connect(ComNumber, &QLineEdit::textChanged, this, [this] { UpdateActions(); });
    connect(AddButton, &QPushButton::clicked, this, [this] { AddButtonClick(); });
    connect(DeleteButton, &QPushButton::clicked, this, [this] { DeleteButtonClick(); });
    connect(Button5, &QPushButton::clicked, this, [this] { Button5Click(); });
    connect(Button3, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button4, &QPushButton::clicked, this, &QDialog::reject);
    UpdateActions();
}

void TChoosePort::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TChoosePort::UpdateActions()
{
    DeleteButton->setEnabled(PortList->currentRow() >= 0);
    AddButton->setEnabled(AcceptablePortNumber(ComNumber->text().trimmed()));
}

void TChoosePort::FormShow()
{
    PortList->clear();
    for (int i = 0; i < GlobalOptions.NumValidPorts && i < MaxValidPorts; ++i)
        PortList->addItem(QString("COM%1").arg(GlobalOptions.ValidPort[size_t(i)]));
    UpdateActions();
}

void TChoosePort::AddButtonClick()
{
    const QString digits = ComNumber->text().trimmed();
    if (!AcceptablePortNumber(digits)) return;
    PortList->addItem("COM" + digits);
}

void TChoosePort::DeleteButtonClick()
{
    delete PortList->takeItem(PortList->currentRow());
    UpdateActions();
}

void TChoosePort::Button5Click()
{
    PortList->clear();
    std::vector<std::string> ports;
    ListPorts(ports);
    for (const std::string& port : ports) PortList->addItem(QString::fromStdString(port));
    UpdateActions();
}

std::vector<std::string> TChoosePort::Ports() const
{
    std::vector<std::string> ports;
    for (int i = 0; i < PortList->count(); ++i) ports.push_back(PortList->item(i)->text().toStdString());
    return ports;
}

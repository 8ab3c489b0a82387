#include "ide/dialogs/IdentifyForm.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "devicelink/Clock.h"
#include "devicelink/LinkHost.h"
#include "devicelink/SXComm.h"
#include "foundation/EError.h"
#include "foundation/Options.h"

namespace {

SystemClock& MachineClock()
{
    static SystemClock clock;
    return clock;
}

QString YesNo(bool value) { return value ? "Yes" : "No"; }

}  // namespace

TIdentifyForm::TIdentifyForm(QWidget* parent) : QDialog(parent), clock_(&MachineClock())
{
    setWindowTitle("Identify");
    auto* layout = new QVBoxLayout(this);
    StatusLabel = new QLabel("Port Status:", this);
    PortList = new QTreeWidget(this);
    PortList->setRootIsDecorated(false);
    PortList->setHeaderLabels({"Port", "Device Type", "Version", "Loopback", "Echo", "Got Status"});
    PortList->setColumnWidth(1, 120);
    PortList->setColumnWidth(3, 60);
    PortList->setColumnWidth(4, 60);
    PortList->setColumnWidth(5, 75);
    // Every heading whole and no sideways scrolling at the opening size.
    QHeaderView* header = PortList->header();
    int columns = 0;
    for (int i = 0; i < PortList->columnCount(); ++i) {
        PortList->setColumnWidth(i, std::max(PortList->columnWidth(i), header->sectionSizeHint(i)));
        columns += PortList->columnWidth(i);
    }
    PortList->setMinimumWidth(columns + 2 * PortList->frameWidth() +
                              PortList->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    RefreshButton = new QPushButton("Refresh", this);
    CloseButton = new QPushButton("Close", this);
    CloseButton->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(RefreshButton);
    buttons->addWidget(CloseButton);
    layout->addWidget(StatusLabel);
    layout->addWidget(PortList, 1);
    layout->addLayout(buttons);

    RefreshTimer = new QTimer(this);
    RefreshTimer->setInterval(200);
    connect(RefreshTimer, &QTimer::timeout, this, [this] { RefreshTimerTimer(); });
    connect(RefreshButton, &QPushButton::clicked, this, [this] { RefreshButtonClick(); });
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::accept);
}

TIdentifyForm::~TIdentifyForm() = default;

void TIdentifyForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TIdentifyForm::FormShow() { RefreshTimer->start(); }

void TIdentifyForm::RefreshTimerTimer()
{
    RefreshTimer->stop();
    RefreshButtonClick();
}

void TIdentifyForm::RefreshButtonClick()
{
    PortList->clear();
    StatusLabel->setText("Port Status:   Scanning...");
    repaint();
    if (port_) {
        NullLinkHost host;
        TSXComm link(*port_, host, *clock_);
        for (int i = 0; i < GlobalOptions.NumValidPorts && i < MaxValidPorts; ++i) {
            try {
                link.TestPort(GlobalOptions.ValidPort[size_t(i)] - 1);
            } catch (const EError& e) {
                e.Report();
            }
            new QTreeWidgetItem(PortList, {QString::fromStdString(link.PortName()),
                                           QString::fromStdString(link.DeviceType()),
                                           QString::fromStdString(link.FirmwareVersion()),
                                           YesNo(link.LoopbackFound()), YesNo(link.EchoFound()),
                                           YesNo(link.StatusRead())});
            repaint();
        }
    }
    StatusLabel->setText("Port Status:");
}

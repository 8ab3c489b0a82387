#pragma once
#include <QDialog>

class ICommPort;
class IClock;
class QLabel;
class QPushButton;
class QTimer;
class QTreeWidget;

// Probes every valid port for a module and shows what answers on each.
class TIdentifyForm : public QDialog {
public:
    explicit TIdentifyForm(QWidget* parent = nullptr);
    ~TIdentifyForm() override;

    // The main window's serial port; the clock of the link's waits.
    void SetPort(ICommPort* port) { port_ = port; }
    void SetClock(IClock* clock) { clock_ = clock; }

    void FormShow();
    void RefreshTimerTimer();
    void RefreshButtonClick();

    QLabel* StatusLabel;
    QTreeWidget* PortList;
    QPushButton* RefreshButton;
    QPushButton* CloseButton;
    QTimer* RefreshTimer;

protected:
    void showEvent(QShowEvent* event) override;

private:
    ICommPort* port_ = nullptr;
    IClock* clock_;
};

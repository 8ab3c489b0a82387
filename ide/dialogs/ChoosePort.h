#pragma once
#include <QDialog>
#include <functional>
#include <string>
#include <vector>

class QLineEdit;
class QListWidget;
class QPushButton;

// Edits the list of known COM ports.
class TChoosePort : public QDialog {
public:
    explicit TChoosePort(QWidget* parent = nullptr);

    void FormShow();
    void AddButtonClick();
    void DeleteButtonClick();
    void Button5Click();
    // The items, "COM<n>" each.
    std::vector<std::string> Ports() const;

    QListWidget* PortList;
    QLineEdit* ComNumber;
    QPushButton* AddButton;
    QPushButton* DeleteButton;
    QPushButton* Button5;
    QPushButton* Button3;
    QPushButton* Button4;
    // The ports the system reports; tests replace it.
    std::function<void(std::vector<std::string>&)> ListPorts;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void UpdateActions();
};

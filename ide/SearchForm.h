#pragma once
#include <QDialog>
#include <cstdint>
#include <functional>

#include "ide/ScopedSearch.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

// "Find and Replace", modeless: it holds the search settings; its buttons
// hand the main window a search mode.
class TSearchForm : public QDialog {
public:
    // Search modes of the main window.
    static constexpr uint8_t ModeClose = 1;
    static constexpr uint8_t ModeFind = 2;
    static constexpr uint8_t ModeReplace = 3;
    static constexpr uint8_t ModeReplaceAll = 4;

    using Command = std::function<void(uint8_t mode)>;
    explicit TSearchForm(Command command, QWidget* parent = nullptr);

    QLineEdit* SearchText = nullptr;
    QLineEdit* ReplacementText = nullptr;
    QCheckBox* CaseSensitive = nullptr;
    QCheckBox* WholeWords = nullptr;
    QRadioButton* EntireFile = nullptr;
    QRadioButton* SelectionOnly = nullptr;
    QRadioButton* Forwards = nullptr;
    QRadioButton* Backwards = nullptr;
    QRadioButton* FromCursor = nullptr;
    QRadioButton* FromStart = nullptr;
    QPushButton* Find = nullptr;
    QPushButton* Replace = nullptr;
    QPushButton* ReplaceAll = nullptr;
    QPushButton* Close = nullptr;
    // The selection "Selection only" keeps to; forgotten when the scope changes.
    TScopedSearch Scope;

    void FormShow();

protected:
    void showEvent(QShowEvent* event) override;

private:
    Command command_;
};

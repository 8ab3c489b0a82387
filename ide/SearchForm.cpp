#include "ide/SearchForm.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
// A group of two choices; the first is checked.
QGroupBox* Choice(QWidget* parent, const char* title, QRadioButton*& first, const char* firstText,
                  QRadioButton*& second, const char* secondText)
{
    auto* group = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(group);
    first = new QRadioButton(firstText, group);
    second = new QRadioButton(secondText, group);
    first->setChecked(true);
    layout->addWidget(first);
    layout->addWidget(second);
    return group;
}
}  // namespace

TSearchForm::TSearchForm(Command command, QWidget* parent) : QDialog(parent), command_(std::move(command))
{
    setWindowTitle("Find and Replace");
    setModal(false);
    auto* grid = new QGridLayout(this);
    SearchText = new QLineEdit(this);
    ReplacementText = new QLineEdit(this);
    grid->addWidget(new QLabel("Text to Find:", this), 0, 0);
    grid->addWidget(SearchText, 0, 1);
    grid->addWidget(new QLabel("Replace With:", this), 1, 0);
    grid->addWidget(ReplacementText, 1, 1);

    auto* options = new QGroupBox("Options", this);
    auto* optionsLayout = new QVBoxLayout(options);
    CaseSensitive = new QCheckBox("Case sensitive", options);
    WholeWords = new QCheckBox("Whole words only", options);
    optionsLayout->addWidget(CaseSensitive);
    optionsLayout->addWidget(WholeWords);
    grid->addWidget(options, 2, 0);
    grid->addWidget(Choice(this, "Scope", EntireFile, "Entire scope", SelectionOnly, "Selection only"), 2, 1);
    connect(SelectionOnly, &QRadioButton::toggled, this, [this] { Scope.Reset(); });
    grid->addWidget(Choice(this, "Direction", Forwards, "Forwards", Backwards, "Backwards"), 3, 0);
    grid->addWidget(Choice(this, "Origin", FromCursor, "From cursor", FromStart, "From first line"), 3, 1);

    auto* buttons = new QHBoxLayout;
    Find = new QPushButton("Find", this);
    Find->setDefault(true);
    Replace = new QPushButton("Replace", this);
    ReplaceAll = new QPushButton("Replace All", this);
    Close = new QPushButton("Close", this);
    const std::pair<QPushButton*, uint8_t> modes[] = {
        {Find, ModeFind}, {Replace, ModeReplace}, {ReplaceAll, ModeReplaceAll}, {Close, ModeClose}};
    for (const auto& [button, mode] : modes) {
        buttons->addWidget(button);
        connect(button, &QPushButton::clicked, this, [this, mode = mode] { command_(mode); });
    }
    grid->addLayout(buttons, 4, 0, 1, 2);
}

void TSearchForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TSearchForm::FormShow()
{
    SearchText->setFocus();
    SearchText->selectAll();
}

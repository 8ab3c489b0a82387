#include "ide/dialogs/ChoosePath.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QToolButton>

TChoosePath::TChoosePath(QWidget* parent) : QDialog(parent)
{
    setWindowTitle("Choose Path");
    auto* grid = new QGridLayout(this);
    Path = new QLineEdit(this);
    Path->hide();
    PathList = new QListWidget(this);
    EditPath = new QLineEdit(this);
    Add = new QPushButton("Add", this);
    Replace = new QPushButton("Replace", this);
    Delete = new QPushButton("Delete", this);
    SpeedButton1 = new QToolButton(this);
    SpeedButton1->setArrowType(Qt::DownArrow);
    SpeedButton2 = new QToolButton(this);
    SpeedButton2->setArrowType(Qt::UpArrow);
    SpeedButton3 = new QToolButton(this);
    SpeedButton3->setText("...");
    Button4 = new QPushButton("OK", this);
    Button4->setDefault(true);
    Button5 = new QPushButton("Cancel", this);
    grid->addWidget(new QLabel("Ordered path search list:", this), 0, 0, 1, 4);
    grid->addWidget(PathList, 1, 0, 2, 4);
    grid->addWidget(SpeedButton2, 1, 4);
    grid->addWidget(SpeedButton1, 2, 4);
    grid->addWidget(EditPath, 3, 0, 1, 4);
    grid->addWidget(SpeedButton3, 3, 4);
    grid->addWidget(Add, 4, 0);
    grid->addWidget(Replace, 4, 1);
    grid->addWidget(Delete, 4, 2);
    grid->addWidget(Button4, 5, 2);
    grid->addWidget(Button5, 5, 3);

    ChooseDirectory = [this] { return QFileDialog::getExistingDirectory(this, "Choose a directory"); };
    connect(PathList, &QListWidget::itemClicked, this, [this] { PathListClick(); });
    connect(EditPath, &QLineEdit::textEdited, this, [this] { EditPathKeyUp(); });
    connect(SpeedButton3, &QToolButton::clicked, this, [this] { SpeedButton3Click(); });
    connect(Add, &QPushButton::clicked, this, [this] { AddClick(); });
    connect(Replace, &QPushButton::clicked, this, [this] { ReplaceClick(); });
    connect(Delete, &QPushButton::clicked, this, [this] { DeleteClick(); });
    connect(SpeedButton1, &QToolButton::clicked, this, [this] { SpeedButton1Click(); });
    connect(SpeedButton2, &QToolButton::clicked, this, [this] { SpeedButton2Click(); });
    connect(Button4, &QPushButton::clicked, this, [this] { Button4Click(); accept(); });
    connect(Button5, &QPushButton::clicked, this, &QDialog::reject);
}

void TChoosePath::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TChoosePath::SetButtons(bool add, bool replace, bool del)
{
    Add->setEnabled(add);
    Replace->setEnabled(replace);
    Delete->setEnabled(del);
}

void TChoosePath::FormShow()
{
    SetButtons(false, false, false);
    PathList->clear();
    EditPath->clear();
    // Split keeps empty pieces, so the path comes back unchanged.
    for (const QString& piece : Path->text().split(';')) PathList->addItem(piece);
    if (Path->text().isEmpty()) PathList->clear();
}

void TChoosePath::PathListClick()
{
    if (!PathList->currentItem()) return;
    EditPath->setText(PathList->currentItem()->text());
    SetButtons(false, true, true);
}

void TChoosePath::EditPathKeyUp() { SetButtons(true, PathList->currentItem() != nullptr, false); }

void TChoosePath::SpeedButton3Click()
{
    const QString folder = ChooseDirectory();
    if (folder.isEmpty()) return;
    EditPath->setText(folder);
    SetButtons(true, false, false);
}

void TChoosePath::AddClick()
{
    if (!EditPath->text().isEmpty()) PathList->addItem(EditPath->text());
    SetButtons(false, false, false);
}

void TChoosePath::ReplaceClick()
{
    if (!EditPath->text().isEmpty() && PathList->currentItem()) PathList->currentItem()->setText(EditPath->text());
    SetButtons(false, false, false);
}

void TChoosePath::DeleteClick()
{
    delete PathList->takeItem(PathList->currentRow());
    EditPath->clear();
    SetButtons(false, false, false);
}

void TChoosePath::MoveSelected(int step)
{
    const int row = PathList->currentRow();
    const int target = row + step;
    if (row >= 0 && target >= 0 && target < PathList->count()) {
        QListWidgetItem* item = PathList->takeItem(row);
        PathList->insertItem(target, item);
        PathList->setCurrentRow(target);
    }
    PathList->setFocus();
}

void TChoosePath::SpeedButton1Click() { MoveSelected(1); }

void TChoosePath::SpeedButton2Click() { MoveSelected(-1); }

void TChoosePath::Button4Click()
{
    QStringList pieces;
    for (int i = 0; i < PathList->count(); ++i) pieces << PathList->item(i)->text();
    Path->setText(pieces.join(';'));
}

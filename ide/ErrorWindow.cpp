#include "ide/ErrorWindow.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "foundation/ErrorCatalogue.h"

namespace {

QPlainTextEdit* Memo(QWidget* parent, QVBoxLayout* layout, const char* label, const char* name)
{
    layout->addWidget(new QLabel(label, parent));
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName(name);
    memo->setReadOnly(true);
    layout->addWidget(memo);
    return memo;
}

}  // namespace

TErrorWindow::TErrorWindow(QWidget* parent) : QDialog(parent)
{
    setObjectName("ErrorWindow");
    setWindowTitle("ErrorWindow");
    auto* layout = new QVBoxLayout(this);
    ShortMessage = Memo(this, layout, "Error", "ShortMessage");
    ProblemMessage = Memo(this, layout, "Description", "ProblemMessage");
    SolutionMessage = Memo(this, layout, "Solution", "SolutionMessage");
    Button1 = new QPushButton("Close", this);
    Button1->setObjectName("Button1");
    Button1->setDefault(true);
    layout->addWidget(Button1, 0, Qt::AlignRight);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
}

void TErrorWindow::ShowCode(uint32_t category, int32_t number)
{
    const char* text = nullptr;
    const char* problem = nullptr;
    const char* solution = nullptr;
    LookupErrorText(category, number, text, problem, solution);
    ShortMessage->setPlainText(QString::fromUtf8(text));
    ProblemMessage->setPlainText(QString::fromUtf8(problem));
    SolutionMessage->setPlainText(QString::fromUtf8(solution));
}

#pragma once
#include <QDialog>

class QPlainTextEdit;
class QPushButton;

// The three texts of a coded error: message, problem and solution.
class TErrorWindow : public QDialog {
public:
    explicit TErrorWindow(QWidget* parent = nullptr);

    // Fills the three fields from the catalogue row of the code.
    void ShowCode(uint32_t category, int32_t number);

    QPlainTextEdit* ShortMessage = nullptr;
    QPlainTextEdit* ProblemMessage = nullptr;
    QPlainTextEdit* SolutionMessage = nullptr;
    QPushButton* Button1 = nullptr;
};

#pragma once
#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QToolButton;
class TProjectOptions;

// The "Project Options" dialog: the project's class path and serial port.
class TProjectOptionsForm : public QDialog {
public:
    explicit TProjectOptionsForm(QWidget* owner = nullptr);

    // The project the dialog shows and, on OK, changes (not owned).
    void SetOptions(TProjectOptions* options) { options_ = options; }
    // Fills the fields from the project; IDE-1 (35) without one.
    void FormShow();
    // Takes the fields into the project.
    void OKButtonClick();
    // Hands the class path to the path chooser.
    void SpeedButton3Click();

    QTabWidget* PageControl1 = nullptr;
    QWidget* Compiler = nullptr;
    QWidget* Debugger = nullptr;
    QLineEdit* Classpath = nullptr;
    QToolButton* SpeedButton3 = nullptr;
    QComboBox* SerialPort = nullptr;
    QPushButton* AutoButton = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;

private:
    QWidget* BuildCompilerSheet();
    QWidget* BuildDebuggerSheet();
    TProjectOptions* options_ = nullptr;
};

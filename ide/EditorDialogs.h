#pragma once
#include <optional>
#include <string>
#include <vector>

class QDialog;
class QWidget;

// Buttons and answers of the main window's message boxes.
enum class TBoxButtons { Ok, YesNo, YesNoCancel };
enum class TBoxAnswer { Ok, Yes, No, Cancel };
enum class TBoxIcon { None, Information, Question, Warning, Error };

// Every file dialog, message box and modal dialog of the main window goes
// through here, so that tests answer them.
class IEditorDialogs {
public:
    virtual ~IEditorDialogs() = default;

    // The files chosen to open; empty when cancelled.
    virtual std::vector<std::string> OpenFiles(const std::string& folder) = 0;
    // The file chosen to save to (proposed: the name shown at first); none
    // when cancelled.
    virtual std::optional<std::string> SaveFile(const std::string& folder, const std::string& proposed) = 0;
    virtual TBoxAnswer MessageBox(const std::string& text, const std::string& caption, TBoxButtons buttons,
                                  TBoxIcon icon) = 0;
    // Runs the dialog modally; true when it was accepted.
    virtual bool ExecModal(QDialog& dialog) = 0;
};

// The real dialogs: QFileDialog, QMessageBox and QDialog::exec.
class TQtEditorDialogs : public IEditorDialogs {
public:
    explicit TQtEditorDialogs(QWidget* parent) : parent_(parent) {}

    std::vector<std::string> OpenFiles(const std::string& folder) override;
    std::optional<std::string> SaveFile(const std::string& folder, const std::string& proposed) override;
    TBoxAnswer MessageBox(const std::string& text, const std::string& caption, TBoxButtons buttons,
                          TBoxIcon icon) override;
    bool ExecModal(QDialog& dialog) override;

private:
    QWidget* parent_;
};

#pragma once
#include <optional>
#include <string>

class QWidget;

// The terminal's file dialogs and message boxes, so that tests answer them.
class ITerminalDialogs {
public:
    virtual ~ITerminalDialogs() = default;
    // A file to write; the dialog asks before an existing file is replaced.
    virtual std::optional<std::string> SaveFileName() = 0;
    // An existing file to read.
    virtual std::optional<std::string> OpenFileName() = 0;
    virtual void ErrorBox(const std::string& text, const std::string& caption) = 0;
    virtual void Beep() = 0;
};

// QFileDialog, QMessageBox and the application's beep.
class TQtTerminalDialogs : public ITerminalDialogs {
public:
    explicit TQtTerminalDialogs(QWidget* parent) : parent_(parent) {}
    std::optional<std::string> SaveFileName() override;
    std::optional<std::string> OpenFileName() override;
    void ErrorBox(const std::string& text, const std::string& caption) override;
    void Beep() override;

private:
    QWidget* parent_;
};

#pragma once
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ide/EditorDialogs.h"
#include "ide/terminal/TerminalDialogs.h"

// The main window's dialog seam for the acceptance run: the scenario queues
// the answers it expects. A box or dialog nobody expected fails the running
// step with its text and is closed (cancelled).
class StepDialogs : public IEditorDialogs {
public:
    using StepName = std::function<std::string()>;
    explicit StepDialogs(StepName step) : step_(std::move(step)) {}

    std::vector<std::string> OpenFiles(const std::string& folder) override;
    std::optional<std::string> SaveFile(const std::string& folder, const std::string& proposed) override;
    TBoxAnswer MessageBox(const std::string& text, const std::string& caption, TBoxButtons buttons,
                          TBoxIcon icon) override;
    // The next queued handler works the dialog and closes it.
    bool ExecModal(QDialog& dialog) override;

    std::deque<std::vector<std::string>> openAnswers;
    std::deque<std::string> saveAnswers;
    std::deque<TBoxAnswer> boxAnswers;
    std::deque<std::function<void(QDialog&)>> modalHandlers;
    // Every box shown, as "caption: text".
    std::vector<std::string> boxes;

private:
    StepName step_;
};

// The terminal's seam, as strict.
class StepTerminalDialogs : public ITerminalDialogs {
public:
    explicit StepTerminalDialogs(StepDialogs::StepName step) : step_(std::move(step)) {}

    std::optional<std::string> SaveFileName() override;
    std::optional<std::string> OpenFileName() override;
    void ErrorBox(const std::string& text, const std::string& caption) override;
    void Beep() override { ++beeps; }

    std::deque<std::string> fileAnswers;
    int beeps = 0;

private:
    std::optional<std::string> NextFile(const char* dialog);
    StepDialogs::StepName step_;
};

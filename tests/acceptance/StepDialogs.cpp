#include "tests/acceptance/StepDialogs.h"

#include <gtest/gtest.h>

#include <QDialog>

std::vector<std::string> StepDialogs::OpenFiles(const std::string& folder)
{
    if (openAnswers.empty()) {
        ADD_FAILURE() << "step \"" << step_() << "\": an unexpected Open dialog (folder " << folder << ")";
        return {};
    }
    std::vector<std::string> answer = openAnswers.front();
    openAnswers.pop_front();
    return answer;
}

std::optional<std::string> StepDialogs::SaveFile(const std::string& folder, const std::string& proposed)
{
    if (saveAnswers.empty()) {
        ADD_FAILURE() << "step \"" << step_() << "\": an unexpected Save dialog for " << proposed << " (folder "
                      << folder << ")";
        return std::nullopt;
    }
    std::string answer = saveAnswers.front();
    saveAnswers.pop_front();
    return answer;
}

TBoxAnswer StepDialogs::MessageBox(const std::string& text, const std::string& caption, TBoxButtons buttons,
                                   TBoxIcon)
{
    boxes.push_back(caption + ": " + text);
    if (boxAnswers.empty()) {
        ADD_FAILURE() << "step \"" << step_() << "\": an unexpected box \"" << caption << "\": " << text;
        return buttons == TBoxButtons::Ok ? TBoxAnswer::Ok : TBoxAnswer::Cancel;
    }
    const TBoxAnswer answer = boxAnswers.front();
    boxAnswers.pop_front();
    return answer;
}

bool StepDialogs::ExecModal(QDialog& dialog)
{
    if (modalHandlers.empty()) {
        ADD_FAILURE() << "step \"" << step_() << "\": an unexpected dialog \"" << dialog.windowTitle().toStdString()
                      << "\"";
        return false;
    }
    std::function<void(QDialog&)> handler = std::move(modalHandlers.front());
    modalHandlers.pop_front();
    dialog.setResult(QDialog::Rejected);
    handler(dialog);
    return dialog.result() == QDialog::Accepted;
}

std::optional<std::string> StepTerminalDialogs::NextFile(const char* dialog)
{
    if (fileAnswers.empty()) {
        ADD_FAILURE() << "step \"" << step_() << "\": an unexpected terminal " << dialog << " dialog";
        return std::nullopt;
    }
    std::string answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
}

std::optional<std::string> StepTerminalDialogs::SaveFileName()
{
    return NextFile("save");
}

std::optional<std::string> StepTerminalDialogs::OpenFileName()
{
    return NextFile("open");
}

void StepTerminalDialogs::ErrorBox(const std::string& text, const std::string& caption)
{
    ADD_FAILURE() << "step \"" << step_() << "\": an unexpected terminal box \"" << caption << "\": " << text;
}

#pragma once
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ide/EditorDialogs.h"

// Answers the main window's dialogs from queues and records every box. An
// empty queue cancels.
class FakeDialogs : public IEditorDialogs {
public:
    struct Box {
        std::string Text;
        std::string Caption;
    };

    std::vector<std::string> OpenFiles(const std::string& folder) override
    {
        openFolders.push_back(folder);
        if (openAnswers.empty()) return {};
        auto answer = openAnswers.front();
        openAnswers.pop_front();
        return answer;
    }
    std::optional<std::string> SaveFile(const std::string& folder, const std::string& proposed) override
    {
        saveProposals.push_back(proposed);
        (void)folder;
        if (onAsk) onAsk();
        if (saveAnswers.empty()) return std::nullopt;
        auto answer = saveAnswers.front();
        saveAnswers.pop_front();
        return answer;
    }
    TBoxAnswer MessageBox(const std::string& text, const std::string& caption, TBoxButtons buttons,
                          TBoxIcon) override
    {
        boxes.push_back({text, caption});
        if (onAsk) onAsk();
        if (buttons == TBoxButtons::Ok) return TBoxAnswer::Ok;
        if (boxAnswers.empty()) return TBoxAnswer::Cancel;
        const TBoxAnswer answer = boxAnswers.front();
        boxAnswers.pop_front();
        return answer;
    }
    bool ExecModal(QDialog& dialog) override { return modal ? modal(dialog) : false; }

    std::vector<std::string> BoxTexts() const
    {
        std::vector<std::string> texts;
        for (const Box& box : boxes) texts.push_back(box.Text);
        return texts;
    }

    std::deque<std::vector<std::string>> openAnswers;
    std::deque<std::optional<std::string>> saveAnswers;
    std::deque<TBoxAnswer> boxAnswers;
    std::function<bool(QDialog&)> modal;
    // Runs as a save dialog or a box is answered, before its answer.
    std::function<void()> onAsk;
    std::vector<Box> boxes;
    std::vector<std::string> openFolders;
    std::vector<std::string> saveProposals;
};

// Gives the window fake dialogs (it owns them) and returns them.
template <class Window>
FakeDialogs* InstallFakeDialogs(Window& window)
{
    auto owned = std::make_unique<FakeDialogs>();
    FakeDialogs* dialogs = owned.get();
    window.SetDialogs(std::move(owned));
    return dialogs;
}

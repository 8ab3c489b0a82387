#pragma once
#include <QIcon>
#include <vector>

// The main window's action images: 16 x 16 pictures drawn in code, one per
// command that a tool bar carries, and the tab images of project pages.
class TToolIcons {
public:
    static constexpr int Size = 16;
    enum Index : int {
        None = -1,
        NewFile,
        OpenFile,
        SaveFile,
        SaveAll,
        Cut,
        Copy,
        Paste,
        Undo,
        Options,
        Reset,
        Compile,
        Program,
        Debug,
        Run,
        Stop,
        StepInto,
        StepOver,
        Breakpoint,
        ShowMessage,
        ProjectPage,          // 19: a page with a project
        SelectedProjectPage,  // 20: the selected project's page
        Clear,
        Close,
        SaveDisplay,
        StartLog,
        StartSend,
        Help,
        Count
    };

    TToolIcons();

    // A null icon for None and unknown indexes.
    QIcon Icon(int index) const;

private:
    std::vector<QIcon> icons_;
};

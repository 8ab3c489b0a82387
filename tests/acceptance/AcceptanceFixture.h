#pragma once
// The whole IDE as a user meets it: started as WinMain starts it, with
// settings, runtime and port folders of its own, the real serial-port driver
// and clock, the compiler adapter, and the module simulator's virtual machine
// (orusim --vm --paced) on COM3 of the port folder. Boxes and dialogs go
// through the main window's seam; keys and clicks go where a user's would.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <Qt>
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "tests/acceptance/HangGuard.h"
#include "tests/acceptance/StepDialogs.h"
#include "tests/ide/IdeProcess.h"
#include "tests/support/ScopedEnv.h"

class CZARNSource;
class QTreeWidget;
class QTreeWidgetItem;
class TDataViewForm;
class TEditorForm;
struct TForms;

class AcceptanceTest : public ::testing::Test {
public:
    // Every wait: the longest link wait (20 s) and a margin.
    static constexpr std::chrono::milliseconds StepWait{30000};
    // The hang guard ends a run that takes longer.
    static constexpr std::chrono::seconds RunLimit{8 * 60};
    // Where the example sources are copied to.
    static constexpr const char* ProjectFolderName = "Projects";

protected:
    AcceptanceTest();
    ~AcceptanceTest() override;
    void SetUp() override;
    void TearDown() override;

    // --- steps and waits
    // Names the step that runs now: failures, waits and the hang guard name it.
    void Step(const std::string& name);
    std::string CurrentStep() const { return step_; }
    // Processes events until `condition` holds; after `deadline` (or when the
    // step has failed meanwhile, e.g. by an unexpected box) a failure naming
    // the step and `what`. A modal window nobody expected fails the step and
    // is closed.
    ::testing::AssertionResult Wait(const std::function<bool()>& condition, const std::string& what,
                                    std::chrono::milliseconds deadline = StepWait);
    // The step, the message list, the terminal and the simulator's last 50 events.
    std::string Diagnostics();

    // --- the application and its world
    TEditorForm& Form() const;
    TDataViewForm& DataWindow() const;
    // The current page; a failure (and null) without one.
    CZARNSource* Page() const;
    StepDialogs& Dialogs() const { return *dialogs_; }
    StepTerminalDialogs& TerminalDialogs() const { return *terminalDialogs_; }
    ModuleSimulator& Module() const { return *module_; }
    const IdeWorld& World() const { return world_; }
    // A file of the project folder (the copied examples live there).
    std::string ProjectFile(const std::string& name) const;
    std::string PortFolder() const { return world_.Ports(); }
    std::string SettingsFile() const;
    // Starts the simulator anew (after it was killed), on COM3.
    ::testing::AssertionResult RestartModule(const std::vector<std::string>& extraArgs = {});

    // --- input, where the user's would go
    // A key press to the widget that has the focus (the main window active).
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // Text typed into the focused widget.
    void Type(const std::string& text);
    // A click into the page's gutter on the line.
    void ClickGutter(int line);
    // A double click on the message list's row.
    void DoubleClickMessage(int row);
    // Activates the main window and gives the page the focus.
    void FocusPage();
    // A click into the widget, its window activated first; it has the focus then.
    void ClickInto(QWidget& widget);

    // --- what the screen shows
    std::vector<std::string> MessageLines() const;
    std::string Caption() const;
    // Every caption the window took, in order.
    const std::vector<std::string>& Captions() const { return captions_; }
    std::string Panel(int i) const;
    std::vector<std::string> Tabs() const;
    int CurrentTab() const;
    bool Enabled(const char* action) const;
    // From a grab() of the page at the line's row: the red breakpoint mark,
    // the execution arrow and the text's background.
    // `page`: the current page when none is given.
    bool BreakpointMark(int line, CZARNSource* page = nullptr);
    bool ArrowMark(int line, CZARNSource* page = nullptr);
    QColor LineBackground(int line, CZARNSource* page = nullptr);
    bool CurrentLineShown(int line);  // green background and the arrow
    // The terminal's screen, line by line (what its view holds).
    std::vector<std::string> TerminalLines() const;
    bool TerminalHas(const std::string& line) const;
    // The progress window's texts and positions since the last clear, and its maximum.
    const std::vector<std::string>& ProgressTexts() const { return progressTexts_; }
    const std::vector<int>& ProgressPositions() const { return progressPositions_; }
    int ProgressMaximum() const;
    bool ProgressShown() const;
    void ClearProgress();
    // The data window's lines (indented by two spaces a level, "+"/"-" for a
    // closed or open line with children), and the first line starting with `prefix`.
    std::vector<std::string> DataLines(QTreeWidget& tree) const;
    QTreeWidgetItem* DataLine(QTreeWidget& tree, const std::string& prefix) const;
    // Opens a data-window line by a double click; false when it has nothing to open.
    bool OpenDataLine(QTreeWidget& tree, const std::string& prefix);
    std::string MemoryLabel(const char* name) const;

    // --- pictures
    // grab() of the main window and the data window as <name>-main.png and
    // <name>-data.png; each must be a real picture with the page's (and the
    // shown data window's) text visible.
    void Screenshots(const std::string& name);

private:
    void RefreshBoard();
    void InstallSeams();
    void CatchModalWindows();

    IdeWorld world_;
    ScopedEnv portDir_;
    ScopedEnv runtimeDir_;
    ScopedEnv configDir_;
    std::unique_ptr<ModuleSimulator> module_;
    std::unique_ptr<TForms> forms_;
    StepDialogs* dialogs_ = nullptr;
    StepTerminalDialogs* terminalDialogs_ = nullptr;
    std::string step_;
    std::unique_ptr<::testing::ScopedTrace> stepTrace_;
    DiagnosticsBoard board_;
    std::unique_ptr<HangGuard> guard_;
    std::vector<std::string> progressTexts_;
    std::vector<int> progressPositions_;
    std::vector<std::string> captions_;
};

#pragma once
#include "tests/acceptance/AcceptanceFixture.h"

class QTreeWidget;

// The main road: start, a typo and its fix, Program, Debug, breakpoints and
// steps, and the end of the session with the Echo example.
class MainRoad : public AcceptanceTest {
protected:
    // The six steps in order; it stops at the first step that failed.
    void Run();

    void StartAndChooseThePort();
    void OpenSteppingAndFixATypo();
    void ProgramTheModule();
    void DebugToTheFirstLine();
    void BreakpointAndSteps();
    void ExitAndEchoTheTerminal();

    // Presses a debug key on the page and waits until the module has
    // stopped with the current line on `line`.
    ::testing::AssertionResult DebugKey(Qt::Key key, int line);
    // The module stands still, as the window shows it: "[Stopped]" in the
    // caption, the moving commands on and Stop off.
    bool Stopped() const;
    // Shows page `index` of the data window by a click on its tab.
    void ShowDataPage(int index);
    // The data window's call stack shows the line (indented as DataLines).
    ::testing::AssertionResult HasDataLine(QTreeWidget& tree, const std::string& line) const;
};

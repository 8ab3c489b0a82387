#pragma once
#include "tests/acceptance/AcceptanceFixture.h"

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
};

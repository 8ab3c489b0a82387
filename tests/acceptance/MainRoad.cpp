#include "tests/acceptance/MainRoad.h"

#include <QComboBox>
#include <QPushButton>

#include "ide/EditorForm.h"
#include "ide/OptionsForm.h"
#include "ide/ZARNSource.h"

using namespace std::chrono_literals;

void MainRoad::Run()
{
    for (void (MainRoad::*step)() : {&MainRoad::StartAndChooseThePort, &MainRoad::OpenSteppingAndFixATypo,
                                     &MainRoad::ProgramTheModule, &MainRoad::DebugToTheFirstLine,
                                     &MainRoad::BreakpointAndSteps, &MainRoad::ExitAndEchoTheTerminal}) {
        (this->*step)();
        if (HasFailure()) return;
    }
}

void MainRoad::StartAndChooseThePort()
{
    Step("1 start and choose the port");
    EXPECT_EQ(Tabs(), std::vector<std::string>{"Untitled.java"});
    EXPECT_EQ(Caption(), "Corvane Torve IDE");
    Form().ActionList1Update();
    EXPECT_EQ(Panel(0), "1 : 1");
    for (const char* action : {"Run", "Stop", "StepInto", "StepOver", "JogInto", "Reset", "ExitDebugger"})
        EXPECT_FALSE(Enabled(action)) << action;

    Dialogs().modalHandlers.push_back([](QDialog& dialog) {
        auto& options = static_cast<TOptionsForm&>(dialog);
        const int com3 = options.SerialPort->findText("COM3");
        ASSERT_GE(com3, 0) << "the port list lacks COM3";
        options.SerialPort->setCurrentIndex(com3);
        options.OKButton->click();
    });
    Form().Action("GlobalOptions")->trigger();
    EXPECT_TRUE(Dialogs().modalHandlers.empty()) << "Global Options did not open";
}

void MainRoad::OpenSteppingAndFixATypo() {}
void MainRoad::ProgramTheModule() {}
void MainRoad::DebugToTheFirstLine() {}
void MainRoad::BreakpointAndSteps() {}
void MainRoad::ExitAndEchoTheTerminal() {}

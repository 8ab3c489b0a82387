// What the main window gives the debug session: page handles, the execution
// line, the link's end request and the data window.
#include <QAction>
#include <QCoreApplication>

#include "debugger/DebugSession.h"
#include "debugger/qt/DataViewForm.h"
#include "devicelink/SXComm.h"
#include "tests/ide/mainwindow/MainWindowFixture.h"
#include "widgets/WrapToolBar.h"

TEST_F(MainWindowTest, PagesKeepTheirHandleUntilClosedAndAHandleIsNeverGivenAgain)
{
    const std::string a = Write("A.java");
    form->OpenSourceFile(a);
    CZARNSource* pageA = Page();
    const TPageHandle handleA = form->HandleOf(pageA);
    form->OpenSourceFile(Write("B.java"));
    const TPageHandle handleB = form->CurrentPage();
    EXPECT_NE(handleA, NoPage);
    EXPECT_NE(handleA, handleB);
    EXPECT_EQ(form->HandleOf(pageA), handleA);
    EXPECT_EQ(form->PageFileName(handleA), a);

    form->OpenSourceFile(a);
    form->CloseFileExecute();
    EXPECT_FALSE(form->PageOpen(handleA));
    EXPECT_EQ(form->PageFileName(handleA), "");
    EXPECT_TRUE(form->PageOpen(handleB));
    // Marks for a closed page go nowhere.
    form->SetLineMark(handleA, 1, TLineMark::BreakPoint, true);

    form->OpenSourceFile(a);
    EXPECT_NE(form->CurrentPage(), handleA);
    EXPECT_NE(form->CurrentPage(), handleB);
}

TEST_F(MainWindowTest, AnExecutionLineInAFileThatCannotBeOpenedMarksNothingAndAsksNothing)
{
    const std::string path = Write("A.java", "class A {\n}\n");
    form->OpenSourceFile(path);
    EXPECT_FALSE(form->ShowExecutionLine(dir.File("java/lang/Object.java"), 1));
    EXPECT_EQ(form->ExecutionPage(), nullptr);
    EXPECT_TRUE(dialogs->boxes.empty());
    EXPECT_EQ(form->PageCount(), 1);

    EXPECT_TRUE(form->ShowExecutionLine(path, 2));
    EXPECT_EQ(form->ExecutionPage(), Page());
    EXPECT_EQ(form->ExecutionLine(), 2);
}

TEST_F(MainWindowTest, TheLinksEndRequestEndsOnlyTheSessionOfThatLink)
{
    form->SetJVM(std::make_unique<TSXComm>(form->DebugPort, *form, form->Clock()));
    form->SetDebugging(true);
    // The request waits for the event loop; a new link has come meanwhile.
    form->EndDebug();
    EXPECT_TRUE(form->Debugging());
    form->SetJVM(std::make_unique<TSXComm>(form->DebugPort, *form, form->Clock()));
    TSXComm* second = form->JVM();
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(form->JVM(), second);
    EXPECT_TRUE(form->Debugging());

    form->EndDebug();
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(form->JVM(), nullptr);
    EXPECT_FALSE(form->Debugging());
    EXPECT_EQ(form->windowTitle().toStdString(), TDebugSession::Caption);
}

TEST_F(MainWindowTest, TheDataWindowCarriesTheWindowsActionsShowsOnCommandAndSavesItsPlace)
{
    TDataViewForm& data = *form->DataView();
    EXPECT_EQ(data.windowTitle().toStdString(), "Debugger");
    EXPECT_FALSE(data.isVisible());
    std::vector<QAction*> shown;
    for (QAction* action : data.ToolBar()->actions())
        if (!action->isSeparator()) shown.push_back(action);
    std::vector<QAction*> expected;
    for (const char* name : {"Run", "Stop", "StepInto", "StepOver", "ToggleBreakpoint", "Reset", "ShowMessage"})
        expected.push_back(form->Action(name));
    EXPECT_EQ(shown, expected);

    form->ShowDebuggerExecute();
    EXPECT_TRUE(data.isVisible());
    form->PlaceDataWindow(30, 40, 300, 200);
    form->SaveDesktopExecute();
    const QRect frame = data.frameGeometry();
    EXPECT_EQ(settings->Stored("DebugLeft"), std::to_string(frame.left()));
    EXPECT_EQ(settings->Stored("DebugWidth"), std::to_string(frame.width()));
    EXPECT_EQ(settings->Stored("DebugHeight"), std::to_string(frame.height()));
}

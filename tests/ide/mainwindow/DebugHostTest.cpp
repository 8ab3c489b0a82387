// What the main window gives the debug session: page handles, the execution
// line and the link's end request.
#include <QCoreApplication>

#include "debugger/DebugSession.h"
#include "devicelink/SXComm.h"
#include "tests/ide/mainwindow/MainWindowFixture.h"

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

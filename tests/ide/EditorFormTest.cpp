#include <gtest/gtest.h>

#include <QListWidget>
#include <QDropEvent>
#include <QMimeData>
#include <QSplitter>
#include <QTimer>
#include <QUrl>

#include "foundation/EError.h"
#include "foundation/Messages.h"
#include "foundation/Options.h"
#include "foundation/Settings.h"
#include "editor/qt/QtGuardedCall.h"
#include "ide/EditorForm.h"
#include "ide/MessageList.h"
#include "ide/ZARNTabControl.h"
#include "ide/pipeline/TestLog.h"
#include "tests/ide/FakeDialogs.h"
#include "tests/ide/MessageLinesOf.h"
#include "tests/ide/TestApp.h"
#include "tests/support/TempDir.h"
#include "tests/support/gui/WaitUntil.h"

using namespace std::chrono_literals;

namespace {

class EditorFormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TestApp();
        form = std::make_unique<TEditorForm>();
        dialogs = InstallFakeDialogs(*form);
    }
    void TearDown() override
    {
        form.reset();
        CmdLineTestMode = false;
        GlobalOptions = tOptions();
    }

    std::vector<std::string> Lines() const { return MessageLinesOf(*form); }

    std::vector<std::string> Tabs() const
    {
        std::vector<std::string> tabs;
        for (int i = 0; i < form->EditorTab->Count(); ++i) tabs.push_back(form->EditorTab->TabText(i).toStdString());
        return tabs;
    }

    std::unique_ptr<TEditorForm> form;
    FakeDialogs* dialogs = nullptr;
    std::vector<std::string> Boxes() const { return dialogs->BoxTexts(); }
};

}  // namespace

TEST_F(EditorFormTest, IsTheMainWindowWithItsSerialPort)
{
    EXPECT_EQ(form->windowTitle().toStdString(), "Corvane Torve IDE");
    EXPECT_EQ(form->DebugPort.ComPortSpeed(), br28800);
    EXPECT_EQ(form->DebugPort.PacketMode(), pmPass);
    EXPECT_FALSE(form->DebugPort.EnableDTROnOpen());
    EXPECT_TRUE(form->DebugPort.HasReceiveHandler());
}

TEST_F(EditorFormTest, MessageLinesKeepTheirObjectAndTheNewestIsSelected)
{
    MessagePrintf("plain %d", 1);
    EError(ecIDE, 37).Report();
    ASSERT_EQ(Lines(), (std::vector<std::string>{"plain 1", "[ Error IDE-0037] Test file name expected."}));
    EXPECT_EQ(form->StatusList->currentRow(), 1);
    EXPECT_EQ(TMessageList::LineInfo(form->StatusList->item(0)), nullptr);
    const TLinInfo* info = TMessageList::LineInfo(form->StatusList->item(1));
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->Number, 37);
    EXPECT_TRUE(IsErrorLine(info));
}

TEST_F(EditorFormTest, ACollapsedMessagePanelIsRaised)
{
    form->show();
    form->Splitter1->setSizes({form->height(), 0});
    MessagePrintf("line");
    EXPECT_GE(form->Splitter1->sizes().value(1), TEditorForm::MessagePanelMinimum);
}

TEST_F(EditorFormTest, DroppedFilesOpenAPageEach)
{
    TempDir dir;
    TempDir::MakeDirs(dir.File("with blank"));
    for (const char* name : {"A.java", "with blank/B.java", "C.java"}) TempDir::WriteFile(dir.File(name), "class X {}");
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(dir.File("A.java"))),
                  QUrl::fromLocalFile(QString::fromStdString(dir.File("with blank/B.java"))),
                  QUrl::fromLocalFile(QString::fromStdString(dir.File("C.java"))),
                  QUrl("https://example.invalid/D.java")});
    form->show();
    const QPoint inside(form->width() / 2, form->height() / 2);
    QDragEnterEvent enter(inside, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(form.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(inside), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(form.get(), &drop);
    EXPECT_EQ(Tabs(), (std::vector<std::string>{"A.java", "B.java", "C.java"}));
    EXPECT_EQ(form->EditorTab->TabIndex(), 2);
}

TEST_F(EditorFormTest, HandOverRestoresTheWindowAndOpensTheArguments)
{
    form->showMinimized();
    TempDir dir;
    TempDir::MakeDirs(dir.File("a b"));
    TempDir::WriteFile(dir.File("a b/One.java"), "");
    form->HandOver("/opt/corvane-ide \"" + dir.File("a b/One.java") + "\" " + dir.File("Two.java"));
    EXPECT_FALSE(form->isMinimized());
    EXPECT_EQ(Tabs(), (std::vector<std::string>{"One.java"}));
    EXPECT_EQ(dialogs->BoxTexts(), (std::vector<std::string>{"File not found: `" + dir.File("Two.java") + "'"}));

    // A minimised maximised window comes back maximised.
    form->showMaximized();
    form->showMinimized();
    QCoreApplication::processEvents();
    form->HandOver("/opt/corvane-ide One.java");
    QCoreApplication::processEvents();
    EXPECT_FALSE(form->isMinimized());
    EXPECT_TRUE(form->isMaximized());
}

// Errors escaping an event handler, and those the editor's own boundary
// keeps out of Qt, reach the error box.
TEST_F(EditorFormTest, ExceptionsInEventHandlersReachTheErrorBox)
{
    QTimer::singleShot(0, form.get(), [] { throw EError(ecIDE, 38); });
    QTimer::singleShot(0, form.get(), [] { throw std::runtime_error("broken"); });
    ASSERT_TRUE(WaitUntil([this] { return Boxes().size() == 2; }, 5s, "two error boxes"));
    EXPECT_NO_THROW(QtGuardedCall("timer", [] { throw 7; }));
    EXPECT_EQ(Boxes(), (std::vector<std::string>{"[ Error IDE-0038] Class path expected.", "broken",
                                                 "Unknown exception."}));
}

TEST_F(EditorFormTest, BatchRunShowsNoBoxAndEndsFailed)
{
    CmdLineTestMode = true;
    testing::internal::CaptureStderr();
    form->AppException("broken");
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(Lines(), std::vector<std::string>{"broken"});
    EXPECT_NE(err.find("broken"), std::string::npos);
    EXPECT_TRUE(form->BatchFailed());
    EXPECT_EQ(ExecBounded(), 1);
}

TEST_F(EditorFormTest, ProgramEndExitsWithSuccessUnlessTheRunFailed)
{
    form->Terminate();
    EXPECT_EQ(ExecBounded(), 0);
}

TEST_F(EditorFormTest, AnErrorDuringTheBatchRunGoesToItsLogAndFailsIt)
{
    GlobalOptions.TestMode = true;
    FILE* log = std::tmpfile();
    ASSERT_NE(log, nullptr);
    TestLogFile = log;
    MessagePrintf("not an error");
    EError(ecIDE, 24, "breakpoint").Report();
    form->Terminate();  // the end that follows does not make it a success
    TestLogFile = nullptr;
    std::rewind(log);
    char buffer[256] = {};
    const size_t n = std::fread(buffer, 1, sizeof buffer - 1, log);
    std::fclose(log);
    EXPECT_EQ(std::string(buffer, n), EError(ecIDE, 24, "breakpoint").Message);
    EXPECT_EQ(ExecBounded(), 1);
}

TEST_F(EditorFormTest, ReceivedDataIsTracedByLevel)
{
    uint8_t data[40];
    for (int i = 0; i < 40; ++i) data[i] = uint8_t(i);
    form->DebugPortReceiveData(form->DebugPort, data, 40);
    EXPECT_TRUE(Lines().empty());

    GlobalOptions.debugComLevel = 2;
    form->DebugPortReceiveData(form->DebugPort, data, 40);
    const auto lines = Lines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "[Debug] Received data on serial port");
    // A line is written once it holds more than 100 characters: 21 bytes.
    EXPECT_EQ(lines[1].rfind("[Debug] Data on serial port: 0x00 0x01 ", 0), 0u);
    EXPECT_NE(lines[1].find("0x14 "), std::string::npos);
    EXPECT_EQ(lines[1].find("0x15"), std::string::npos);
    EXPECT_EQ(lines[2].rfind("[Debug] Data on serial port: 0x15 ", 0), 0u);
    EXPECT_NE(lines[2].find("0x27 "), std::string::npos);
}

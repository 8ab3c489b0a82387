#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QTest>
#include <csignal>
#include <fstream>
#include <sys/resource.h>
#include <sys/stat.h>

#include "devicelink/LinkCodes.h"
#include "editor/qt/SrcEditWidget.h"
#include "tests/support/CaptureSink.h"
#include "tests/support/TempDir.h"
#include "tests/terminal/TerminalTestSupport.h"

namespace {

class MessageFormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        host.form = &form;
        auto owned = std::make_unique<ScriptedDialogs>();
        dialogs = owned.get();
        form.SetDialogs(std::move(owned));
        form.SetLinkSource([this] { return withLink ? &link : nullptr; });
    }

    std::vector<std::string> View() const
    {
        std::vector<std::string> lines;
        for (int i = 0; i < form.Message->Lines().GetCount(); ++i) lines.push_back(form.Message->Lines().Get(i));
        return lines;
    }
    // What the module gets for `count` input requests.
    std::string Answers(int count)
    {
        port.sent.clear();
        const uint8_t request = kComInputRequest;
        // No echoes come back from this port.
        for (int i = 0; i < count; ++i) {
            link.SetEchoCount(0);
            link.ReceiveData(&request, 1, nullptr);
        }
        return port.sent;
    }
    TempDir dir;
    RecordingPort port;
    VirtualClock clock;
    FormLinkHost host;
    TSXComm link{port, host, clock};
    TMessageForm form;
    ScriptedDialogs* dialogs = nullptr;
    bool withLink = true;
    CaptureSink messages;
};

}  // namespace

TEST_F(MessageFormTest, TextShowsTheWindowClearEmptiesItAndTheViewTakesNoEdits)
{
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.Message->MaxScrollWidth(), 200);
    EXPECT_EQ(form.SendText->maxLength(), 200);
    form.AddText("hello\r\nworld\x07");
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(View(), (std::vector<std::string>{"hello", "world"}));
    EXPECT_EQ(dialogs->beeps, 1);
    form.SendText->setText("half");
    form.ClearMessage->trigger();
    EXPECT_EQ(View(), std::vector<std::string>{""});
    EXPECT_EQ(form.SendText->text(), "");
    // The view takes no edits.
    form.AddText("copy me");
    form.Message->setFocus();
    QTest::keyClick(form.Message, Qt::Key_Z);
    QTest::keyClick(form.Message, Qt::Key_Backspace);
    QTest::keyClick(form.Message, Qt::Key_Return);
    EXPECT_EQ(View(), std::vector<std::string>{"copy me"});
    form.CloseMessage->trigger();
    EXPECT_FALSE(form.isVisible());
}

TEST_F(MessageFormTest, DisabledShowsAndLogsNothing)
{
    const std::string log = dir.Path() + "/log.txt";
    dialogs->answers = {log};
    form.ToolButton6->trigger();
    form.MessageEnabled->setChecked(false);
    form.AddText("hidden\n");
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(View(), std::vector<std::string>{""});
    form.ToolButton6->trigger();
    EXPECT_EQ(TempDir::ReadFile(log), "");
}

// Keys of the key field go one by one, a line of the text field on Enter with
// one line feed; the first key sends the no-input byte once.
TEST_F(MessageFormTest, FirstKeySendsNoInputOnceThenKeysAndLinesAreQueued)
{
    form.show();
    QTest::keyClick(form.Edit1, Qt::Key_A);
    EXPECT_EQ(port.sent, "\x13");
    EXPECT_EQ(link.KeyCount(), 1);
    QTest::keyClick(form.Edit1, Qt::Key_B);
    QTest::keyClick(form.Edit1, Qt::Key_Return);
    EXPECT_EQ(port.sent, "\x13");
    EXPECT_EQ(form.Edit1->text(), "");
    QTest::keyClicks(form.SendText, "hi");
    EXPECT_EQ(link.KeyCount(), 3);
    EXPECT_EQ(form.SendText->text(), "hi");
    QTest::keyClick(form.SendText, Qt::Key_Return);
    EXPECT_EQ(form.SendText->text(), "");
    EXPECT_EQ(Answers(7), "\x12" "a" "\x12" "b" "\x12\n" "\x12h\x12i\x12\n" "\x13");
}

TEST_F(MessageFormTest, FullQueueIsReportedAndTheRestDropped)
{
    form.show();
    for (int i = 0; i < 499; ++i) QTest::keyClick(form.Edit1, Qt::Key_X);
    EXPECT_EQ(link.KeyCount(), 499);
    QTest::keyClicks(form.SendText, "yz");
    QTest::keyClick(form.SendText, Qt::Key_Return);
    EXPECT_EQ(link.KeyCount(), 500);
    EXPECT_EQ(form.SendText->text(), "");
    ASSERT_EQ(messages.lines.size(), 1u);
    EXPECT_NE(messages.Last().find("IDE-0053"), std::string::npos) << messages.Last();
    QTest::keyClick(form.Edit1, Qt::Key_Q);
    EXPECT_EQ(messages.lines.size(), 2u);
    EXPECT_EQ(form.Edit1->text(), "");
    EXPECT_EQ(Answers(500).substr(998), "\x12y");
}

TEST_F(MessageFormTest, WithoutALinkTheFieldsAreEmptied)
{
    withLink = false;
    form.show();
    QTest::keyClick(form.Edit1, Qt::Key_A);
    QTest::keyClicks(form.SendText, "abc");
    QTest::keyClick(form.SendText, Qt::Key_Return);
    EXPECT_EQ(form.Edit1->text(), "");
    EXPECT_EQ(form.SendText->text(), "");
    EXPECT_EQ(port.sent, "");
    form.ToolButton6->trigger();
    form.ToolButton7->trigger();
    EXPECT_EQ(form.ToolButton6->text().toStdString(), "Start Log");
    EXPECT_EQ(form.ToolButton7->text().toStdString(), "Start Send");
}

TEST_F(MessageFormTest, SendingAFileDisablesTheFieldsUntilItEnds)
{
    const std::string file = dir.Path() + "/in.txt";
    std::ofstream(file, std::ios::binary) << "xy";
    dialogs->answers = {file};
    form.ToolButton7->trigger();
    EXPECT_EQ(form.ToolButton7->text().toStdString(), "Stop Send");
    EXPECT_FALSE(form.Edit1->isEnabled());
    EXPECT_FALSE(form.SendText->isEnabled());
    EXPECT_EQ(port.sent, "");
    // The end of the file gives the form's no-input byte, then the link's.
    EXPECT_EQ(Answers(3), "\x12x\x12y\x13\x13");
    EXPECT_TRUE(form.Edit1->isEnabled());
    EXPECT_EQ(form.ToolButton7->text().toStdString(), "Start Send");
    EXPECT_FALSE(form.Sending());

    // Stop Send closes the file: only the no-input byte follows.
    dialogs->answers = {file};
    form.ToolButton7->trigger();
    form.ToolButton7->trigger();
    EXPECT_FALSE(form.Sending());
    EXPECT_TRUE(form.SendText->isEnabled());
    EXPECT_EQ(Answers(1), "\x13");
}

TEST_F(MessageFormTest, PipesFoldersAndLongNamesAreRefusedAtOnce)
{
    const std::string fifo = dir.Path() + "/pipe";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string longName = dir.Path() + "/" + std::string(201, 'n');
    dialogs->answers = {fifo, fifo, fifo, dir.Path(), longName};
    form.ToolButton7->trigger();
    form.ToolButton6->trigger();
    form.ToolButton5->trigger();
    form.ToolButton6->trigger();
    form.ToolButton6->trigger();
    EXPECT_EQ(dialogs->boxes, (std::vector<std::string>{"Error: Unable to read file", "Error: Unable to write file",
                                                        "Error: Unable to write file", "Error: Unable to write file",
                                                        "Error: Unable to write file"}));
    EXPECT_EQ(form.ToolButton7->text().toStdString(), "Start Send");
    EXPECT_EQ(form.ToolButton6->text().toStdString(), "Start Log");
    struct stat st {};
    ASSERT_EQ(::stat(fifo.c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
}

TEST_F(MessageFormTest, LogAndSaveDisplayHoldTheirBytes)
{
    const std::string log = dir.Path() + "/log.txt";
    const std::string shot = dir.Path() + "/display.txt";
    dialogs->answers = {log, shot};
    form.ToolButton6->trigger();
    EXPECT_EQ(form.ToolButton6->text().toStdString(), "Stop Log");
    form.AddText("ab\ncd\x01X\x10" "e");
    form.AddText("f\n");
    form.ToolButton5->trigger();
    form.ToolButton6->trigger();
    EXPECT_EQ(TempDir::ReadFile(log), "ab\r\ncdXef\r\n");
    EXPECT_EQ(TempDir::ReadFile(shot), "ef\r\n\r\n");
    EXPECT_TRUE(dialogs->boxes.empty());
}

TEST_F(MessageFormTest, FailedLogWriteEndsTheLogOnce)
{
    const std::string log = dir.Path() + "/log.txt";
    dialogs->answers = {log};
    form.ToolButton6->trigger();
    rlimit old {};
    ::getrlimit(RLIMIT_FSIZE, &old);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 4;
    ::setrlimit(RLIMIT_FSIZE, &small);
    form.AddText(std::string(5000, 'q'));
    form.AddText("more");
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(dialogs->boxes, std::vector<std::string>{"Error: Unable to write file"});
    EXPECT_EQ(form.ToolButton6->text().toStdString(), "Start Log");
    EXPECT_FALSE(form.Logging());
}

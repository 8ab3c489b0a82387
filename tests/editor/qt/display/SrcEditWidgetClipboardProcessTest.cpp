#include <QClipboard>
#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "tests/editor/qt/widget/WidgetScene.h"

// Two processes share the X clipboard: this test program is started again
// as the other side, running one of the Peer tests below, which do nothing
// in a normal run.

namespace {


const char* const kPeerVariable = "CORVANE_CLIPBOARD_PEER";

std::string PeerRole() {
    const char* value = std::getenv(kPeerVariable);
    return value ? value : "";
}

// The test program again, running Test with Role; Dir is the files' place.
class PeerProcess {
public:
    PeerProcess(const char* Test, const std::string& Role, const QString& Dir) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(kPeerVariable, QString::fromStdString(Role));
        env.insert("CORVANE_CLIPBOARD_DIR", Dir);
        process.setProcessEnvironment(env);
        process.start(QCoreApplication::applicationFilePath(),
                      {QStringLiteral("--gtest_filter=SrcEditWidgetClipboardPeer.") + Test});
    }
    ~PeerProcess() {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(5000);
        }
    }
    ::testing::AssertionResult Finished() {
        auto done = WaitUntil([&] { return process.state() == QProcess::NotRunning; }, 20s, "the peer process to end");
        if (!done) {
            return done;
        }
        if (process.exitCode() != 0) {
            return ::testing::AssertionFailure() << "peer failed:\n" << process.readAll().toStdString();
        }
        return ::testing::AssertionSuccess();
    }
    QProcess process;
};

QString PeerFile(const char* Name) { return qEnvironmentVariable("CORVANE_CLIPBOARD_DIR") + "/" + Name; }

void WriteFile(const QString& Path, const std::string& Data) {
    QFile file(Path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(Data.data(), static_cast<qint64>(Data.size()));
}

std::string ReadFile(const QString& Path) {
    QFile file(Path);
    if (!file.open(QIODevice::ReadOnly)) {
        return "<missing>";
    }
    QByteArray bytes = file.readAll();
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

class SrcEditWidgetClipboardProcessTest : public ::testing::Test, public WidgetScene {
protected:
    void BlockPastesInAnotherProcess();
    void PlainTextOfAnotherProcessPastesInTheSelectionMode();
};

// One test for both directions: the clipboard is the display's, so two
// such tests running at once would take it from each other.
TEST_F(SrcEditWidgetClipboardProcessTest, BlocksAndPlainTextPassBetweenProcesses) {
    BlockPastesInAnotherProcess();
    PlainTextOfAnotherProcessPastesInTheSelectionMode();
}

void SrcEditWidgetClipboardProcessTest::BlockPastesInAnotherProcess() {
    QTemporaryDir dir;
    widget->Lines().Add("ab\x80\xe9");
    widget->Lines().Add("cd");
    widget->SetSelectionMode(smColumn);
    widget->SetCaretAndSelection(BufferCoord(4, 2), BufferCoord(2, 1), BufferCoord(4, 2));
    widget->CopyToClipboard();
    PeerProcess peer("PasteAndReport", "paste", dir.path());
    ASSERT_TRUE(peer.Finished());
    // A column, with its byte 0x80, pasted as a column (padded on the short line).
    EXPECT_EQ(ReadFile(dir.path() + "/pasted"), std::string("xb\x80y\r\nzd "));
}

void SrcEditWidgetClipboardProcessTest::PlainTextOfAnotherProcessPastesInTheSelectionMode() {
    widget->Lines().Clear();
    QTemporaryDir dir;
    PeerProcess peer("OfferPlainText", "offer", dir.path());
    QClipboard* clipboard = QGuiApplication::clipboard();
    ASSERT_TRUE(WaitUntil([&] { return QFile::exists(dir.path() + "/offered"); }, 20s, "the peer's text"));
    ASSERT_TRUE(WaitUntil([&] { return clipboard->text() == QString::fromUtf8("P\u00e9\nQ"); }, 5s,
                          "the peer's text on the clipboard"));
    widget->Lines().Add("one");
    widget->Lines().Add("two");
    widget->SetSelectionMode(smLine);
    widget->SetCaretXY(BufferCoord(2, 2));
    widget->PasteFromClipboard();
    WriteFile(dir.path() + "/done", "");
    ASSERT_TRUE(peer.Finished());
    EXPECT_EQ(widget->Text(), "one\r\nP\xe9\r\nQtwo");
}

// The other side: pastes into a fresh editor and writes its text.
TEST(SrcEditWidgetClipboardPeer, PasteAndReport) {
    if (PeerRole() != "paste") {
        GTEST_SKIP() << "run by the clipboard process tests";
    }
    WidgetScene scene;
    scene.widget->Lines().Add("xy");
    scene.widget->Lines().Add("z");
    scene.widget->SetCaretXY(BufferCoord(2, 1));
    ASSERT_TRUE(WaitUntil([&] { return scene.widget->CanPaste(); }, 5s, "the other process's block"));
    scene.widget->PasteFromClipboard();
    WriteFile(PeerFile("pasted"), scene.widget->Text());
}

// The other side: offers plain text until the first process is done.
TEST(SrcEditWidgetClipboardPeer, OfferPlainText) {
    if (PeerRole() != "offer") {
        GTEST_SKIP() << "run by the clipboard process tests";
    }
    QGuiApplication::clipboard()->setText(QString::fromUtf8("P\u00e9\nQ"));
    WriteFile(PeerFile("offered"), "");
    ASSERT_TRUE(WaitUntil([&] { return QFile::exists(PeerFile("done")); }, 20s, "the first process to paste"));
}

}  // namespace

#include <gtest/gtest.h>

#include <QAction>
#include <QInputMethodEvent>
#include <QTest>

#include "editor/qt/QtKeyMap.h"
#include "tests/editor/common/KeyScene.h"

namespace {

using namespace std::chrono_literals;
using Log = std::vector<std::string>;

class SrcEditWidgetKeysTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(scene.ShowFocused());
        scene.editor->SetWantTabs(true);
        scene.recorder.Take();
    }
    Log Take() { return scene.recorder.Take(); }

    KeyScene scene;
};

TEST_F(SrcEditWidgetKeysTest, KeysAsTheTestFrameworkMakesThem) {
    TSrcEditWidget* w = scene.editor;
    QTest::keyClick(w, Qt::Key_Q, Qt::ControlModifier);  // text "q"
    EXPECT_EQ(Take(), (Log{"ecChar 11"}));
    QTest::keyClick(w, Qt::Key_X, Qt::AltModifier);
    EXPECT_EQ(Take(), Log{});
    QTest::keyClick(w, Qt::Key_Exclam, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_EQ(Take(), (Log{"ecSetMarker1"}));
    QTest::keyClick(w, Qt::Key_Ampersand, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_EQ(Take(), (Log{"ecSetMarker7"}));
    QTest::keyClick(w, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(Take(), (Log{"ecShiftTab"}));
    QTest::keyClick(w, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(Take(), (Log{"ecLineBreak"}));
    QTest::sendKeyEvent(QTest::Click, w, Qt::Key_Eacute, QString::fromUtf8("\xC3\xA9"), Qt::NoModifier);
    QTest::keyClicks(w, "z");
    EXPECT_EQ(Take(), (Log{"ecChar e9", "ecChar 7a"}));
    QTest::keyClick(w, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(w, Qt::Key_Left);
    QTest::keyClick(w, Qt::Key_F1);
    EXPECT_EQ(Take(), (Log{"ecCopy", "ecLeft", "ecContextHelp"}));
    EXPECT_TRUE(w->hasFocus());
    EXPECT_TRUE(scene.LeftKeys.empty());
}

TEST_F(SrcEditWidgetKeysTest, KeysAsTheX11ServerDeliversThem) {
    scene.SendX11(Qt::Key_Q, Qt::ControlModifier, 24, QString(QChar(0x11)));
    scene.SendX11(Qt::Key_X, Qt::AltModifier, 53, "x");
    scene.SendX11(Qt::Key_Exclam, Qt::ShiftModifier | Qt::ControlModifier, 10, "!");
    scene.SendX11(Qt::Key_section, Qt::ShiftModifier | Qt::ControlModifier, 16, "");  // Shift+7, not US
    scene.SendX11(Qt::Key_Backtab, Qt::ShiftModifier, 23, "");
    scene.SendX11(Qt::Key_Enter, Qt::KeypadModifier, 104, "\r");
    scene.SendX11(Qt::Key_Eacute, Qt::NoModifier, 0, QString::fromUtf8("\xC3\xA9"));
    scene.SendX11(Qt::Key_BracketLeft, Qt::ControlModifier, 34, "\x1b");
    scene.SendX11(Qt::Key_3, Qt::KeypadModifier, 81, "3");
    scene.SendX11(Qt::Key_Return, Qt::NoModifier, 36, "\r");
    EXPECT_EQ(Take(), (Log{"ecChar 11", "ecSetMarker1", "ecSetMarker7", "ecShiftTab", "ecLineBreak", "ecChar e9",
                           "ecChar 1b", "ecChar 33", "ecLineBreak"}));
}

TEST_F(SrcEditWidgetKeysTest, TabsReturnsAndShortcutsOfTheWindow) {
    QTest::keyClick(scene.editor, Qt::Key_Tab);
    EXPECT_EQ(Take(), (Log{"ecTab"}));
    EXPECT_TRUE(scene.editor->hasFocus());

    scene.editor->SetWantReturns(false);
    QTest::keyClick(scene.editor, Qt::Key_Return);
    EXPECT_EQ(Take(), Log{});
    EXPECT_EQ(scene.LeftKeys, std::vector<int>{Qt::Key_Return});

    QAction newLine(&scene);
    newLine.setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    newLine.setShortcutContext(Qt::WindowShortcut);
    scene.addAction(&newLine);
    int triggered = 0;
    QObject::connect(&newLine, &QAction::triggered, [&] { ++triggered; });
    QTest::keyClick(scene.editor, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(triggered, 1);
    EXPECT_EQ(Take(), Log{}) << "the editor took the window's shortcut";

    scene.editor->SetWantTabs(false);
    QTest::keyClick(scene.editor, Qt::Key_Tab);
    ASSERT_TRUE(WaitUntil([&] { return scene.other->hasFocus(); }, 5s, "the focus on the next field"));
    EXPECT_EQ(Take(), (Log{"481"}));
    scene.editor->setFocus();
    ASSERT_TRUE(WaitUntil([&] { return scene.editor->hasFocus(); }, 5s, "the focus back on the editor"));
    EXPECT_EQ(Take(), (Log{"480"}));
}

TEST_F(SrcEditWidgetKeysTest, InputMethodCommitAndQueries) {
    QInputMethodEvent commit;
    commit.setCommitString(QString::fromUtf8("\xC3\xA9"));
    QApplication::sendEvent(scene.editor, &commit);
    QTest::keyClick(scene.editor, Qt::Key_X, Qt::NoModifier);
    EXPECT_EQ(Take(), (Log{"ecImeStr [e9]", "ecChar 78"}));

    QInputMethodEvent foreign;
    foreign.setCommitString(QString::fromUtf8("\xE2\x82\xAC\xE4\xB8\xAD"));  // euro sign, a CJK character
    QApplication::sendEvent(scene.editor, &foreign);
    EXPECT_EQ(Take(), (Log{"ecImeStr [80 3f]"}));

    QRect caret = scene.editor->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    QPoint port = scene.editor->viewport()->geometry().topLeft();
    ASSERT_EQ(scene.editor->CaretX(), 5);  // after the four characters typed
    EXPECT_EQ(caret, QRect(port.x() + scene.editor->TextOffset() + 4 * scene.editor->CharWidth(), port.y(),
                           scene.editor->CharWidth(), scene.editor->LineHeight()));
    QFont font = scene.editor->inputMethodQuery(Qt::ImFont).value<QFont>();
    EXPECT_EQ(QFontInfo(font).fixedPitch(), true);
    EXPECT_TRUE(scene.editor->inputMethodQuery(Qt::ImEnabled).toBool());
}

TEST_F(SrcEditWidgetKeysTest, AutoRepeatPressesRepeatAndTheirReleasesAreDropped) {
    int ups = 0;
    struct Counter {
        int* Count;
        void Up(TObject*, uint16_t&, TShiftState) { ++*Count; }
    } counter{&ups};
    scene.editor->AddKeyUpHandler(TKeyEvent::Of<&Counter::Up>(&counter));
    for (bool repeat : {false, true, true}) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier, QString(), repeat);
        QApplication::sendEvent(scene.editor, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Left, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(scene.editor, &release);
    }
    QKeyEvent last(QEvent::KeyRelease, Qt::Key_Left, Qt::NoModifier);
    QApplication::sendEvent(scene.editor, &last);
    EXPECT_EQ(Take(), (Log{"ecLeft", "ecLeft", "ecLeft"}));
    EXPECT_EQ(ups, 1);
    scene.editor->RemoveKeyUpHandler(TKeyEvent::Of<&Counter::Up>(&counter));
}

TEST_F(SrcEditWidgetKeysTest, AFailingKeyHandlerIsReportedAndTheNextKeyStillWorks) {
    struct Failing {
        bool Armed = true;
        void Down(TObject*, uint16_t&, TShiftState) {
            if (Armed) {
                Armed = false;
                throw Exception("handler failed");
            }
        }
    } failing;
    static Log warnings;
    warnings.clear();
    QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString& text) { warnings.push_back(text.toStdString()); });
    scene.editor->AddKeyDownHandler(TKeyEvent::Of<&Failing::Down>(&failing));
    QTest::keyClick(scene.editor, Qt::Key_Left);
    QTest::keyClick(scene.editor, Qt::Key_Right);
    qInstallMessageHandler(previous);
    EXPECT_EQ(Take(), (Log{"ecRight"}));
    EXPECT_EQ(warnings, (Log{"Editor key press failed: handler failed"}));  // no application handler here
    scene.editor->RemoveKeyDownHandler(TKeyEvent::Of<&Failing::Down>(&failing));
}

TEST(QtKeyMapTest, VirtualKeysOfTheKeyboard) {
    EXPECT_EQ(QtVirtualKey(Qt::Key_Backspace, false, 0), 8);
    EXPECT_EQ(QtVirtualKey(Qt::Key_F24, false, 0), 135);
    EXPECT_EQ(QtVirtualKey(Qt::Key_0, true, 0), 96);
    EXPECT_EQ(QtVirtualKey(Qt::Key_Slash, true, 0), 111);
    EXPECT_EQ(QtVirtualKey(Qt::Key_Home, true, 79), 36);  // keypad without Num Lock
    EXPECT_EQ(QtVirtualKey(Qt::Key_ParenRight, false, 0), '0');
    EXPECT_EQ(QtVirtualKey(Qt::Key_Eacute, false, 11), '2');  // the digit row of another layout
    EXPECT_EQ(QtVirtualKey(Qt::Key_Question, false, 0), 191);
    EXPECT_EQ(QtVirtualKey(Qt::Key_QuoteDbl, false, 0), 222);
    EXPECT_EQ(QtVirtualKey(Qt::Key_Eacute, false, 0), 0);
    EXPECT_EQ(QtShiftState(Qt::Key_Backtab, Qt::NoModifier), TShiftState{ssShift});
    EXPECT_EQ(QtShiftState(Qt::Key_A, Qt::AltModifier | Qt::ControlModifier), (TShiftState{ssAlt, ssCtrl}));
    EXPECT_EQ(QtKeyChars('6', {ssShift, ssCtrl}, "^"), "\x1e");
    EXPECT_EQ(QtKeyChars(189, {ssShift, ssCtrl}, "_"), "\x1f");
    EXPECT_EQ(QtKeyChars(13, {ssCtrl}, "\r"), "\n");
    EXPECT_EQ(QtKeyChars(8, {ssCtrl}, "\b"), "\x7f");
    EXPECT_EQ(QtKeyChars('E', {ssCtrl, ssAlt}, "\xE2\x82\xAC"), "\xE2\x82\xAC");  // AltGr types as without
    EXPECT_EQ(QtKeyChars('7', {ssCtrl}, "7"), "");
}

}  // namespace

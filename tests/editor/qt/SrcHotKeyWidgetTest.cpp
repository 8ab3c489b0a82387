#include <gtest/gtest.h>

#include <QDialog>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QStyleHints>
#include <QTest>
#include <QVBoxLayout>

#include "editor/qt/SrcHotKeyWidget.h"
#include "tests/support/gui/ScreenProbe.h"
#include "tests/support/gui/WaitUntil.h"

namespace {

using namespace std::chrono_literals;

// A dialog with a line edit above a hot-key control and OK and Cancel, the
// line edit focused.
class SrcHotKeyWidgetTest : public ::testing::Test {
protected:
    void SetUp() override {
        QGuiApplication::styleHints()->setCursorFlashTime(0);
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(other = new QLineEdit(&window));
        layout->addWidget(hotKey = new TSrcHotKeyWidget(&window));
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &window);
        layout->addWidget(buttons);
        QObject::connect(buttons, &QDialogButtonBox::accepted, &window, &QDialog::accept);
        QObject::connect(buttons, &QDialogButtonBox::rejected, &window, &QDialog::reject);
        ASSERT_TRUE(ShowExposed(window));
        window.activateWindow();
        other->setFocus();
        ASSERT_TRUE(WaitUntil([&] { return other->hasFocus(); }, 5s, "the line edit's focus"));
    }
    void ClickInto(QWidget* Widget, const char* What) {
        QTest::mouseClick(Widget, Qt::LeftButton, {}, QPoint(Widget->width() - 5, Widget->height() / 2));
        ASSERT_TRUE(WaitUntil([&] { return Widget->hasFocus(); }, 5s, What));
    }
    // The caret's x after the text as the control's font measures it.
    int CaretXAfter(const QString& Text) const {
        return hotKey->contentsRect().left() + 1 + QFontMetrics(hotKey->font()).horizontalAdvance(Text);
    }

    QDialog window;
    QLineEdit* other = nullptr;
    TSrcHotKeyWidget* hotKey = nullptr;
};

TEST_F(SrcHotKeyWidgetTest, TakesTheFocusOnAClickAndShowsTheCaretAfterTheText) {
    EXPECT_FALSE(hotKey->Caret().Visible());
    ClickInto(hotKey, "the hot key's focus");
    ASSERT_TRUE(hotKey->Caret().Visible());
    QRect caret = hotKey->Caret().CellRect();
    EXPECT_EQ(caret.topLeft(), QPoint(CaretXAfter("Alt+A"), hotKey->contentsRect().top() + 1));

    QImage shown = GrabToPng(*hotKey, "focused");
    QRect text(hotKey->contentsRect().topLeft() + QPoint(1, 1), QPoint(caret.left() - 1, caret.bottom()));
    EXPECT_TRUE(HasColor(shown, text, Qt::black)) << "the text's ink";
    EXPECT_EQ(PixelAt(shown, caret.center()), QColor(Qt::black)) << "the caret";
    EXPECT_EQ(DominantColor(shown, caret.translated(caret.width() + 2, 0)), QColor(Qt::white)) << "the window colour";

    ClickInto(other, "the line edit's focus");
    EXPECT_FALSE(hotKey->Caret().Visible());
    EXPECT_EQ(PixelAt(GrabToPng(*hotKey, "unfocused"), caret.center()), QColor(Qt::white)) << "no caret";
    hotKey->SetBorderStyle(bsNone);
    EXPECT_EQ(hotKey->contentsRect(), hotKey->rect());
    EXPECT_EQ(PixelAt(GrabToPng(*hotKey, "borderless"), QPoint(0, 0)), QColor(Qt::white)) << "no border";
}

TEST_F(SrcHotKeyWidgetTest, KeysTheControlShowsAndKeeps) {
    ClickInto(hotKey, "the hot key's focus");
    struct TStep {
        QTest::KeyAction Action;
        Qt::Key Key;
        Qt::KeyboardModifiers Modifiers;
        const char* Text;
        TShortCut HotKey;
    };
    const TStep steps[] = {
        {QTest::Click, Qt::Key_K, Qt::ControlModifier, "Ctrl+K", scCtrl | 'K'},
        {QTest::Click, Qt::Key_Tab, {}, "Alt+Tab", scAlt | 9},
        {QTest::Click, Qt::Key_Backtab, Qt::ShiftModifier, "Alt+Tab", scAlt | 9},
        {QTest::Click, Qt::Key_Left, Qt::ShiftModifier | Qt::ControlModifier, "Ctrl+Shift+Left", scCtrl | scShift | 37},
        {QTest::Click, Qt::Key_Down, {}, "Alt+Down", scAlt | 40},
        {QTest::Click, Qt::Key_Return, Qt::ControlModifier, "Ctrl+Enter", scCtrl | 13},
        {QTest::Click, Qt::Key_Semicolon, Qt::ControlModifier, "Ctrl+;", scCtrl | 186},
        {QTest::Click, Qt::Key_7, Qt::KeypadModifier, "Alt+Num 7", scAlt | 103},
        {QTest::Click, Qt::Key_Asterisk, Qt::KeypadModifier | Qt::ControlModifier, "Ctrl+Num *", scCtrl | 106},
        {QTest::Click, Qt::Key_Print, {}, "Alt+Print Screen", scAlt | 44},
        {QTest::Press, Qt::Key_Control, {}, "Ctrl+", 0},
        {QTest::Press, Qt::Key_Shift, Qt::ControlModifier, "Ctrl+Shift+", 0},
        {QTest::Release, Qt::Key_Shift, Qt::ControlModifier, "(None)", 0},
        {QTest::Press, Qt::Key_F5, Qt::ControlModifier, "Ctrl+F5", scCtrl | 116},
        {QTest::Release, Qt::Key_F5, Qt::ControlModifier, "Ctrl+F5", scCtrl | 116},
        {QTest::Release, Qt::Key_Control, {}, "Ctrl+F5", scCtrl | 116},
    };
    for (const TStep& step : steps) {
        QTest::sendKeyEvent(step.Action, hotKey, step.Key, QString(), step.Modifiers);
        EXPECT_EQ(hotKey->Text(), step.Text);
        EXPECT_EQ(hotKey->HotKey(), step.HotKey) << step.Text;
        EXPECT_EQ(hotKey->Caret().CellRect().left(), CaretXAfter(step.Text)) << step.Text;
        EXPECT_TRUE(hotKey->hasFocus()) << step.Text;
    }
    // Plain Enter and Escape press the dialog's buttons and leave the key.
    for (auto [key, result] : {std::pair{Qt::Key_Return, QDialog::Accepted}, {Qt::Key_Escape, QDialog::Rejected}}) {
        window.setResult(-1);
        ASSERT_TRUE(ShowExposed(window));
        window.activateWindow();
        ClickInto(hotKey, "the hot key's focus");
        QTest::keyClick(hotKey, key);
        EXPECT_EQ(window.result(), result) << key;
        EXPECT_EQ(hotKey->Text(), "Ctrl+F5") << key;
    }
}

}  // namespace

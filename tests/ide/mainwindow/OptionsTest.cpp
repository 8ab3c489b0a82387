#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QGuiApplication>
#include <QScreen>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <chrono>
#include <climits>
#include <memory>

#include "foundation/Settings.h"
#include "debugger/qt/DataViewForm.h"
#include "ide/ColorBox.h"
#include "ide/EditorForm.h"
#include "ide/OptionsDialogs.h"
#include "ide/OptionsForm.h"
#include "ide/ZARNTabControl.h"
#include "ide/terminal/MessageForm.h"
#include "tests/ide/MessageLinesOf.h"
#include "tests/ide/mainwindow/MainWindowBase.h"
#include "tests/support/gui/ScreenProbe.h"
#include "tests/support/gui/WaitUntil.h"

using namespace std::chrono_literals;

namespace {
class FakeOptionsDialogs : public IOptionsDialogs {
public:
    std::optional<uint32_t> PickColor(uint32_t) override { return color; }
    bool PickFont(std::string& name, int32_t& size) override
    {
        if (fontName.empty()) return false;
        name = fontName;
        size = fontSize;
        return true;
    }
    std::optional<std::string> CompilerFile(const std::string&) override { return compiler; }
    std::optional<std::string> ChoosePath(const std::string&) override { return path; }
    std::optional<std::vector<std::string>> ChoosePorts(const std::vector<std::string>& ports) override
    {
        shownPorts = ports;
        return chosenPorts;
    }
    bool SaveDesktop() override { return saveDesktop(); }

    std::optional<uint32_t> color;
    std::string fontName;
    int32_t fontSize = 0;
    std::optional<std::string> compiler;
    std::optional<std::string> path;
    std::optional<std::vector<std::string>> chosenPorts;
    std::vector<std::string> shownPorts;
    std::function<bool()> saveDesktop;
};

std::vector<std::string> ComPorts(int count)
{
    std::vector<std::string> ports;
    for (int i = 1; i <= count; ++i) ports.push_back("COM" + std::to_string(i));
    return ports;
}
}  // namespace

class OptionsTest : public MainWindowBase {
protected:
    void SetUp() override
    {
        MainWindowBase::SetUp();
        auto ownedOptions = std::make_unique<FakeOptionsDialogs>();
        options = ownedOptions.get();
        options->saveDesktop = [this] { return form->SaveDesktop(); };
        form->SetOptionsDialogs(std::move(ownedOptions));
    }
    // Opens "Global Options"; `use` works the dialog and closes it.
    void Open(const std::function<void(TOptionsForm&)>& use)
    {
        bool shown = false;
        dialogs->modal = [&](QDialog& dialog) {
            shown = true;
            use(static_cast<TOptionsForm&>(dialog));
            return dialog.result() == QDialog::Accepted;
        };
        form->Action("GlobalOptions")->trigger();
        ASSERT_TRUE(shown);
    }
    static void Choose(TColorBox* box, int index)
    {
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
    std::string Stored(const std::string& name) const { return settings->Stored(name); }
    std::vector<std::string> MessageLines(int count)
    {
        EXPECT_TRUE(WaitUntil([&] { return form->StatusList->count() >= count; }, 5s, "message lines"));
        QCoreApplication::processEvents();
        return MessageLinesOf(*form);
    }

    FakeOptionsDialogs* options = nullptr;
};

TEST_F(OptionsTest, OkWritesEveryFieldAndTheDialogShowsThemAgain)
{
    options->color = 0x123456;
    options->fontName = "Mono Sans";
    options->fontSize = 14;
    options->compiler = dir.File("bin/jikes");
    options->path = dir.File("lib") + ";" + dir.File("more");
    options->chosenPorts = std::vector<std::string>{"COM2", "COM3", "COM7"};
    Open([&](TOptionsForm& f) {
        EXPECT_EQ(f.PageControl1->currentWidget(), f.Compiler);
        Choose(f.ColorBox3, 9);                              // Red
        Choose(f.ColorBox4, 12);                             // Blue
        Choose(f.ColorBox1, f.ColorBox1->count() - 1);       // Custom...
        Choose(f.ColorBox2, 2);                              // Green
        f.RadioButton1->click();                             // JavaDoc normal
        f.Button2->click();
        f.SpeedButton3->click();
        f.SpeedButton1->click();
        f.Auto->click();
        f.SerialPort->setCurrentIndex(2);  // COM3
        f.SingleStep->setChecked(true);
        f.debugComLevel->clear();
        QTest::keyClicks(f.debugComLevel, "2");
        f.DebugSwitch("debugStepping")->setChecked(true);
        f.DebugSwitch("debugJVM2")->setChecked(true);
        f.OKButton->click();
    });
    const std::pair<const char*, std::string> stored[] = {
        {"NumberColor", std::to_string(0x0000FF)}, {"StringColor", std::to_string(0xFF0000)},
        {"JavaDocColor", std::to_string(0x123456)}, {"CommentColor", std::to_string(0x008000)},
        {"JavaDocStyle", "0"}, {"CommentStyle", "1"}, {"JavaCodeFontName", "Mono Sans"}, {"JavaCodeFontSize", "14"},
        {"ClassPath", *options->path}, {"CompilerPath", *options->compiler}, {"DebugPort", "3"},
        {"NumValidPorts", "3"}, {"ValidPort0", "2"}, {"ValidPort2", "7"}};
    for (const auto& [name, value] : stored) EXPECT_EQ(Stored(name), value) << name;
    EXPECT_TRUE(GlobalOptions.SingleStep);
    EXPECT_EQ(GlobalOptions.debugComLevel, 2);
    EXPECT_TRUE(GlobalOptions.debugStepping);
    EXPECT_TRUE(GlobalOptions.debugJVM2);
    EXPECT_FALSE(GlobalOptions.debugLinker);

    Open([&](TOptionsForm& f) {
        EXPECT_EQ(f.Classpath->text().toStdString(), *options->path);
        EXPECT_EQ(f.CompilerPath->text().toStdString(), *options->compiler);
        EXPECT_EQ(f.SerialPort->currentText(), "COM3");
        EXPECT_EQ(f.SerialPort->itemText(0), "AUTO");
        EXPECT_EQ(f.SerialPort->count(), 4);
        EXPECT_EQ(f.ColorBox3->currentText(), "Red");
        EXPECT_EQ(f.ColorBox1->Selected(), 0x123456u);
        EXPECT_TRUE(f.RadioButton1->isChecked());
        EXPECT_TRUE(f.RadioButton4->isChecked());
        EXPECT_EQ(f.debugComLevel->text(), "2");
        EXPECT_TRUE(f.SingleStep->isChecked());
        EXPECT_TRUE(f.DebugSwitch("debugJVM2")->isChecked());
        f.SerialPort->setCurrentIndex(0);  // AUTO
        f.OKButton->click();
    });
    EXPECT_EQ(Stored("DebugPort"), "0");
}

TEST_F(OptionsTest, DebugSwitchesShowOnlyWithCtrlHeld)
{
    Open([&](TOptionsForm& f) {
        f.PageControl1->setCurrentWidget(f.Debugger);
        EXPECT_FALSE(f.ORUDebug->isVisibleTo(&f));
        f.CancelButton->click();
    });
    ASSERT_TRUE(ShowExposed(*form));
    QTest::keyPress(form->windowHandle(), Qt::Key_Control, Qt::ControlModifier);
    Open([&](TOptionsForm& f) {
        f.PageControl1->setCurrentWidget(f.Debugger);
        EXPECT_TRUE(f.ORUDebug->isVisibleTo(&f));
        f.CancelButton->click();
    });
    QTest::keyRelease(form->windowHandle(), Qt::Key_Control);
}

TEST_F(OptionsTest, PortListKeepsTwentyAndCancelledPortEditorChangesNothing)
{
    options->chosenPorts = ComPorts(25);
    Open([&](TOptionsForm& f) {
        f.Auto->click();
        EXPECT_EQ(f.SerialPort->count(), 26);
        EXPECT_EQ(f.SerialPort->currentText(), "AUTO");
        f.OKButton->click();
    });
    EXPECT_EQ(Stored("NumValidPorts"), "20");
    EXPECT_EQ(Stored("ValidPort19"), "20");
    EXPECT_EQ(GlobalOptions.NumValidPorts, 20);

    options->chosenPorts.reset();
    Open([&](TOptionsForm& f) {
        f.Auto->click();
        EXPECT_EQ(options->shownPorts, ComPorts(20));
        EXPECT_EQ(f.SerialPort->count(), 21);
        f.CancelButton->click();
    });
}

TEST_F(OptionsTest, DebugComLevelTakesDigitsOnlyAndEmptyIsZero)
{
    Open([&](TOptionsForm& f) {
        f.debugComLevel->clear();
        QTest::keyClicks(f.debugComLevel, "a1b2-");
        EXPECT_EQ(f.debugComLevel->text(), "12");
        f.OKButton->click();
    });
    EXPECT_EQ(GlobalOptions.debugComLevel, 12);
    Open([&](TOptionsForm& f) {
        f.debugComLevel->clear();
        f.Classpath->setText("/after/the/level");
        f.OKButton->click();
    });
    EXPECT_EQ(GlobalOptions.debugComLevel, 0);
    EXPECT_EQ(Stored("ClassPath"), "/after/the/level");
}

// The frames of the three windows within the screen's available area.
::testing::AssertionResult FramesInSight(TEditorForm& form)
{
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const std::pair<const char*, QWidget*> windows[] = {
        {"main", &form}, {"data", form.DataView()}, {"terminal", &form.MessageForm()}};
    for (const auto& [name, window] : windows)
        if (!area.contains(window->frameGeometry()))
            return ::testing::AssertionFailure() << name << " window off the screen";
    return ::testing::AssertionSuccess();
}

TEST_F(OptionsTest, AStoredLayoutOffEveryScreenComesBackIntoSight)
{
    ASSERT_TRUE(SaveWindowLayout({{5000, -3000, 600, 400}, {-4000, 100, 373, 337}, {100, 9000, 373, 277}}));
    LoadSettings();
    EXPECT_TRUE(FramesInSight(*form));
    EXPECT_EQ(form->frameGeometry().size(), QSize(600, 400));
    SetDefaultSettings();
    EXPECT_TRUE(FramesInSight(*form));
    EXPECT_EQ(form->frameGeometry().topLeft(), QGuiApplication::primaryScreen()->availableGeometry().topLeft() +
                                                   QPoint(1, 1));
}

// Values at the ends of the int range, as a damaged settings file holds them.
TEST_F(OptionsTest, AStoredLayoutAtTheEndsOfTheIntRangeShowsTheWindowsWithinTheScreen)
{
    ASSERT_TRUE(SaveWindowLayout({{2147483000, 0, INT_MAX, INT_MAX}, {INT_MIN, INT_MIN, 2147483000, 100},
                                  {INT_MAX, -1, INT_MAX, INT_MIN}}));
    LoadSettings();
    ASSERT_TRUE(ShowExposed(*form));
    EXPECT_TRUE(FramesInSight(*form));
    EXPECT_EQ(form->frameGeometry(), QGuiApplication::primaryScreen()->availableGeometry());
}

TEST_F(OptionsTest, SettingsFileThatCannotBeWrittenIsReportedOnceAndOptionsStay)
{
    QFile::remove(QString::fromStdString(dir.File("settings.conf")));
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(dir.File("settings.conf"))));
    Open([&](TOptionsForm& f) {
        f.Classpath->setText("/typed");
        f.OKButton->click();
    });
    std::vector<std::string> lines = MessageLines(1);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].find("IDE-0017"), std::string::npos) << lines[0];
    EXPECT_NE(lines[0].find(dir.File("settings.conf")), std::string::npos) << lines[0];
    EXPECT_NE(lines[0].find("Is a directory"), std::string::npos) << lines[0];
    EXPECT_EQ(GlobalOptions.ClassPath, "/typed");

    Open([&](TOptionsForm& f) {
        f.Button1->click();
        f.CancelButton->click();
    });
    EXPECT_EQ(MessageLines(2).size(), 2u);
    form->Action("SaveDesktop")->trigger();
    EXPECT_EQ(MessageLines(3).size(), 3u);
}

TEST_F(OptionsTest, ColourChangeRecoloursAnOpenPage)
{
    const std::string file = dir.File("Numbers.java");
    TempDir::WriteFile(file, "x = 12345678;\r\n");
    form->OpenSourceFile(file);
    form->show();
    QWidget* page = form->EditorTab->Page(form->EditorTab->TabIndex());
    ASSERT_TRUE(page);
    const QColor navy(0, 0, 0x80), red(0xFF, 0, 0);
    const QImage before = GrabToPng(*page, "before");
    EXPECT_TRUE(HasColor(before, before.rect(), navy));
    EXPECT_FALSE(HasColor(before, before.rect(), red));
    Open([&](TOptionsForm& f) {
        Choose(f.ColorBox3, 9);  // Red
        f.OKButton->click();
    });
    const QImage after = GrabToPng(*page, "after");
    EXPECT_TRUE(HasColor(after, after.rect(), red));
    EXPECT_FALSE(HasColor(after, after.rect(), navy));
}

TEST_F(OptionsTest, CompilerPathIsKeptAsTypedAndAMissingCompilerIsReportedAtCompile)
{
    const std::string missing = dir.File("no such folder/jikes");
    Open([&](TOptionsForm& f) {
        f.CompilerPath->setText(QString::fromStdString(missing));
        f.OKButton->click();
    });
    EXPECT_EQ(Stored("CompilerPath"), missing);
    const std::string source = dir.File("Main.java");
    TempDir::WriteFile(source, "class Main {}\r\n");
    form->OpenSourceFile(source);
    form->Action("CompileFile")->trigger();
    const std::vector<std::string> lines = MessageLines(1);
    ASSERT_FALSE(lines.empty());
    EXPECT_NE(lines.back().find("IDE-0033"), std::string::npos) << lines.back();
    EXPECT_NE(lines.back().find("Could not create process"), std::string::npos) << lines.back();
}

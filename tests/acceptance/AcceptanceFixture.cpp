#include "tests/acceptance/AcceptanceFixture.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <QWindow>
#include <filesystem>
#include <iostream>

#include "debugger/qt/DataViewForm.h"
#include "ide/Application.h"
#include "editor/support/SrcColor.h"
#include "ide/EditorForm.h"
#include "ide/EditorImages.h"
#include "ide/ProgressForm.h"
#include "ide/Startup.h"
#include "ide/ZARNSource.h"
#include "ide/ZARNTabControl.h"
#include "ide/terminal/MessageForm.h"
#include "tests/ide/BuildSettings.h"
#include "tests/ide/MessageLinesOf.h"
#include "tests/support/JavaCompile.h"
#include "tests/support/TempDir.h"
#include "tests/support/gui/Artifacts.h"
#include "tests/support/gui/GuiTestApplication.h"
#include "tests/support/gui/ScreenProbe.h"
#include "tests/support/gui/WaitUntil.h"

// The GUI test main makes the IDE's application object.
std::unique_ptr<QApplication> CreateGuiTestApplication(int& argc, char** argv)
{
    return std::make_unique<TApplication>(argc, argv);
}

namespace {

constexpr const char* Examples[] = {"Stepping.java", "Counter.java", "Echo.java"};
constexpr int BoardRefreshMs = 200;

QColor Colour(TColor bgr)
{
    return QColor(bgr & 0xff, (bgr >> 8) & 0xff, (bgr >> 16) & 0xff);
}

int FailureCount()
{
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    return test ? test->result()->total_part_count() : 0;
}

// The pixels of `area` dark enough to be ink (text on a light background).
int InkPixels(const QImage& image, const QRect& area)
{
    const QRect inside = area & image.rect();
    int ink = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            if (qGray(image.pixel(x, y)) < 96) ++ink;
    return ink;
}

std::string Joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
}

// What a modal window says: its title and the texts of its labels.
std::string WindowText(QWidget& window)
{
    std::string text = "\"" + window.windowTitle().toStdString() + "\"";
    for (QLabel* label : window.findChildren<QLabel*>())
        if (!label->text().isEmpty()) text += " " + label->text().toStdString();
    return text;
}

}  // namespace

AcceptanceTest::AcceptanceTest()
    : portDir_("CORVANE_PORT_DIR", world_.Ports()),
      runtimeDir_("XDG_RUNTIME_DIR", world_.Runtime()),
      configDir_("XDG_CONFIG_HOME", world_.Dir() + "/config")
{
}

AcceptanceTest::~AcceptanceTest() = default;

void AcceptanceTest::SetUp()
{
    // The pictures of both acceptance programs go to artifacts/acceptance/.
    SetArtifactGroup("acceptance");
    std::error_code ignored;
    std::filesystem::remove_all(ArtifactFolder(), ignored);
    Step("start-up");
    guard_ = std::make_unique<HangGuard>(RunLimit, board_, [this] { RefreshBoard(); });
    module_ = std::make_unique<ModuleSimulator>(world_, 3, std::vector<std::string>{"--paced"});
    ASSERT_TRUE(module_->Ready()) << "orusim did not start on COM3: " << module_->Events();
    board_.SetSimulatorPid(pid_t(module_->Pid()));
    TempDir::MakeDirs(ProjectFile(""));
    for (const char* name : Examples)
        TempDir::WriteFile(ProjectFile(name), TempDir::ReadFile(SourceDir() + "/examples/" + name));

    forms_ = CreateApplicationForms(SettingsFile());
    InstallSeams();
    LoadSettingsAndOpen(Form(), {"corvane-ide"});
    Form().show();
    ASSERT_TRUE(Wait([&] { return Form().windowHandle() && Form().windowHandle()->isExposed(); },
                     "the main window on the screen"));
}

void AcceptanceTest::InstallSeams()
{
    auto step = [this] { return step_; };
    auto dialogs = std::make_unique<StepDialogs>(step);
    dialogs_ = dialogs.get();
    Form().SetDialogs(std::move(dialogs));
    auto terminal = std::make_unique<StepTerminalDialogs>(step);
    terminalDialogs_ = terminal.get();
    Form().MessageForm().SetDialogs(std::move(terminal));
    TProgressForm& progress = Form().ProgressForm();
    QObject::connect(progress.ProgressText, &QLineEdit::textChanged, &progress,
                     [this](const QString& text) { progressTexts_.push_back(text.toStdString()); });
    QObject::connect(progress.ProgressBar, &QProgressBar::valueChanged, &progress,
                     [this](int value) { progressPositions_.push_back(value); });
    QObject::connect(&Form(), &QWidget::windowTitleChanged, &Form(),
                     [this](const QString& title) { captions_.push_back(title.toStdString()); });
    // Also inside event loops the product runs itself.
    auto* watch = new QTimer(&Form());
    QObject::connect(watch, &QTimer::timeout, &Form(), [this] {
        CatchModalWindows();
        RefreshBoard();
    });
    watch->start(BoardRefreshMs);
}

void AcceptanceTest::TearDown()
{
    if (HasFailure() && forms_) {
        RefreshBoard();
        std::cerr << "\nThe acceptance run failed.\n" << board_.Text();
    }
    stepTrace_.reset();
    forms_.reset();
    CloseApplication();
    ResetSettings();  // a next run in this process starts as a fresh process would
    module_.reset();
    guard_.reset();
    std::cout << "Screenshots: " << ArtifactFolder() << std::endl;
}

void AcceptanceTest::Step(const std::string& name)
{
    step_ = name;
    stepTrace_.reset();
    stepTrace_ = std::make_unique<::testing::ScopedTrace>(__FILE__, __LINE__, "step \"" + name + "\"");
    board_.SetStep(name);
    std::cout << "[ STEP     ] " << name << std::endl;
}

::testing::AssertionResult AcceptanceTest::Wait(const std::function<bool()>& condition, const std::string& what,
                                                std::chrono::milliseconds deadline)
{
    const int failures = FailureCount();
    auto failed = [&] { return FailureCount() > failures; };
    ::testing::AssertionResult result =
        WaitUntil([&] { return failed() || condition(); }, deadline, what + " (step \"" + step_ + "\")");
    if (!result) return result;
    if (failed())
        return ::testing::AssertionFailure() << "step \"" << step_ << "\" failed while waiting for " << what;
    return result;
}

void AcceptanceTest::CatchModalWindows()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) return;
    ADD_FAILURE() << "step \"" << step_ << "\": an unexpected modal window " << WindowText(*modal);
    modal->close();
}

void AcceptanceTest::RefreshBoard()
{
    if (!forms_) return;
    if (module_) module_->HasEvent("");
    const std::string window = "caption \"" + Caption() + "\", current line " + std::to_string(Form().ExecutionLine()) +
                               ", tabs " + ::testing::PrintToString(Tabs()) + "\n";
    board_.SetScreen(window + Joined(MessageLines()), Joined(TerminalLines()), module_ ? module_->RecentEvents() : "");
}

std::string AcceptanceTest::Diagnostics()
{
    RefreshBoard();
    return board_.Text();
}

TEditorForm& AcceptanceTest::Form() const
{
    return *forms_->EditorForm;
}

TDataViewForm& AcceptanceTest::DataWindow() const
{
    return *Form().DataView();
}

CZARNSource* AcceptanceTest::Page() const
{
    CZARNSource* page = Form().CurrentEditor();
    if (!page) ADD_FAILURE() << "step \"" << step_ << "\": no page";
    return page;
}

std::string AcceptanceTest::ProjectFile(const std::string& name) const
{
    return world_.Work() + "/" + ProjectFolderName + "/" + name;
}

std::string AcceptanceTest::SettingsFile() const
{
    return world_.Dir() + "/config/settings.conf";
}

::testing::AssertionResult AcceptanceTest::RestartModule(const std::vector<std::string>& extraArgs)
{
    module_.reset();
    std::vector<std::string> args{"--paced"};
    args.insert(args.end(), extraArgs.begin(), extraArgs.end());
    module_ = std::make_unique<ModuleSimulator>(world_, 3, args);
    board_.SetSimulatorPid(pid_t(module_->Pid()));
    if (!module_->Ready()) return ::testing::AssertionFailure() << "orusim did not start again";
    return ::testing::AssertionSuccess();
}

void AcceptanceTest::FocusPage()
{
    Form().activateWindow();
    ASSERT_TRUE(Wait([&] { return Form().isActiveWindow(); }, "the main window to be active"));
    if (CZARNSource* page = Page()) {
        page->setFocus();
        ASSERT_TRUE(Wait([&] { return QApplication::focusWidget() == page; }, "the page to have the focus"));
    }
}

void AcceptanceTest::ClickInto(QWidget& widget)
{
    widget.window()->activateWindow();
    ASSERT_TRUE(Wait([&] { return widget.window()->isActiveWindow(); }, "the widget's window to be active"));
    QTest::mouseClick(&widget, Qt::LeftButton);
    ASSERT_TRUE(Wait([&] { return QApplication::focusWidget() == &widget; }, "the clicked widget to have the focus"));
}

void AcceptanceTest::Key(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QWidget* focus = QApplication::focusWidget();
    if (!focus) {
        ADD_FAILURE() << "step \"" << step_ << "\": no widget has the focus for the key";
        return;
    }
    QTest::keyClick(focus, key, modifiers);
}

void AcceptanceTest::Type(const std::string& text)
{
    QWidget* focus = QApplication::focusWidget();
    if (!focus) {
        ADD_FAILURE() << "step \"" << step_ << "\": no widget has the focus for \"" << text << "\"";
        return;
    }
    QTest::keyClicks(focus, QString::fromStdString(text));
}

void AcceptanceTest::ClickGutter(int line)
{
    CZARNSource* page = Page();
    if (!page) return;
    const int y = (page->LineToRow(line) - page->TopLine()) * page->LineHeight() + page->LineHeight() / 2;
    QTest::mouseClick(page->viewport(), Qt::LeftButton, {}, QPoint(5, y));
}

void AcceptanceTest::DoubleClickMessage(int row)
{
    QListWidget& list = *Form().StatusList;
    QListWidgetItem* item = list.item(row);
    if (!item) {
        ADD_FAILURE() << "step \"" << step_ << "\": no message line " << row;
        return;
    }
    list.scrollToItem(item);
    const QPoint at = list.visualItemRect(item).center();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, at);
}

std::vector<std::string> AcceptanceTest::MessageLines() const { return MessageLinesOf(Form()); }

std::string AcceptanceTest::Caption() const
{
    return Form().windowTitle().toStdString();
}

std::string AcceptanceTest::Panel(int i) const
{
    return Form().PanelText(i);
}

std::vector<std::string> AcceptanceTest::Tabs() const
{
    std::vector<std::string> tabs;
    for (int i = 0; i < Form().EditorTab->Count(); ++i) tabs.push_back(Form().EditorTab->TabText(i).toStdString());
    return tabs;
}

int AcceptanceTest::CurrentTab() const
{
    return Form().EditorTab->TabIndex();
}

bool AcceptanceTest::Enabled(const char* action) const
{
    Form().ActionList1Update();
    return Form().Action(action)->isEnabled();
}

namespace {

// The colour of the page's gutter at the line: the arrow's place or the mark's.
QColor GutterAt(CZARNSource& page, int line, bool arrow)
{
    const QImage image = page.viewport()->grab().toImage();
    const int y = (page.LineToRow(line) - page.TopLine()) * page.LineHeight() + page.LineHeight() / 2;
    const QPoint at(arrow ? 3 : 14 + TEditorImages::MarkSize / 2, y);
    return image.rect().contains(at) ? QColor(image.pixel(at)) : QColor();
}

}  // namespace

bool AcceptanceTest::BreakpointMark(int line, CZARNSource* page)
{
    if (!page) page = Page();
    return page && GutterAt(*page, line, false) == Colour(TEditorImages::BreakpointColor);
}

bool AcceptanceTest::ArrowMark(int line, CZARNSource* page)
{
    if (!page) page = Page();
    return page && GutterAt(*page, line, true) == Colour(TEditorImages::ArrowColor);
}

QColor AcceptanceTest::LineBackground(int line, CZARNSource* page)
{
    if (!page) page = Page();
    if (!page) return QColor();
    const QImage image = page->viewport()->grab().toImage();
    const int y = (page->LineToRow(line) - page->TopLine()) * page->LineHeight() + 1;
    const QPoint at(page->GutterWidth() + 2 * page->CharWidth() + 1, y);
    return image.rect().contains(at) ? QColor(image.pixel(at)) : QColor();
}

bool AcceptanceTest::CurrentLineShown(int line)
{
    return Form().ExecutionLine() == line && LineBackground(line) == Colour(clGreen) && ArrowMark(line);
}

std::vector<std::string> AcceptanceTest::TerminalLines() const
{
    std::vector<std::string> lines;
    const auto& view = Form().MessageForm().Message->Lines();
    for (int i = 0; i < view.GetCount(); ++i) lines.push_back(view.Get(i));
    return lines;
}

bool AcceptanceTest::TerminalHas(const std::string& line) const
{
    for (const std::string& shown : TerminalLines())
        if (shown == line) return true;
    return false;
}

int AcceptanceTest::ProgressMaximum() const
{
    return Form().ProgressForm().ProgressBar->maximum();
}

bool AcceptanceTest::ProgressShown() const
{
    return Form().ProgressForm().isVisible();
}

void AcceptanceTest::ClearProgress()
{
    progressTexts_.clear();
    progressPositions_.clear();
}

std::vector<std::string> AcceptanceTest::DataLines(QTreeWidget& tree) const
{
    std::vector<std::string> lines;
    std::function<void(QTreeWidgetItem*, int)> add = [&](QTreeWidgetItem* item, int depth) {
        lines.push_back(std::string(size_t(depth) * 2, ' ') + item->text(0).toStdString());
        if (!item->isExpanded()) return;
        for (int i = 0; i < item->childCount(); ++i) add(item->child(i), depth + 1);
    };
    for (int i = 0; i < tree.topLevelItemCount(); ++i) add(tree.topLevelItem(i), 0);
    return lines;
}

QTreeWidgetItem* AcceptanceTest::DataLine(QTreeWidget& tree, const std::string& prefix) const
{
    const QString wanted = QString::fromStdString(prefix);
    for (QTreeWidgetItemIterator it(&tree); *it; ++it)
        if ((*it)->text(0).startsWith(wanted)) return *it;
    return nullptr;
}

bool AcceptanceTest::OpenDataLine(QTreeWidget& tree, const std::string& prefix)
{
    QTreeWidgetItem* line = DataLine(tree, prefix);
    if (!line) {
        ADD_FAILURE() << "step \"" << step_ << "\": no data line \"" << prefix << "\" in\n"
                      << Joined(DataLines(tree));
        return false;
    }
    tree.scrollToItem(line);
    const QPoint at = tree.visualItemRect(line).center();
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(tree.viewport(), Qt::LeftButton, {}, at);
    return line->isExpanded() && line->childCount() > 0 && !line->child(0)->text(0).isEmpty();
}

std::string AcceptanceTest::MemoryLabel(const char* name) const
{
    auto* label = DataWindow().findChild<QLabel*>(name);
    if (!label) {
        ADD_FAILURE() << "no memory label " << name;
        return {};
    }
    return label->text().toStdString();
}

void AcceptanceTest::Screenshots(const std::string& name)
{
    const QImage main = GrabToPng(Form(), name + "-main");
    EXPECT_GT(ColourCount(main, main.rect()), 2) << name << "-main.png is not a picture";
    if (CZARNSource* page = Page()) {
        const QRect area(page->viewport()->mapTo(&Form(), QPoint(page->GutterWidth(), 0)),
                         page->viewport()->size() - QSize(page->GutterWidth(), 0));
        EXPECT_GT(InkPixels(main, area), 400) << "the page's text is not visible in " << name << "-main.png";
    }
    TDataViewForm& data = DataWindow();
    const QImage picture = GrabToPng(data, name + "-data");
    if (!data.isVisible()) return;
    EXPECT_GT(ColourCount(picture, picture.rect()), 2) << name << "-data.png is not a picture";
    auto* tree = qobject_cast<QTreeWidget*>(data.DebugTabs()->currentWidget());
    if (!tree) return;
    const QRect area(tree->viewport()->mapTo(&data, QPoint(0, 0)), tree->viewport()->size());
    EXPECT_GT(InkPixels(picture, area), 100) << "the data window's lines are not visible in " << name << "-data.png";
}

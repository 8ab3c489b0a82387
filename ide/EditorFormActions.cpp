// The action list, the menus, the tool bar and the page pop-up menu.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <map>

#include "ide/ActionTable.h"
#include "ide/EditorForm.h"
#include "ide/ToolIcons.h"
#include "widgets/WrapToolBar.h"

namespace {

using Handler = void (TEditorForm::*)();

const std::map<std::string, Handler>& Handlers()
{
    static const std::map<std::string, Handler> handlers = {
        {"NewFile", &TEditorForm::NewFileExecute},
        {"OpenFile", &TEditorForm::OpenFileExecute},
        {"SaveFile", &TEditorForm::SaveFileExecute},
        {"OpenHelp", &TEditorForm::OpenHelpExecute},
        {"Run", &TEditorForm::RunButtonClick},
        {"Stop", &TEditorForm::StopExecute},
        {"StepInto", &TEditorForm::StepButtonClick},
        {"About", &TEditorForm::AboutExecute},
        {"CloseFile", &TEditorForm::CloseFileExecute},
        {"ToggleBreakpoint", &TEditorForm::ToggleBreakpointExecute},
        {"Debug", &TEditorForm::DebugExecute},
        {"StepOver", &TEditorForm::StepOverExecute},
        {"InsertTemplate", &TEditorForm::InsertTemplateExecute},
        {"Reset", &TEditorForm::ResetExecute},
        {"SaveFileAs", &TEditorForm::SaveFileAsExecute},
        {"FindAndReplace", &TEditorForm::FindAndReplaceExecute},
        {"FindAgain", &TEditorForm::FindAgainExecute},
        {"ShowDebugger", &TEditorForm::ShowDebuggerExecute},
        {"ShowMessage", &TEditorForm::ShowMessageExecute},
        {"ResumeDebug", &TEditorForm::ResumeDebugExecute},
        {"Print", &TEditorForm::PrintExecute},
        {"Program", &TEditorForm::ProgramExecute},
        {"Exit", &TEditorForm::ExitExecute},
        {"SaveDesktop", &TEditorForm::SaveDesktopExecute},
        {"SaveAll", &TEditorForm::SaveAllClick},
        {"MakeProject", &TEditorForm::MakeProjectExecute},
        {"SelectProject", &TEditorForm::SelectProjectExecute},
        {"GlobalOptions", &TEditorForm::GlobalOptionsExecute},
        {"ProjectOptions", &TEditorForm::ProjectOptionsExecute},
        {"CompileFile", &TEditorForm::CompileFileExecute},
        {"ShowCodeTemplates", &TEditorForm::ShowCodeTemplatesExecute},
        {"TestCon", &TEditorForm::TestConExecute},
        {"Cut", &TEditorForm::CutExecute},
        {"Copy", &TEditorForm::CopyExecute},
        {"Paste", &TEditorForm::PasteExecute},
        {"Undo", &TEditorForm::UndoExecute},
        {"ExitDebugger", &TEditorForm::ExitDebuggerExecute},
        {"Identify", &TEditorForm::IdentifyExecute},
        {"JogInto", &TEditorForm::JogIntoExecute},
        {"OpenClass", &TEditorForm::OpenClassExecute},
    };
    return handlers;
}

// F9 and F8 belong to two actions each; one dispatcher per key decides. The
// actions only show their key in the menus: as a shortcut of their own they
// would make the key ambiguous wherever they and the dispatcher both match.
bool SharesItsKey(const std::string& name)
{
    return name == "Run" || name == "CompileFile" || name == "Stop" || name == "StepOver";
}

// Identify and Test Connection may wait for a running download: they run
// once their menu has closed, so that the wait does not keep it drawn open.
bool RunsAfterItsMenuCloses(const std::string& name)
{
    return name == "Identify" || name == "TestCon";
}

}  // namespace

QAction* TEditorForm::Action(const std::string& name) const
{
    const auto found = actionsByName_.find(name);
    return found == actionsByName_.end() ? nullptr : found->second;
}

void TEditorForm::BuildActions()
{
    for (size_t i = 0; i < ActionRowCount; ++i) {
        const TActionRow& row = ActionRows[i];
        QString caption = QString::fromUtf8(row.Caption);
        if (SharesItsKey(row.Name)) caption += '\t' + QString::fromUtf8(row.Shortcut);
        auto* action = new QAction(caption, this);
        action->setObjectName(row.Name);
        action->setProperty("category", row.Category);
        action->setStatusTip(row.Hint);
        const QString plainCaption = QString::fromUtf8(row.Caption).remove('&');
        action->setToolTip(plainCaption);
        action->setIconText(plainCaption);  // a tool button keeps the caption's dots
        if (*row.Shortcut && !SharesItsKey(row.Name)) action->setShortcut(QKeySequence(QString::fromUtf8(row.Shortcut)));
        action->setEnabled(row.Enabled);
        action->setIcon(toolIcons_->Icon(row.ImageIndex));
        const auto handler = Handlers().find(row.Name);
        if (handler != Handlers().end()) {
            const Handler member = handler->second;
            connect(action, &QAction::triggered, this, [this, member] { (this->*member)(); },
                    RunsAfterItsMenuCloses(row.Name) ? Qt::QueuedConnection : Qt::AutoConnection);
        }
        addAction(action);
        actions_.push_back(action);
        actionsByName_[row.Name] = action;
    }
    auto* f9 = new QShortcut(QKeySequence(Qt::Key_F9), this);
    connect(f9, &QShortcut::activated, this, [this] { F9Pressed(); });
    auto* f8 = new QShortcut(QKeySequence(Qt::Key_F8), this);
    connect(f8, &QShortcut::activated, this, [this] { F8Pressed(); });
}

void TEditorForm::F9Pressed()
{
    TriggerFirstEnabled("Run", "CompileFile");
}

void TEditorForm::F8Pressed()
{
    TriggerFirstEnabled("Stop", "StepOver");
}

void TEditorForm::TriggerFirstEnabled(const char* first, const char* second)
{
    ActionList1Update();
    for (const char* name : {first, second}) {
        if (!Action(name)->isEnabled()) continue;
        Action(name)->trigger();
        return;
    }
}

namespace {

// Adds the named actions; "-" is a separator.
void AddEntries(QWidget& menu, TEditorForm& form, std::initializer_list<const char*> names)
{
    for (const char* name : names) {
        if (std::string(name) == "-") {
            auto* separator = new QAction(&menu);
            separator->setSeparator(true);
            menu.addAction(separator);
        } else {
            menu.addAction(form.Action(name));
        }
    }
}

// A menu entry of its own, not in the action list.
QAction* OwnEntry(QMenu& menu, const QString& caption, const QKeySequence& key, std::function<void()> handler)
{
    QAction* action = menu.addAction(caption);
    if (!key.isEmpty()) action->setShortcut(key);
    QObject::connect(action, &QAction::triggered, &menu, [handler = std::move(handler)] { handler(); });
    return action;
}

}  // namespace

void TEditorForm::BuildMenus()
{
    QMenuBar* bar = menuBar();
    FileMenu = bar->addMenu("&File");
    AddEntries(*FileMenu, *this, {"NewFile", "InsertTemplate", "-", "OpenFile"});
    ReopenMenu = FileMenu->addMenu("Reopen");
    ReopenMenu->menuAction()->setStatusTip("Reopen a recent file");
    AddEntries(*FileMenu, *this, {"-", "SaveFile", "SaveFileAs", "CloseFile", "-", "Print", "-", "Exit"});
    connect(FileMenu, &QMenu::aboutToShow, this, [this] { FileMenuClick(); });

    QMenu* edit = bar->addMenu("&Edit");
    AddEntries(*edit, *this, {"Undo", "-", "Cut", "Copy", "Paste", "-"});
    actionsByName_["SelectAll1"] = OwnEntry(*edit, "Select All", QKeySequence("Ctrl+A"), [this] { SelectAllClick(); });
    AddEntries(*edit, *this, {"-", "FindAndReplace", "FindAgain", "-", "ShowCodeTemplates"});

    QMenu* project = bar->addMenu("&Project");
    AddEntries(*project, *this, {"CompileFile"});
    actionsByName_["Link1"] = OwnEntry(*project, "Link", {}, [this] { Link1Click(); });
    AddEntries(*project, *this, {"-"});
    actionsByName_["Download1"] = OwnEntry(*project, "Download", {}, [this] { Download1Click(); });
    AddEntries(*project, *this,
               {"Program", "-", "Debug", "ResumeDebug", "-", "Identify", "TestCon", "-", "MakeProject",
                "SelectProject", "ProjectOptions", "-", "SaveDesktop", "GlobalOptions"});

    QMenu* debug = bar->addMenu("&Debug");
    AddEntries(*debug, *this,
               {"ToggleBreakpoint", "-", "Run", "Stop", "StepInto", "StepOver", "Reset", "-", "ShowDebugger",
                "ShowMessage", "-", "ExitDebugger"});

    QMenu* help = bar->addMenu("&Help");
    AddEntries(*help, *this, {"OpenHelp", "-", "About"});

    for (QMenu* menu : {FileMenu, edit, project, debug, help})
        connect(menu, &QMenu::aboutToShow, this, [this] { HideTemplateList(); });
}

namespace {

// A tool button whose caption differs from its action's.
QAction* Proxy(QWidget& bar, QAction& target, const QString& caption)
{
    auto* proxy = new QAction(target.icon(), caption, &bar);
    proxy->setIconText(caption);
    proxy->setStatusTip(target.statusTip());
    proxy->setEnabled(target.isEnabled());
    QObject::connect(proxy, &QAction::triggered, &target, &QAction::trigger);
    QObject::connect(&target, &QAction::changed, proxy, [proxy, &target] { proxy->setEnabled(target.isEnabled()); });
    bar.addAction(proxy);
    return proxy;
}

}  // namespace

void TEditorForm::BuildToolBar()
{
    ToolBar3 = new TWrapToolBar(this);
    ToolBar3->setObjectName("ToolBar3");
    ToolBar3->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    AddEntries(*ToolBar3, *this, {"NewFile", "OpenFile", "SaveFile", "SaveAll", "-", "Cut", "Copy", "Paste", "Undo", "-"});
    Proxy(*ToolBar3, *Action("GlobalOptions"), "Options...");
    AddEntries(*ToolBar3, *this, {"-"});
    QAction* reset = ToolBar3->addAction(toolIcons_->Icon(TToolIcons::Reset), "Reset");
    reset->setObjectName("ToolButton1");
    reset->setStatusTip("Reset the Corvane Torve");
    connect(reset, &QAction::triggered, this, [this] { ToolButton1Click(); });
    AddEntries(*ToolBar3, *this, {"CompileFile", "Program", "Debug"});
    Proxy(*ToolBar3, *Action("ResumeDebug"), "Resume");
    AddEntries(*ToolBar3, *this, {"-", "OpenHelp"});
}

void TEditorForm::BuildTabMenu()
{
    TabMenu = new QMenu(this);
    AddEntries(*TabMenu, *this,
               {"OpenClass", "-", "Cut", "Copy", "Paste", "Undo", "-", "CompileFile", "Debug", "Program", "-",
                "ShowCodeTemplates", "-", "MakeProject", "SelectProject", "ProjectOptions", "-", "CloseFile"});
}

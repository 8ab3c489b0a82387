// Commands that read or write the settings: the recent-file list and the
// Reopen menu, Save Desktop and Help.
#include <QAction>
#include <QMenu>

#include "debugger/qt/DataViewForm.h"
#include "editor/support/ShownText.h"
#include "foundation/Settings.h"
#include "ide/EditorForm.h"
#include "ide/terminal/MessageForm.h"
#include "ide/OptionsDialogs.h"
#include "ide/OptionsForm.h"
#include "platform/ProgramDir.h"

void TEditorForm::AddToRecentPath(const std::string& path)
{
    if (!path.empty()) {
        auto found = std::find(Recent.begin(), Recent.end(), path);
        if (found == Recent.end()) found = Recent.end() - 1;
        std::move_backward(Recent.begin(), found, found + 1);
        Recent[0] = path;
    }
    SaveSettings();
}

void TEditorForm::FileMenuClick()
{
    ReopenMenu->clear();
    for (int slot = 0; slot < RecentSlots; ++slot) {
        if (Recent[slot].empty()) continue;
        QAction* item = ReopenMenu->addAction(QString::fromStdString(ShownText(Recent[slot])));
        connect(item, &QAction::triggered, this, [this, slot] { ReopenSubClick(slot); });
    }
}

void TEditorForm::ReopenSubClick(int slot)
{
    if (slot < 0 || slot >= RecentSlots || Recent[slot].empty()) return;
    const std::string path = Recent[slot];
    CloseLoneUntitledPage();
    Guarded([&] { OpenSourceFile(path); });
}

bool TEditorForm::SaveDesktop()
{
    TWindowLayout layout = WindowLayout;
    const QRect frame = frameGeometry();
    layout.Main = {frame.left(), frame.top(), frame.width(), frame.height()};
    const QRect debug = DataView()->frameGeometry();
    layout.Debug = {debug.left(), debug.top(), debug.width(), debug.height()};
    const QRect terminal = MessageForm().frameGeometry();
    layout.Terminal = {terminal.left(), terminal.top(), terminal.width(), terminal.height()};
    return SaveWindowLayout(layout);
}

void TEditorForm::SaveDesktopExecute()
{
    if (!SaveDesktop()) ReportSettingsWriteFailure();
}

TOptionsForm& TEditorForm::OptionsForm()
{
    if (!optionsDialogs_)
        optionsDialogs_ = std::make_unique<TQtOptionsDialogs>(this, [this] { return SaveDesktop(); });
    if (!optionsForm_) optionsForm_ = std::make_unique<TOptionsForm>(GlobalOptions, *optionsDialogs_, this);
    return *optionsForm_;
}

void TEditorForm::SetOptionsDialogs(std::unique_ptr<IOptionsDialogs> dialogs)
{
    optionsForm_.reset();
    optionsDialogs_ = std::move(dialogs);
}

void TEditorForm::GlobalOptionsExecute()
{
    TOptionsForm& form = OptionsForm();
    form.FormShow();
    Dialogs().ExecModal(form);
}

void TEditorForm::OpenHelpExecute()
{
    ShowHelp(ProgramDirectory() + "/doc/Corvane.chm");
}

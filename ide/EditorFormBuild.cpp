// Compiling a page, the message list's double click, Link, Reset, Test
// Connection and the about box.
#include <QListWidget>
#include <QLabel>
#include <cstdio>

#include "devicelink/SXComm.h"
#include "foundation/EError.h"
#include "foundation/ProjectOptions.h"
#include "ide/EditorForm.h"
#include "ide/ErrorWindow.h"
#include "ide/FileChecks.h"
#include "ide/SettingsBridge.h"
#include "ide/SplashForm.h"
#include "ide/ZARNSource.h"
#include "ide/pipeline/ComLevelScope.h"
#include "ide/pipeline/CompileFile.h"
#include "ide/pipeline/LinkSource.h"
#include "linker/ORULinker.h"

namespace {

constexpr int kCompilePanel = 3;

}  // namespace

std::string TEditorForm::PageClassPath(const CZARNSource& page)
{
    const TProjectOptions* project = page.Project();
    return project && !project->Classpath.empty() ? project->Classpath : GlobalClassPath();
}

void TEditorForm::InitBuild()
{
    connect(StatusList, &QListWidget::itemDoubleClicked, this, [this] { StatusListDblClick(); });
}

bool TEditorForm::CompileSource(CZARNSource& page)
{
    // A failed compile must not leave an earlier success on show.
    StatusPanels[kCompilePanel]->clear();
    try {
        SaveAllExecute();
    } catch (const EError& error) {
        error.Report();
        return true;
    }
    const bool failed = CompileFile(page.FilePath(), PageClassPath(page), compilerTimeLimit_);
    if (StatusList->count() > 0) StatusList->setCurrentRow(0);
    if (!failed) StatusPanels[kCompilePanel]->setText("Compile Successful");
    return failed;
}

void TEditorForm::StatusListDblClick()
{
    const QList<QListWidgetItem*> selected = StatusList->selectedItems();
    if (selected.isEmpty()) return;
    const TLinInfo* info = TMessageList::LineInfo(selected.front());
    if (!info) return;
    if (info->IsSourcePosition) {
        GotoLine(*info);
        return;
    }
    TErrorWindow window(this);
    window.ShowCode(info->Category, info->Number);
    Dialogs().ExecModal(window);
}

void TEditorForm::GotoLine(const TLinInfo& position)
{
    try {
        OpenSourceFile(position.FileName);
    } catch (const EError&) {
    }
    // A file that could not be opened leaves another page current: stop.
    CZARNSource* page = currentEditor_;
    if (!page || page->FilePath() != CanonicalPath(position.FileName)) return;
    page->GotoLineAndCenter(position.StartLine);
    const TBufferCoord start = BufferCoord(position.StartColumn, position.StartLine);
    page->SetCaretAndSelection(start, start, BufferCoord(position.EndColumn + 1, position.EndLine));
    page->setFocus();
}

std::unique_ptr<CORULinker> TEditorForm::LinkSource(CZARNSource& page)
{
    std::unique_ptr<CORULinker> linker = LinkTarget(LinkTargetOf(page.FilePath(), PageClassPath(page)));
    modified_ = false;
    ModifiedSinceDownload = false;
    return linker;
}

void TEditorForm::Link1Click()
{
    if (!currentEditor_ || !WaitForWorker()) return;
    // The session's linker goes: ask first.
    if (!ConfirmAbortDebug()) return;
    ClearMessages();
    Guarded([this] {
        SetLinker(nullptr);
        CZARNSource& page = *currentEditor_;
        SaveSource(page);
        if (!IsNamed(page)) throw EError(ecIDE, 5);
        if (CompileSource(page)) return;
        SetLinker(LinkSource(page));
    });
}

void TEditorForm::Download1Click() {}

void TEditorForm::TestConExecute()
{
    // Two users of one port spoil a download: a running worker ends first.
    if (!WaitForWorkerShowingBusy() || !ConfirmAbortDebug()) return;
    ClearMessages();
    TComLevelScope traceCommands(1);
    std::string found;
    try {
        SetJVM(std::make_unique<TSXComm>(DebugPort, LinkHost(), clock_));
        JVM()->Connect();
        char text[64];
        std::snprintf(text, sizeof text, "Corvane found on COM%d.", DebugPort.ComPort() + 1);
        found = text;
    } catch (const EError& error) {
        error.Report();
    }
    SetJVM(nullptr);
    Dialogs().MessageBox(found.empty() ? "Corvane not found on any port." : found, "Information", TBoxButtons::Ok,
                         TBoxIcon::Information);
}

void TEditorForm::AboutExecute()
{
    TSplashForm box(this);
    Dialogs().ExecModal(box);
}

void TEditorForm::About1Click()
{
    AboutExecute();
}

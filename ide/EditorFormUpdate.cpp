// The rules that enable the actions and fill the status bar.
#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QStatusTipEvent>
#include <algorithm>

#include "debugger/DebugSession.h"
#include "devicelink/SXComm.h"
#include "ide/EditorForm.h"
#include "ide/ZARNSource.h"
#include "ide/ZARNTabControl.h"

namespace {

void Enable(QAction* action, bool on)
{
    if (action->isEnabled() != on) action->setEnabled(on);
}

void SetPanel(QLabel* panel, const QString& text)
{
    if (panel->text() != text) panel->setText(text);
}

// The panel keeps its width unless its text, with a blank on either side,
// needs more.
void FitPanel(QLabel* panel, int width)
{
    const QFontMetrics metrics = panel->fontMetrics();
    const int frame = panel->width() - panel->contentsRect().width() + 2 * panel->margin();
    width = std::max(width, metrics.horizontalAdvance(panel->text() + "  ") + frame);
    if (panel->minimumWidth() != width) panel->setFixedWidth(width);
}

}  // namespace

void TEditorForm::ActionList1Update()
{
    CZARNSource* page = currentEditor_;
    const bool pageModified = page && page->Modified();
    const bool hasProject = page && page->Project();

    Enable(Action("MakeProject"), PageCount() == 0 || (page && IsNamed(*page) && !hasProject));
    Enable(Action("SelectProject"), hasProject);
    Enable(Action("ProjectOptions"), selectedProject_ != nullptr);

    modified_ = false;
    for (int i = 0; i < PageCount() && !modified_; ++i) modified_ = SourceAt(i)->Modified();

    UpdateDebugActions();
    Enable(Action("ShowDebugger"), Debugging());
    Enable(Action("ShowMessage"), true);
    Enable(Action("SaveFileAs"), true);
    Enable(Action("ExitDebugger"), JVM() != nullptr);
    Enable(Action("SaveFile"), pageModified);
    Enable(Action("SaveAll"), modified_);
    UpdateStatusPanels(pageModified);
}

void TEditorForm::UpdateDebugActions()
{
    const bool session = Debugging() && JVM();
    const bool moving = session && (session_->Jogging() || JVM()->IsRunning());
    const bool stopped = session && !moving;
    for (const char* name : {"Run", "StepInto", "StepOver", "JogInto"}) Enable(Action(name), stopped);
    Enable(Action("Reset"), session);
    Enable(Action("Stop"), moving);
}

// Panel 1 tells "Read only" or "Modified", panel 2 the insert mode when
// panel 1 is empty.
void TEditorForm::UpdateStatusPanels(bool saveEnabled)
{
    CZARNSource* page = currentEditor_;
    QString state;
    QString mode;
    if (page && page->ReadOnly())
        state = "Read only";
    else if (saveEnabled)
        state = "Modified";
    else
        mode = page && !page->InsertMode() ? "Overwrite" : "Insert";
    SetPanel(StatusPanels[1], state);
    SetPanel(StatusPanels[2], mode);
    SetPanel(StatusPanels[0], page ? QString("%1 : %2").arg(page->CaretX()).arg(page->CaretY()) : QString());
    FitPanel(StatusPanels[0], StatusPanelWidths[0]);
}

std::string TEditorForm::PanelText(int i) const
{
    return StatusPanels[i]->text().toStdString();
}

void TEditorForm::AppHint(const std::string& hint)
{
    SetPanel(StatusPanels[3], QString::fromStdString(hint));
}

bool TEditorForm::event(QEvent* event)
{
    if (event->type() == QEvent::StatusTip) {
        AppHint(static_cast<QStatusTipEvent*>(event)->tip().toStdString());
        return true;
    }
    return QMainWindow::event(event);
}

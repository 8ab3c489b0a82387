// The edit commands, compiling the current file and closing the window.
#include <QCloseEvent>
#include <QListWidget>

#include "foundation/EError.h"
#include "ide/EditorForm.h"
#include "ide/ZARNSource.h"

// The commands that change the text leave a read-only page as it is.
void TEditorForm::CutExecute()
{
    if (CZARNSource* page = EditablePage()) page->CutToClipboard();
}

void TEditorForm::CopyExecute()
{
    if (currentEditor_) currentEditor_->CopyToClipboard();
}

void TEditorForm::PasteExecute()
{
    if (CZARNSource* page = EditablePage()) page->PasteFromClipboard();
}

void TEditorForm::UndoExecute()
{
    if (CZARNSource* page = EditablePage()) page->Undo();
}

// The whole text in every mode: a column block from the first to the last
// line's end would leave the longer lines' ends out.
void TEditorForm::SelectAllClick()
{
    if (!currentEditor_) return;
    currentEditor_->SelectAll();
    if (currentEditor_->SelectionMode() == smColumn) currentEditor_->SetActiveSelectionMode(smNormal);
}

void TEditorForm::CompileFileExecute()
{
    if (!currentEditor_) return;
    ClearMessages();
    Guarded([this] {
        CZARNSource& page = *currentEditor_;
        SaveSource(page);
        if (!IsNamed(page)) throw EError(ecIDE, 5);
        CompileSource(page);
    });
}

void TEditorForm::ExitExecute()
{
    close();
}

bool TEditorForm::FormCloseQuery()
{
    while (PageCount() > 0)
        if (!CloseSourcePage(0)) return false;
    return true;
}

void TEditorForm::closeEvent(QCloseEvent* event)
{
    // The worker goes before any window; from inside one of its calls the
    // window stays.
    if (!CancelWorker()) {
        event->ignore();
        return;
    }
    if (FormCloseQuery())
        event->accept();
    else
        event->ignore();
}

// The edit commands, compiling the current file and closing the window.
#include <QCloseEvent>
#include <QListWidget>

#include "foundation/EError.h"
#include "ide/EditorForm.h"
#include "ide/ZARNSource.h"

// Cut, Copy, Paste and Undo reach the control's clipboard and undo methods
// once the control has them; until then they leave the page as it is.
void TEditorForm::CutExecute()
{
    if (!currentEditor_) return;
}

void TEditorForm::CopyExecute()
{
    if (!currentEditor_) return;
}

void TEditorForm::PasteExecute()
{
    if (!currentEditor_) return;
}

void TEditorForm::UndoExecute()
{
    if (!currentEditor_) return;
}

void TEditorForm::SelectAllClick()
{
    if (currentEditor_) currentEditor_->SelectAll();
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

void TEditorForm::ShowMessageExecute()
{
    if (!JVM()) VirtualProgramExecute();
    // The terminal window shows itself here once it exists.
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

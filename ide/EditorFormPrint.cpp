// The Print command.
#include "ide/EditorForm.h"
#include "ide/EditorPrinting.h"

void TEditorForm::PrintExecute()
{
    if (!currentEditor_) return;
    printing_->PrintPage(*currentEditor_, this);
}

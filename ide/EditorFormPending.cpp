// Command handlers whose behaviour belongs to code templates, find and
// replace, the options, identify and printing. Until those are built, the
// commands do nothing.
#include "ide/EditorForm.h"

void TEditorForm::InsertTemplateExecute() {}
void TEditorForm::FindAndReplaceExecute() {}
void TEditorForm::FindAgainExecute() {}
void TEditorForm::PrintExecute() {}
void TEditorForm::GlobalOptionsExecute() {}
void TEditorForm::ShowCodeTemplatesExecute() {}
void TEditorForm::IdentifyExecute() {}
void TEditorForm::HideTemplateList() {}

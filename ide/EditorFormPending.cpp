// Command handlers whose behaviour belongs to the build, the debugger, code
// templates, find and replace, the options, identify, about and printing.
// Until those are built, the commands do nothing.
#include "ide/EditorForm.h"

void TEditorForm::RunButtonClick() {}
void TEditorForm::StopExecute() {}
void TEditorForm::StepButtonClick() {}
void TEditorForm::StepOverExecute() {}
void TEditorForm::ToggleBreakpointExecute() {}
void TEditorForm::DebugExecute() {}
void TEditorForm::InsertTemplateExecute() {}
void TEditorForm::ResetExecute() {}
void TEditorForm::FindAndReplaceExecute() {}
void TEditorForm::FindAgainExecute() {}
void TEditorForm::ResumeDebugExecute() {}
void TEditorForm::GlobalOptionsExecute() {}
void TEditorForm::ShowCodeTemplatesExecute() {}
void TEditorForm::ExitDebuggerExecute() {}
void TEditorForm::JogIntoExecute() {}
void TEditorForm::HideTemplateList() {}
void TEditorForm::JogTimerTimer() {}
void TEditorForm::StartDebug() {}
void TEditorForm::ShowDebuggerExecute() {}

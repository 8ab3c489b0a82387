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
void TEditorForm::ResetExecute() {}
void TEditorForm::ResumeDebugExecute() {}
void TEditorForm::ExitDebuggerExecute() {}
void TEditorForm::JogIntoExecute() {}
void TEditorForm::JogTimerTimer() {}
void TEditorForm::StartDebug() {}
void TEditorForm::ShowDebuggerExecute() {}

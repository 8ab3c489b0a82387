// Command handlers whose behaviour belongs to the build, the debugger, code
// templates, find and replace, the options, identify, about and printing.
// Until those are built, the commands do nothing.
#include "ide/EditorForm.h"

void TEditorForm::RunButtonClick() {}
void TEditorForm::StopExecute() {}
void TEditorForm::StepButtonClick() {}
void TEditorForm::StepOverExecute() {}
void TEditorForm::AboutExecute() {}
void TEditorForm::About1Click() {}
void TEditorForm::ToggleBreakpointExecute() {}
void TEditorForm::DebugExecute() {}
void TEditorForm::ResetExecute() {}
void TEditorForm::ResumeDebugExecute() {}
void TEditorForm::PrintExecute() {}
void TEditorForm::ProgramExecute() {}
void TEditorForm::TestConExecute() {}
void TEditorForm::ExitDebuggerExecute() {}
void TEditorForm::IdentifyExecute() {}
void TEditorForm::JogIntoExecute() {}
void TEditorForm::ToolButton1Click() {}
void TEditorForm::Link1Click() {}
void TEditorForm::Download1Click() {}
void TEditorForm::JogTimerTimer() {}
void TEditorForm::VirtualProgramExecute() {}
void TEditorForm::CompileSource(CZARNSource&) {}
void TEditorForm::ShowDebuggerExecute() {}

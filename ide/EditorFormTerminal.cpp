// The terminal window and the identify window as the main window uses them.
#include "devicelink/SXComm.h"
#include "ide/EditorDialogs.h"
#include "ide/EditorForm.h"
#include "ide/dialogs/IdentifyForm.h"
#include "ide/terminal/MessageForm.h"

void TEditorForm::InitTerminal()
{
    messageForm_ = std::make_unique<TMessageForm>();
    messageForm_->SetLinkSource([this] { return JVM(); });
    messageForm_->SetToolIcons(*toolIcons_);
}

std::string TEditorForm::TerminalText() const { return messageForm_->Screen().DisplayBytes(); }

void TEditorForm::AddText(const char* text) { messageForm_->AddText(text); }

void TEditorForm::SendFileFinished() { messageForm_->SendFileFinished(); }

void TEditorForm::ShowMessageExecute()
{
    if (!JVM()) VirtualProgramExecute();
    messageForm_->show();
    messageForm_->raise();
}

void TEditorForm::IdentifyExecute()
{
    // The download ends first; its new link is only closed when the user agrees.
    if (!WaitForWorkerShowingBusy() || !ConfirmAbortDebug()) return;
    if (JVM()) JVM()->Close();
    TIdentifyForm identify(this);
    identify.SetPort(&DebugPort);
    dialogs_->ExecModal(identify);
}
void TEditorForm::HideTerminal() { messageForm_->hide(); }

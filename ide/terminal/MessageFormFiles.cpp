// Save Display, the log of received text and the file sent as input.
#include <QAction>
#include <QLineEdit>

#include "devicelink/LinkCodes.h"
#include "devicelink/SXComm.h"
#include "foundation/EError.h"
#include "ide/terminal/MessageForm.h"
#include "ide/terminal/TerminalDialogs.h"
#include "ide/terminal/TerminalFiles.h"
#include "platform/FileError.h"
#include "platform/FileIO.h"

void TMessageForm::ToolButton5Click()
{
    const std::optional<std::string> name = dialogs_->SaveFileName();
    if (!name) return;
    if (RefusedTerminalFileName(*name)) return RefuseWrite();
    try {
        WriteFileAtomically(*name, screen_->DisplayBytes());
    } catch (const EFileError&) {
        RefuseWrite();
    }
}

void TMessageForm::ToolButton6Click()
{
    if (logFile_) return StopLog();
    if (!Link()) return;
    const std::optional<std::string> name = dialogs_->SaveFileName();
    if (!name) return;
    logFile_ = OpenTerminalFile(*name, "wb");
    if (!logFile_) return RefuseWrite();
    ToolButton6->setText("Stop Log");
}

void TMessageForm::StopLog(bool failed)
{
    const bool written = std::fclose(logFile_) == 0;
    logFile_ = nullptr;
    ToolButton6->setText("Start Log");
    if (failed || !written) RefuseWrite();
}

void TMessageForm::RefuseWrite()
{
    ToolButton6->setText(logFile_ ? "Stop Log" : "Start Log");
    dialogs_->ErrorBox("Unable to write file", "Error");
}

// A failed write (a full disk) ends the log once.
void TMessageForm::WriteLog(const char* data, size_t size)
{
    if (logFile_ && std::fwrite(data, 1, size, logFile_) != size) StopLog(true);
}

void TMessageForm::FlushLog()
{
    if (logFile_ && std::fflush(logFile_) != 0) StopLog(true);
}

void TMessageForm::ToolButton7Click()
{
    if (sendFile_) return SendFileFinished();
    TSXComm* link = Link();
    if (!link) return;
    const std::optional<std::string> name = dialogs_->OpenFileName();
    if (!name) return;
    sendFile_ = OpenTerminalFile(*name, "rb");
    if (!sendFile_) {
        dialogs_->ErrorBox("Unable to read file", "Error");
        return SendFileFinished();
    }
    SendText->clear();
    SendText->setEnabled(false);
    Edit1->setEnabled(false);
    ToolButton7->setText("Stop Send");
    try {
        link->TransmitByte(kComNoInput);
        link->SetSendFile(&sendFile_);
    } catch (const EError& e) {
        e.Report();
        SendFileFinished();
    }
}

void TMessageForm::SendFileFinished()
{
    if (sendFile_) std::fclose(sendFile_);
    sendFile_ = nullptr;
    ToolButton7->setText("Start Send");
    SendText->setEnabled(true);
    Edit1->setEnabled(true);
    TSXComm* link = Link();
    if (!link) return;
    try {
        link->TransmitByte(kComNoInput);
    } catch (const EError& e) {
        e.Report();
    }
}

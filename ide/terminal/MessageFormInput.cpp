// Keys and lines typed for the module's input requests.
#include <QLineEdit>

#include "devicelink/LinkCodes.h"
#include "devicelink/SXComm.h"
#include "editor/qt/QtText.h"
#include "foundation/EError.h"
#include "ide/terminal/MessageForm.h"

void TMessageForm::StartInput(TSXComm& link)
{
    if (inputStarted_) return;
    inputStarted_ = true;
    try {
        link.TransmitByte(kComNoInput);
    } catch (const EError& e) {
        e.Report();
    }
}

// Queues the bytes, carriage returns as line feeds. A full queue is reported
// and the rest dropped; what is queued stays.
bool TMessageForm::QueueBytes(TSXComm& link, const std::string& bytes)
{
    try {
        for (const char c : bytes) link.QueueTerminalByte(c == '\r' ? '\n' : uint8_t(c));
    } catch (const EError& e) {
        e.Report();
        return false;
    }
    return true;
}

void TMessageForm::SendKeyHit(const std::string& key)
{
    if (TSXComm* link = Link()) {
        StartInput(*link);
        QueueBytes(*link, key);
    }
    Edit1->clear();
}

void TMessageForm::SendTextKeyPress(const std::string& key)
{
    TSXComm* link = Link();
    if (link) StartInput(*link);
    if (key != "\r") return;
    if (link) QueueBytes(*link, QStringToCp1252(SendText->text()) + "\r");
    SendText->clear();
}

// Terminal input: the module asks for one byte at a time; it gets a typed
// key, the next byte of a file being sent, or word that none is there.
#include <cstring>

#include "devicelink/LinkCodes.h"
#include "devicelink/SXComm.h"
#include "foundation/EError.h"

void TSXComm::SendTerminalInput()
{
    if (keyCount_ > 0) {
        TransmitByte(kComInputByte);
        TransmitByte(keyQueue_[0]);
        --keyCount_;
        std::memmove(keyQueue_, keyQueue_ + 1, size_t(keyCount_));
        return;
    }
    if (sendFile_) return SendFileInput();
    TransmitByte(kComNoInput);
}

void TSXComm::SendFileInput()
{
    // The terminal stopped the send and closed its file: forget it and answer,
    // so that the module is never left waiting.
    if (!*sendFile_) {
        sendFile_ = nullptr;
        TransmitByte(kComNoInput);
        return;
    }
    const int byte = std::fgetc(*sendFile_);
    if (byte != EOF) {
        TransmitByte(kComInputByte);
        TransmitByte(uint8_t(byte));
        return;
    }
    // The terminal closes the file and sends kComNoInput itself.
    host_.SendFileFinished();
    sendFile_ = nullptr;
    TransmitByte(kComNoInput);
}

void TSXComm::QueueTerminalByte(uint8_t byte)
{
    if (keyCount_ >= KeyQueueCapacity) throw EError(ecIDE, 53);
    keyQueue_[keyCount_++] = byte;
}

#pragma once
#include <cstdint>
#include <cstdio>
#include <string>

#include "devicelink/LinkImage.h"

// What the module link reaches outside itself: the link worker, the main
// window's debug session, the terminal window and the batch run. The IDE
// supplies one; tests supply their own. Calls come on the GUI thread, or on
// the link worker's thread while it connects, downloads and resets.
class ILinkHost {
public:
    virtual ~ILinkHost() = default;

    // --- the link worker
    // True while a link worker exists.
    virtual bool HasLinkWorker() = 0;
    // Raises IDE-45 when the link worker was asked to stop. Called on every
    // turn of a wait while a worker exists.
    virtual void CheckCancel() = 0;
    // A wait of the link goes on: called on every turn of it that blocks,
    // on the waiting thread, with the milliseconds the wait has lasted.
    virtual void LinkWaiting(int64_t /*waitedMs*/) {}
    // Progress of a download, in image blocks; only while a worker exists.
    virtual void SetProgressMax(int32_t blocks) = 0;
    virtual void SetProgress(int32_t block) = 0;

    // --- the main window and its debug session
    // Ends jogging; runs on the GUI thread (from another thread it waits until
    // the GUI thread has run it).
    virtual void StopJog() = 0;
    // The image of the main window's current linker, or null.
    virtual const ILinkImage* CurrentImage() = 0;
    // The mnemonic of a module opcode (an image byte), for an unknown bytecode's report.
    virtual std::string OpcodeName(uint8_t imageByte) = 0;
    // True while a debug session is active.
    virtual bool Debugging() = 0;
    // Refreshes the debug display: queries the status through the link and
    // shows the current line. Raises EError.
    virtual void UpdateDebug() = 0;
    // A stop or end message (or an unknown bytecode) ended a run.
    virtual void RunStopped() {}
    // Ends the debug session, which deletes this link and the linker. Called
    // from inside the link while it handles received bytes: the host must end
    // the session only after the current command or poll has returned (queued
    // to the GUI thread's event loop), never within this call.
    virtual void EndDebug() = 0;

    // --- the terminal window
    // Text the program sent, for the terminal screen.
    virtual void AddText(const char* text) = 0;
    // A file send reached its end: the terminal closes the file, clears its
    // variable and sends kComNoInput through the link.
    virtual void SendFileFinished() = 0;

    // --- the batch test run
    // The open batch log, or null.
    virtual FILE* TestLogFile() = 0;
    // Ends the application once control is back in its event loop.
    virtual void Terminate() = 0;
};

// No worker, no session, no terminal: every call does nothing; an opcode is
// named by its number.
class NullLinkHost : public ILinkHost {
public:
    bool HasLinkWorker() override { return false; }
    void CheckCancel() override {}
    void SetProgressMax(int32_t) override {}
    void SetProgress(int32_t) override {}
    void StopJog() override {}
    const ILinkImage* CurrentImage() override { return nullptr; }
    std::string OpcodeName(uint8_t imageByte) override { return std::to_string(imageByte); }
    bool Debugging() override { return false; }
    void UpdateDebug() override {}
    void EndDebug() override {}
    void AddText(const char*) override {}
    void SendFileFinished() override {}
    FILE* TestLogFile() override { return nullptr; }
    void Terminate() override {}
};

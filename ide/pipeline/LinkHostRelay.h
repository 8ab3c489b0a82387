#pragma once
#include <functional>

#include "devicelink/LinkHost.h"

class LinkThread;

// The host of the links that the main window makes: calls that touch the
// GUI and come from the link worker run on the GUI thread through a
// synchronised call, in order with the worker's message lines; the rest go
// straight to the window.
class TLinkHostRelay : public ILinkHost {
public:
    TLinkHostRelay(ILinkHost& window, std::function<LinkThread*()> worker);

    bool HasLinkWorker() override { return window_.HasLinkWorker(); }
    void CheckCancel() override { window_.CheckCancel(); }
    // The progress window shows the worker's waits; the window, its own.
    void LinkWaiting(int64_t waitedMs) override;
    void SetProgressMax(int32_t blocks) override { window_.SetProgressMax(blocks); }
    void SetProgress(int32_t block) override { window_.SetProgress(block); }
    void StopJog() override;
    const ILinkImage* CurrentImage() override { return window_.CurrentImage(); }
    std::string OpcodeName(uint8_t imageByte) override { return window_.OpcodeName(imageByte); }
    bool Debugging() override { return window_.Debugging(); }
    void UpdateDebug() override;
    void RunStopped() override;
    void EndDebug() override { window_.EndDebug(); }
    void AddText(const char* text) override;
    void SendFileFinished() override;
    FILE* TestLogFile() override { return window_.TestLogFile(); }
    void Terminate() override { window_.Terminate(); }

private:
    bool OnWorkerThread() const;
    void OnGuiThread(const std::function<void()>& call);

    ILinkHost& window_;
    std::function<LinkThread*()> worker_;
};

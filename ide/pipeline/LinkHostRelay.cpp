#include "ide/pipeline/LinkHostRelay.h"

#include "ide/pipeline/LinkThread.h"

TLinkHostRelay::TLinkHostRelay(ILinkHost& window, std::function<LinkThread*()> worker)
    : window_(window), worker_(std::move(worker))
{
}

bool TLinkHostRelay::OnWorkerThread() const
{
    LinkThread* worker = worker_();
    return worker && QThread::currentThread() == worker;
}

void TLinkHostRelay::OnGuiThread(const std::function<void()>& call)
{
    LinkThread* worker = worker_();
    if (worker && QThread::currentThread() == worker)
        worker->Synchronize(call);
    else
        call();
}

void TLinkHostRelay::LinkWaiting(int64_t waitedMs)
{
    if (!OnWorkerThread()) window_.LinkWaiting(waitedMs);
}

void TLinkHostRelay::StopJog()
{
    OnGuiThread([this] { window_.StopJog(); });
}

void TLinkHostRelay::UpdateDebug()
{
    OnGuiThread([this] { window_.UpdateDebug(); });
}

void TLinkHostRelay::RunStopped()
{
    OnGuiThread([this] { window_.RunStopped(); });
}

void TLinkHostRelay::AddText(const char* text)
{
    OnGuiThread([this, text] { window_.AddText(text); });
}

void TLinkHostRelay::SendFileFinished()
{
    OnGuiThread([this] { window_.SendFileFinished(); });
}

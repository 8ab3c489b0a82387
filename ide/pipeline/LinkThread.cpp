#include "ide/pipeline/LinkThread.h"

#include "foundation/EError.h"
#include "foundation/Options.h"

using namespace std::chrono_literals;

LinkThread::LinkThread(Body body, std::function<void()> deliverLines)
    : body_(std::move(body)), deliverLines_(std::move(deliverLines))
{
}

LinkThread::~LinkThread()
{
    // The owner waits with WaitFor first; this only covers a body that never ran.
    if (isRunning()) {
        Terminate();
        WaitFor();
    }
}

void LinkThread::Start(int mode, bool debug, bool skipDownload)
{
    mode_ = mode;
    debug_ = debug;
    skipDownload_ = skipDownload;
    options_ = std::make_unique<tOptions>(GlobalOptions);
    start();
}

void LinkThread::CheckCancel() const
{
    if (terminated_) throw EError(ecIDE, 45);
}

void LinkThread::run()
{
    try {
        TJobOptionsScope options(*options_);
        body_(*this);
    } catch (...) {
        ReportCurrentError();
    }
    std::lock_guard lock(mutex_);
    ended_ = true;
    changed_.notify_all();
}

bool LinkThread::Ended() const
{
    std::lock_guard lock(mutex_);
    return ended_;
}

void LinkThread::Synchronize(const std::function<void()>& call)
{
    if (QThread::currentThread() != this) {
        call();
        return;
    }
    std::unique_lock lock(mutex_);
    pending_ = &call;
    pendingDone_ = false;
    pendingError_ = nullptr;
    QMetaObject::invokeMethod(this, [this] { RunPendingCall(); }, Qt::QueuedConnection);
    changed_.notify_all();
    changed_.wait(lock, [this] { return pendingDone_; });
    pending_ = nullptr;
    if (pendingError_) std::rethrow_exception(std::exchange(pendingError_, nullptr));
}

void LinkThread::RunPendingCall()
{
    // Lines the worker wrote before the call come first.
    if (deliverLines_) deliverLines_();
    const std::function<void()>* call = nullptr;
    {
        std::lock_guard lock(mutex_);
        if (!pending_ || pendingDone_ || calling_) return;
        call = pending_;
        calling_ = true;
    }
    std::exception_ptr error;
    try {
        (*call)();
    } catch (...) {
        error = std::current_exception();
    }
    std::lock_guard lock(mutex_);
    calling_ = false;
    pendingError_ = error;
    pendingDone_ = true;
    changed_.notify_all();
}

bool LinkThread::CallInProgress() const
{
    std::lock_guard lock(mutex_);
    return calling_;
}

void LinkThread::WaitFor()
{
    for (;;) {
        RunPendingCall();
        std::unique_lock lock(mutex_);
        if (ended_) break;
        changed_.wait_for(lock, 50ms, [this] { return ended_ || (pending_ && !pendingDone_); });
    }
    wait();
    if (deliverLines_) deliverLines_();
}

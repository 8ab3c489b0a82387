#pragma once
#include <QThread>
#include <atomic>
#include <condition_variable>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>

struct tOptions;

// The one worker of a build: runs its body on its own thread. The GUI thread
// owns it and deletes it once it has finished. The body reaches the GUI only
// through Synchronize, whose calls run on the GUI thread in order with the
// message lines the worker wrote before them.
class LinkThread : public QThread {
public:
    using Body = std::function<void(LinkThread&)>;

    // `deliverLines` hands the worker's waiting message lines to the list
    // (GUI thread).
    LinkThread(Body body, std::function<void()> deliverLines);
    ~LinkThread() override;

    // Stores the job's settings, with a copy of GlobalOptions that the body
    // reads as JobOptions, and starts the thread.
    void Start(int mode, bool debug, bool skipDownload);
    int Mode() const { return mode_; }
    bool Debug() const { return debug_; }
    bool SkipDownload() const { return skipDownload_; }

    // Asks the worker to stop; CheckCancel raises IDE-45 from then on.
    void Terminate() { terminated_ = true; }
    bool Terminated() const { return terminated_; }
    void CheckCancel() const;

    // Runs `call` on the GUI thread and waits for it; an exception it throws
    // comes back to the caller. On the GUI thread it simply runs `call`.
    void Synchronize(const std::function<void()>& call);

    // GUI thread: runs the worker's synchronised calls and delivers its lines,
    // and nothing else, until the body has ended.
    void WaitFor();
    bool Ended() const;
    // True while the GUI thread runs one of the worker's calls: from inside
    // one (a dialog's event loop) the worker cannot be waited for.
    bool CallInProgress() const;

protected:
    void run() override;

private:
    void RunPendingCall();

    Body body_;
    std::function<void()> deliverLines_;
    int mode_ = 0;
    bool debug_ = false;
    bool skipDownload_ = false;
    std::unique_ptr<tOptions> options_;
    std::atomic<bool> terminated_{false};

    mutable std::mutex mutex_;
    std::condition_variable changed_;
    const std::function<void()>* pending_ = nullptr;
    std::exception_ptr pendingError_;
    bool pendingDone_ = false;
    bool calling_ = false;
    bool ended_ = false;
};

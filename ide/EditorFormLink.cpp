// The build commands and the link worker: Program, Messages (connect), the
// worker's body and its two jobs, the progress window and the link host.
#include <QApplication>
#include <QListWidget>
#include <QProgressBar>
#include <QSplitter>

#include "debugger/DebugSession.h"
#include "devicelink/LinkCodes.h"
#include "devicelink/SXComm.h"
#include "foundation/EError.h"
#include "ide/BusyCursor.h"
#include "ide/EditorForm.h"
#include "ide/pipeline/LinkHostRelay.h"
#include "ide/pipeline/LinkSource.h"
#include "ide/pipeline/LinkThread.h"
#include "ide/terminal/MessageForm.h"
#include "ide/ProgressForm.h"
#include "ide/ZARNSource.h"
#include "linker/ORULinker.h"

namespace {

constexpr int kCollapsedPanel = 19;
constexpr int kMaxWaitingChunks = 64;

}  // namespace

// --- commands

void TEditorForm::ProgramExecute()
{
    StartBuildJob(false, false);
}

// Compiles the page (a resumed session keeps the file as saved) and starts
// the download job.
void TEditorForm::StartBuildJob(bool debug, bool resume)
{
    if (!currentEditor_) return;
    Guarded([this, debug, resume] {
        ClearMessages();
        if (selectedProject_) OpenSourceFile(selectedProject_->FilePath());
        if (!currentEditor_) return;
        CZARNSource& page = *currentEditor_;
        if (!resume) {
            SaveSource(page);
            if (!IsNamed(page)) throw EError(ecIDE, 5);
        }
        if (CompileSource(page)) return;
        StartWorker(0, debug, resume);
    });
}

void TEditorForm::VirtualProgramExecute()
{
    ClearMessages();
    if (!currentEditor_) return;
    Guarded([this] { StartWorker(1, false, false); });
}

void TEditorForm::ClearMessages()
{
    // Lines still on their way belong to what is cleared.
    messageSink_->Deliver();
    QList<int> sizes = Splitter1->sizes();
    if (sizes.size() == 2) {
        if (sizes[1] > kCollapsedPanel) messagePanelHeight_ = sizes[1];
        sizes[0] += sizes[1];
        sizes[1] = 0;
        Splitter1->setSizes(sizes);
    }
    StatusList->clear();
}

// --- the worker

void TEditorForm::StartWorker(int mode, bool debug, bool skipDownload)
{
    if (!WaitForWorker()) return;
    EndDebugNow();
    ModifiedSinceDownload = false;
    if (mode == 0)
        MessageForm().Clear();
    else
        MessageForm().SetInputStarted(false);
    auto* worker = new LinkThread([this](LinkThread& self) { LinkThreadExecute(self); },
                                  [this] { messageSink_->Deliver(); });
    // Queued to the worker object: a worker deleted before it arrives drops it.
    connect(worker, &QThread::finished, worker, [this, worker] { ReleaseWorker(worker); }, Qt::QueuedConnection);
    Worker = worker;
    worker->Start(mode, debug, skipDownload);
}

void TEditorForm::ReleaseWorker(LinkThread* worker)
{
    if (Worker != worker) return;
    worker->WaitFor();
    Worker = nullptr;
    worker->deleteLater();
}

bool TEditorForm::WaitForWorker()
{
    LinkThread* worker = Worker;
    if (!worker) return true;
    if (worker->CallInProgress()) return false;
    worker->WaitFor();
    Worker = nullptr;
    delete worker;
    return true;
}

bool TEditorForm::WaitForWorkerShowingBusy()
{
    if (!Worker) return true;
    TBusyCursor busy;
    // The wait runs no paint events: the windows are drawn now, and what the
    // window system has exposed meanwhile (where a menu closed) is handled.
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible()) window->repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    return WaitForWorker();
}

// A link call of the window's own waits: the progress window shows the
// worker's.
void TEditorForm::LinkWaiting(int64_t waitedMs)
{
    if (QThread::currentThread() == thread()) waitCursor_.Waiting(waitedMs);
}

bool TEditorForm::CancelWorker()
{
    if (Worker) Worker->Terminate();
    return WaitForWorker();
}

TProgressForm& TEditorForm::ProgressForm()
{
    if (!progressForm_) {
        progressForm_ = std::make_unique<TProgressForm>(this);
        progressForm_->SetOnCancel([this] {
            if (Worker) Worker->Terminate();
        });
    }
    return *progressForm_;
}

ILinkHost& TEditorForm::LinkHost()
{
    if (!linkHostRelay_) linkHostRelay_ = std::make_unique<TLinkHostRelay>(*this, [this] { return Worker; });
    return *linkHostRelay_;
}

void TEditorForm::AttachReceiveHandler()
{
    DebugPort.SetOnReceiveData([this](TCommPortDriver& sender, const uint8_t* data, int32_t n) {
        DebugPortReceiveData(sender, data, n);
    });
}

void TEditorForm::LinkThreadExecute(LinkThread& worker)
{
    // From here to the end the worker alone reads the port.
    worker.Synchronize([this] {
        DebugPort.SetOnReceiveData(nullptr);
        ProgressForm().ProgressBar->setValue(0);
    });
    if (worker.Mode() == 0) {
        worker.Synchronize([this] { ProgressForm().show(); });
        LinkAndDownload(worker, worker.Debug(), worker.SkipDownload());
        worker.Synchronize([this] { ProgressForm().hide(); });
    } else {
        ConnectOnly(worker);
    }
    worker.Synchronize([this] {
        AttachReceiveHandler();
        // A failed job leaves no link, and then nothing is sent.
        if (!JVM()) return;
        // What the program sent meanwhile is read first: the link counts the
        // next received byte as the echo of the byte sent now.
        for (int chunk = 0; chunk < kMaxWaitingChunks && DebugPort.CharCount() > 0; ++chunk) DebugPort.Poll();
        JVM()->TransmitByte(kComNoInput);
    });
}

void TEditorForm::SetProgressText(LinkThread& worker, const char* text)
{
    worker.Synchronize([this, text] { ProgressForm().SetText(text); });
}

// --- the jobs

void TEditorForm::LinkAndDownload(LinkThread& worker, bool debug, bool skipDownload)
{
    std::unique_ptr<CORULinker> linker;
    std::unique_ptr<TSXComm> link;
    try {
        CZARNSource* page = nullptr;
        TLinkTarget target;
        worker.Synchronize([&] {
            session_->ClearForJob();
            page = currentEditor_;
            // A resumed session keeps the file as it is.
            if (!page || skipDownload) return;
            SaveSource(*page);
            if (!IsNamed(*page)) throw EError(ecIDE, 5);
        });
        if (!page) return;
        SetProgressText(worker, "Linking Program");
        bool failed = true;
        worker.Synchronize([&] {
            failed = CompileSource(*page);
            if (!failed) target = LinkTargetOf(page->FilePath(), PageClassPath(*page));
        });
        if (failed) return;
        linker = LinkTarget(target);
        worker.Synchronize([this] {
            modified_ = false;
            ModifiedSinceDownload = false;
        });
        SetProgressText(worker, "Resetting Corvane");
        link = std::make_unique<TSXComm>(DebugPort, LinkHost(), clock_);
        link->Connect();
        if (!skipDownload) {
            SetProgressText(worker, "Downloading Program");
            link->DownloadOruFile(linker->GetImage(), linker->GetImageSize(), debug);
        }
        SetProgressText(worker, "Resetting Corvane");
        link->Reset(!debug);
        // The last step hands the link and the linker to the window.
        worker.Synchronize([&] {
            session_->SetDebugging(false);
            SetLinker(std::move(linker));
            SetJVM(std::move(link));
            if (debug) StartDebug();
        });
    } catch (const EError& error) {
        link.reset();
        linker.reset();
        error.Report();
    }
}

void TEditorForm::ConnectOnly(LinkThread& worker)
{
    std::unique_ptr<TSXComm> link;
    try {
        bool havePage = false;
        worker.Synchronize([&] {
            session_->ClearForJob();
            havePage = currentEditor_ != nullptr;
        });
        if (!havePage) return;
        link = std::make_unique<TSXComm>(DebugPort, LinkHost(), clock_);
        link->ConnectQuick();
        worker.Synchronize([&] {
            session_->SetDebugging(false);
            SetJVM(std::move(link));
        });
    } catch (const EError& error) {
        link.reset();
        error.Report();
    }
}

// --- the link host's worker calls

void TEditorForm::CheckCancel()
{
    if (Worker) Worker->CheckCancel();
}

void TEditorForm::SetProgressMax(int32_t blocks)
{
    if (Worker) Worker->Synchronize([this, blocks] { ProgressForm().ProgressBar->setMaximum(blocks); });
}

void TEditorForm::SetProgress(int32_t block)
{
    if (!Worker) return;
    Worker->Synchronize([this, block] {
        ProgressForm().ProgressBar->setValue(block);
        ProgressForm().repaint();
    });
}

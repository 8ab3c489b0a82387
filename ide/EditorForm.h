#pragma once
#include <QMainWindow>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "devicelink/Clock.h"
#include "devicelink/CommPortDriver.h"
#include "devicelink/LinkHost.h"
#include "foundation/QueuedMessageSink.h"
#include "foundation/Settings.h"
#include "ide/MessageList.h"

class CORULinker;
class PollTimer;
class QListWidget;
class QSplitter;
class QTabWidget;
class TSXComm;

// The main window: for now its message list, the serial-port component with
// its receive handler, the current linker and link that it owns, the idle and
// exception handlers, dropped files and hand-overs from a second start.
class TEditorForm : public QMainWindow, public ILinkHost, public ISettingsHook {
public:
    static constexpr int MessagePanelMinimum = 80;

    TEditorForm();
    ~TEditorForm() override;

    // --- components
    QTabWidget* EditorTab = nullptr;
    QSplitter* Splitter1 = nullptr;
    QWidget* StatusPanel = nullptr;
    QListWidget* StatusList = nullptr;
    TCommPortDriver DebugPort;

    // --- the current linker and link (owned; a new one replaces the old)
    CORULinker* Linker() const { return linker_.get(); }
    void SetLinker(std::unique_ptr<CORULinker> linker);
    TSXComm* JVM() const { return jvm_.get(); }
    void SetJVM(std::unique_ptr<TSXComm> jvm);
    IClock& Clock() { return clock_; }

    // --- application handlers
    // Called whenever the event loop is about to wait; the first call starts
    // the batch program.
    void AppIdle();
    // An exception that reached the application: a standard error box, or in
    // a batch run a message line, standard error and the end of the run.
    void AppException(const std::string& text);
    // What shows the standard error box (tests replace it).
    using ErrorBox = std::function<void(const std::string& text)>;
    void SetErrorBox(ErrorBox box) { errorBox_ = std::move(box); }

    void DebugPortReceiveData(TCommPortDriver& sender, const uint8_t* data, int32_t n);
    // The line failed under the poll (the port is closed): IDE-8 with the
    // port, its device and the reason, and the session ends.
    void DebugPortLineError(TCommPortDriver& sender, int32_t error);

    // --- opening files
    // Until source pages exist, records the path that would be opened.
    void OpenSourceFile(const std::string& path);
    const std::vector<std::string>& OpenedSources() const { return openedSources_; }
    void DropFiles(const std::vector<std::string>& paths);
    // A second start handed over its command line (empty: none came, read
    // "params"): restore and raise the window, open the words after the
    // program name.
    void HandOver(const std::string& commandLine);
    void ReadParamsFile();

    // --- the batch run
    // Ends the application once control is back in its event loop: with a
    // non-zero status when the run failed.
    void EndBatch(bool failed);
    bool BatchFailed() const { return batchFailed_; }
    // Text that the program sent, until the terminal window exists.
    const std::string& TerminalText() const { return terminalText_; }

    // --- ILinkHost (no link worker, debug session or terminal window yet)
    bool HasLinkWorker() override { return false; }
    void CheckCancel() override {}
    void SetProgressMax(int32_t) override {}
    void SetProgress(int32_t) override {}
    void StopJog() override {}
    CORULinker* CurrentLinker() override { return linker_.get(); }
    bool Debugging() override { return false; }
    void UpdateDebug() override {}
    // Deletes the link and the linker once control is back in the event loop.
    void EndDebug() override;
    void AddText(const char* text) override;
    void SendFileFinished() override {}
    FILE* TestLogFile() override;
    void Terminate() override { EndBatch(false); }

    // --- ISettingsHook
    bool DesktopSize(int32_t& width, int32_t& height) override;
    void ApplyWindowLayout(const TWindowLayout& layout) override;
    void DisconnectSerialPort() override;

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void BuildLayout();
    void SetUpDebugPort();
    void MessageLineAdded(const std::string& text, const TLinInfo* info);
    void RaiseMessagePanel();
    void BringToFront();

    SystemClock clock_;
    std::unique_ptr<PollTimer> debugPortTimer_;
    std::unique_ptr<CORULinker> linker_;
    std::unique_ptr<TSXComm> jvm_;

    std::unique_ptr<TMessageList> messageList_;
    std::unique_ptr<TQueuedMessageSink> messageSink_;
    IMessageSink* previousSink_ = nullptr;
    ISettingsHook* previousSettingsHook_ = nullptr;

    bool firstIdle_ = true;
    int messagePanelHeight_ = MessagePanelMinimum;
    int lastPanelHeight_ = MessagePanelMinimum;
    bool batchFailed_ = false;
    bool batchEnding_ = false;
    ErrorBox errorBox_;
    std::vector<std::string> openedSources_;
    std::string terminalText_;
};

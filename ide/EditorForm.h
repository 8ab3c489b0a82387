#pragma once
#include <QMainWindow>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "devicelink/Clock.h"
#include "devicelink/CommPortDriver.h"
#include "devicelink/LinkHost.h"
#include "debugger/DebugHost.h"
#include "foundation/QueuedMessageSink.h"
#include "foundation/WindowRect.h"
#include "ide/BusyCursor.h"
#include "ide/EditorDialogs.h"
#include "ide/MessageList.h"
#include "ide/pipeline/RunProgram.h"

class CORULinker;
class TDataViewForm;
class TDebugSession;
class CZARNSource;
class LinkThread;
class TLinkHostRelay;
class TProgressForm;
class PollTimer;
class QAction;
class QLabel;
class QListWidget;
class QMenu;
class QSplitter;
class QStatusBar;
class QTimer;
class TEditorImages;
class TToolIcons;
class TWrapToolBar;
class TEditorPrinting;
class TMainSettingsHook;
class TOptionsForm;
class TSearchForm;
class IOptionsDialogs;
class TProjectOptions;
class TProjectOptionsForm;
class TMessageForm;
class TSrcCanvas;
class TSrcEditSearch;
class TSrcJavaSrc;
class TSXComm;
class TZARNTabControl;

// The main window: a tab control of source pages over the message list, the
// menu bar, the tool bar, the status bar and the actions that bind every
// command. It owns the serial-port component with its receive handler, the
// debug session with its data window, the idle and exception handlers,
// dropped files and hand-overs from a second start.
class TEditorForm : public QMainWindow, public ILinkHost, public IDebugHost {
public:
    static constexpr int MessagePanelMinimum = 80;
    static constexpr int StatusPanelCount = 4;
    static constexpr int StatusPanelWidths[StatusPanelCount] = {75, 75, 75, 562};  // the caret panel widens

    TEditorForm();
    ~TEditorForm() override;

    // --- components
    TWrapToolBar* ToolBar3 = nullptr;  // wraps onto more rows when narrow
    TZARNTabControl* EditorTab = nullptr;
    QSplitter* Splitter1 = nullptr;
    QWidget* StatusPanel = nullptr;
    QListWidget* StatusList = nullptr;
    QStatusBar* EditorStatus = nullptr;
    QLabel* StatusPanels[StatusPanelCount] = {};
    QMenu* TabMenu = nullptr;
    QMenu* FileMenu = nullptr;
    QMenu* ReopenMenu = nullptr;
    QTimer* JogTimer = nullptr;
    QListWidget* TemplateList = nullptr;  // hidden, sorted
    TSearchForm* SearchForm = nullptr;  // modeless
    TCommPortDriver DebugPort;
    TSrcJavaSrc* JavaHighlighter() const { return javaHighlighter_.get(); }
    TSrcEditSearch* SrcEditSearch1() const { return search_.get(); }
    // Gutter images (0 the execution arrow, 1 the breakpoint).
    TEditorImages& Images() const { return *images_; }
    // The action and tab images.
    const TToolIcons& ToolIcons() const { return *toolIcons_; }
    // SrcEditPrint1, PrintDialog1 and their printer.
    TEditorPrinting& Printing() const { return *printing_; }

    // --- actions, by their names ("NewFile", "Run", ...)
    QAction* Action(const std::string& name) const;
    const std::vector<QAction*>& Actions() const { return actions_; }
    // The entries of the action list's update event (tests call it; it runs
    // once after each batch of events).
    void ActionList1Update();
    // Status bar panel i's text.
    std::string PanelText(int i) const;

    // --- dialogs and message boxes (tests answer them)
    IEditorDialogs& Dialogs() { return *dialogs_; }
    void SetDialogs(std::unique_ptr<IEditorDialogs> dialogs);

    // --- the global options dialog (made at first use; the dialogs it opens
    // can be replaced, which makes it anew)
    TOptionsForm& OptionsForm();
    TOptionsForm* ExistingOptionsForm() const { return optionsForm_.get(); }
    void SetOptionsDialogs(std::unique_ptr<IOptionsDialogs> dialogs);
    // The editor colours and styles of the settings on the highlighter; open
    // pages repaint.
    void ApplyEditorColours();

    // --- the current linker and link (the session owns them; a new one
    // replaces the old)
    CORULinker* Linker() const;
    void SetLinker(std::unique_ptr<CORULinker> linker);
    TSXComm* JVM() const;
    void SetJVM(std::unique_ptr<TSXComm> jvm);
    // The debug session and its data window "Debugger".
    TDebugSession& Session() const { return *session_; }
    TDataViewForm* DataView() const { return dataView_; }
    IClock& Clock() { return clock_; }
    LinkThread* Worker = nullptr;

    // --- application handlers
    // Called whenever the event loop is about to wait; the first call starts
    // the batch program.
    void AppIdle();
    // An exception that reached the application: a standard error box, or in
    // a batch run a message line, standard error and the end of the run.
    void AppException(const std::string& text);
    // An action's hint: panel 3.
    void AppHint(const std::string& hint);

    void DebugPortReceiveData(TCommPortDriver& sender, const uint8_t* data, int32_t n);
    // The line failed under the poll (the port is closed): IDE-8 with the
    // port, its device and the reason, and the session ends.
    void DebugPortLineError(TCommPortDriver& sender, int32_t error);

    // --- pages
    int PageCount() const;
    CZARNSource* SourceAt(int i) const;
    // The page of the selected tab; IDE-1 (54) without one.
    CZARNSource* CurrentSource() const;
    CZARNSource* CurrentEditor() const { return currentEditor_; }
    // The current page when its text may be changed: none for a read-only one.
    CZARNSource* EditablePage() const;
    static bool IsNamed(const CZARNSource& page);
    CZARNSource* NewSourcePage(const std::string& path = {});
    // Selects the page of the path or opens it: "File not found" when it
    // does not exist.
    void OpenSourceFile(const std::string& path);
    void SaveSource(CZARNSource& page);
    // False when the user cancelled.
    bool CloseSourcePage(int i);
    void RemoveTab(int i);
    void EditorTabChange();
    void AddToRecent(const CZARNSource& page);
    int EditorTabGetImageIndex(int tab) const;
    // Files of a drop, a hand-over or the command line: each one that cannot
    // be opened is reported and the others still open.
    void OpenFiles(const std::vector<std::string>& paths);
    void DropFiles(const std::vector<std::string>& paths);
    // A second start handed over its command line (empty: none came, read
    // "params"): restore and raise the window, open the words after the
    // program name.
    void HandOver(const std::string& commandLine);
    void ReadParamsFile();

    // --- projects
    CZARNSource* SelectedProject() const { return selectedProject_; }
    TProjectOptions* SelectedProjectOptions() const;
    TProjectOptionsForm& ProjectOptionsForm();

    // --- the execution line and gutter marks
    // False, with nothing marked, when the file cannot be opened.
    bool ShowExecutionLine(const std::string& file, int32_t line) override;
    void ClearExecutionLine() override;
    CZARNSource* ExecutionPage() const { return executionPage_; }
    int ExecutionLine() const { return executionLine_; }
    void PaintGutterMarks(CZARNSource& page, TSrcCanvas& canvas, int firstLine, int lastLine);
    // Whether a breakpoint of the page lies on the line (the debug session
    // answers once it exists).
    using BreakpointQuery = std::function<bool(const CZARNSource& page, int line)>;
    void SetBreakpointQuery(BreakpointQuery query) { breakpointQuery_ = std::move(query); }
    bool BreakpointOn(const CZARNSource& page, int line) const;

    // --- the debug session
    bool ConfirmAbortDebug();
    bool QueryAbortDebug();
    bool ModifiedSinceDownload = false;
    uint8_t SearchMode = 0;
    bool SomePageModified() const { return modified_; }
    void SetDebugging(bool on);
    void EditorGutterClick(CZARNSource& page, int line);

    // --- the build: compiler, message list, link worker and its jobs
    // (EditorFormBuild.cpp, EditorFormLink.cpp)
    void StatusListDblClick();
    // Opens the position's file and selects its range.
    void GotoLine(const TLinInfo& position);
    void ClearMessages() override;
    std::unique_ptr<CORULinker> LinkSource(CZARNSource& page);
    void LinkAndDownload(LinkThread& worker, bool debug, bool skipDownload);
    void ConnectOnly(LinkThread& worker);
    // Waits for the worker (running its synchronised calls) and deletes it;
    // false, doing nothing, from inside one of its calls.
    bool WaitForWorker();
    // The same wait under the busy cursor, the windows drawn as they are
    // now (a menu that just closed is gone from the screen).
    bool WaitForWorkerShowingBusy();
    // Asks the worker to stop and waits for it.
    bool CancelWorker();
    TProgressForm& ProgressForm();
    // The host of the links this window makes.
    ILinkHost& LinkHost();
    void SetCompilerTimeLimit(std::chrono::milliseconds limit) { compilerTimeLimit_ = limit; }

    // --- the batch run
    // Ends the application once control is back in its event loop: with a
    // non-zero status when the run failed.
    void EndBatch(bool failed);
    bool BatchFailed() const { return batchFailed_; }
    // The terminal window and what its screen shows.
    TMessageForm& MessageForm() const { return *messageForm_; }
    std::string TerminalText() const;

    // --- command handlers: files, editing, window
    void NewFileExecute();
    void OpenFileExecute();
    void SaveFileExecute();
    void SaveFileAsExecute();
    // Saves every page in tab order; a cancelled name raises IDE-44 and ends it.
    // A page whose name is asked for is shown while asked; the page shown
    // before is shown again at the end.
    void SaveAllExecute();
    // The SaveAll action: SaveAllExecute with its error reported.
    void SaveAllClick();
    void CloseFileExecute();
    void FileMenuClick();
    void ReopenSubClick(int slot);
    void OpenClassExecute();
    void CutExecute();
    void CopyExecute();
    void PasteExecute();
    void UndoExecute();
    void SelectAllClick();
    void OpenHelpExecute();
    void ExitExecute();
    void SaveDesktopExecute();
    // Writes the window layout; false when the settings were not written.
    bool SaveDesktop();
    void ShowDebuggerExecute();
    void ShowMessageExecute();
    void CompileFileExecute();
    // --- command handlers: projects
    void MakeProjectExecute();
    void SelectProjectExecute();
    void ProjectOptionsExecute();
    // --- command handlers of the build, debugger, templates, find, options,
    // identify, about and print (EditorFormPending.cpp until they are built)
    void RunButtonClick();
    void StopExecute();
    void StepButtonClick();
    void StepOverExecute();
    void AboutExecute();
    void About1Click();
    void ToggleBreakpointExecute();
    void DebugExecute();
    void InsertTemplateExecute();
    void ResetExecute();
    void FindAndReplaceExecute();
    void FindAgainExecute();
    // Runs the search mode (1 close, 2 find, 3 replace, 4 replace all) with
    // the dialog's settings on the current page.
    void SearchReplaceExecute();
    void ResumeDebugExecute();
    void PrintExecute();
    void ProgramExecute();
    void GlobalOptionsExecute();
    void ShowCodeTemplatesExecute();
    void TestConExecute();
    void ExitDebuggerExecute();
    void IdentifyExecute();
    void JogIntoExecute();
    void ToolButton1Click();
    void Link1Click();
    void Download1Click();
    void HideTemplateList();
    // Inserts template `index` of the list in front of the caret's line.
    void SelectTemplate(int index);
    void JogTimerTimer();
    void VirtualProgramExecute();
    // True when the compile failed.
    bool CompileSource(CZARNSource& page);
    void StartDebug();
    // F9 and F8: the first enabled of their two actions.
    void F9Pressed();
    void F8Pressed();

    // --- ILinkHost (no terminal window yet)
    bool HasLinkWorker() override { return Worker != nullptr; }
    void CheckCancel() override;
    void LinkWaiting(int64_t waitedMs) override;
    void SetProgressMax(int32_t blocks) override;
    void SetProgress(int32_t block) override;
    void StopJog() override;
    const ILinkImage* CurrentImage() override;
    std::string OpcodeName(uint8_t imageByte) override;
    bool Debugging() override;
    void UpdateDebug() override;
    void RunStopped() override;
    // Ends the session once control is back in the event loop.
    void EndDebug() override;
    void AddText(const char* text) override;
    void SendFileFinished() override;
    FILE* TestLogFile() override;
    void Terminate() override { EndBatch(false); }

    // The window's layout from the settings.
    void ApplyWindowGeometry(const TWindowRect& stored);
    void PlaceDataWindow(const TWindowRect& stored);

    // --- IDebugHost
    TPageHandle CurrentPage() override;
    std::string PageFileName(TPageHandle page) override;
    bool PageOpen(TPageHandle page) override;
    void SetLineMark(TPageHandle page, int32_t line, TLineMark mark, bool on) override;
    void SetCaption(const std::string& caption) override;
    void StartJogTimer() override;
    void StopJogTimer() override;
    TConfirmAnswer Confirm(const std::string& text) override;
    void HideTerminal() override;
    // The page's handle, given once; NoPage for none.
    TPageHandle HandleOf(CZARNSource* page);
    CZARNSource* PageOf(TPageHandle page) const;

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void InitBuild();
    void InitTerminal();
    static std::string PageClassPath(const CZARNSource& page);
    void StartWorker(int mode, bool debug, bool skipDownload);
    void ReleaseWorker(LinkThread* worker);
    void LinkThreadExecute(LinkThread& worker);
    void SetProgressText(LinkThread& worker, const char* text);
    void AttachReceiveHandler();
    std::unique_ptr<TProgressForm> progressForm_;
    std::unique_ptr<TLinkHostRelay> linkHostRelay_;
    std::chrono::milliseconds compilerTimeLimit_ = ProgramTimeLimit;

    void BuildLayout();
    void BuildStatusBar();
    void BuildActions();
    void BuildMenus();
    void BuildToolBar();
    void BuildTabMenu();
    void BuildTemplateList();
    void BuildSearchForm();
    void SetUpDebugPort();
    void MessageLineAdded(const std::string& text, const TLinInfo* info);
    void RaiseMessagePanel();
    void BringToFront();
    void TriggerFirstEnabled(const char* first, const char* second);
    void UpdateDebugActions();
    void UpdateStatusPanels(bool saveEnabled);
    void EndDebugNow();
    bool FormCloseQuery();
    // Reports what a command handler threw (EError), like the handlers do.
    void Guarded(const std::function<void()>& command);
    void AddToRecentPath(const std::string& path);
    void ApplyFontSettings(CZARNSource& page);
    void LoadPageFile(CZARNSource& page, const std::string& path);
    void WritePage(CZARNSource& page, const std::string& path);
    bool SaveBeforeClose(CZARNSource& page);
    void RenamePage(CZARNSource& page, const std::string& path);
    bool FindClassFile(const std::string& folder, const std::string& fileName);
    void SelectPage(int i);
    // Brings the page into view, so that a question about it is asked with
    // its text on screen; nothing for a page that is not open.
    void ShowPage(const CZARNSource* page);
    void CloseLoneUntitledPage();
    void UpdateTabImages();

    SystemClock clock_;
    TWaitCursor waitCursor_{*this};
    std::unique_ptr<PollTimer> debugPortTimer_;
    // The data window outlives the session, which detaches it when it goes.
    TDataViewForm* dataView_ = nullptr;
    std::unique_ptr<TDebugSession> session_;
    std::map<TPageHandle, CZARNSource*> pagesByHandle_;
    std::map<const CZARNSource*, TPageHandle> handlesByPage_;
    TPageHandle lastHandle_ = NoPage;
    void CreateDebugSession();
    void SetDataWindowActions();
    bool GutterPress(QObject* watched, QEvent* event);
    // Runs a debug command, reporting what it raises.
    void DebugCommand(void (TDebugSession::*command)());
    void StartBuildJob(bool debug, bool resume);

    std::unique_ptr<TMessageList> messageList_;
    std::unique_ptr<TQueuedMessageSink> messageSink_;
    IMessageSink* previousSink_ = nullptr;
    std::unique_ptr<TMainSettingsHook> settingsHook_;
    std::unique_ptr<IEditorDialogs> dialogs_;
    std::unique_ptr<TSrcJavaSrc> javaHighlighter_;
    std::unique_ptr<TSrcEditSearch> search_;
    std::unique_ptr<TEditorImages> images_;
    std::unique_ptr<TToolIcons> toolIcons_;
    std::unique_ptr<TEditorPrinting> printing_;
    std::unique_ptr<TProjectOptionsForm> projectOptionsForm_;
    // After the link: it closes the link's port as it goes.
    std::unique_ptr<TMessageForm> messageForm_;
    std::unique_ptr<IOptionsDialogs> optionsDialogs_;
    std::unique_ptr<TOptionsForm> optionsForm_;

    std::vector<QAction*> actions_;
    std::map<std::string, QAction*> actionsByName_;
    QTimer* updateTimer_ = nullptr;

    CZARNSource* currentEditor_ = nullptr;
    bool firstIdle_ = true;
    CZARNSource* executionPage_ = nullptr;
    int executionLine_ = 0;
    bool modified_ = false;
    CZARNSource* selectedProject_ = nullptr;
    int messagePanelHeight_ = MessagePanelMinimum;
    int lastPanelHeight_ = MessagePanelMinimum;
    BreakpointQuery breakpointQuery_;

    bool batchFailed_ = false;
    bool batchEnding_ = false;
};

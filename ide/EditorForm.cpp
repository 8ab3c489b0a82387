#include "ide/EditorForm.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMetaObject>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

#include "debugger/DebugSession.h"
#include "debugger/qt/DataViewForm.h"
#include "devicelink/SXComm.h"
#include "editor/highlight/SrcHighlighterAttributes.h"
#include "editor/highlight/SrcHighlighterJava.h"
#include "editor/search/SrcEditSearch.h"
#include "ide/Application.h"
#include "ide/EditorImages.h"
#include "ide/EditorPrinting.h"
#include "ide/MainSettingsHook.h"
#include "ide/OptionsDialogs.h"
#include "ide/OptionsForm.h"
#include "ide/ProgressForm.h"
#include "ide/ProjectOptionsForm.h"
#include "ide/SearchForm.h"
#include "ide/ToolIcons.h"
#include "ide/WindowPlacement.h"
#include "ide/ZARNSource.h"
#include "ide/ZARNTabControl.h"
#include "ide/pipeline/LinkHostRelay.h"
#include "ide/terminal/MessageForm.h"
#include "linker/ORULinker.h"
#include "platform/PollTimer.h"
#include "widgets/WrapToolBar.h"

namespace {
constexpr int ClientWidth = 710;
constexpr int ClientHeight = 544;
constexpr int StatusItemHeight = 13;
constexpr int StatusBarHeight = 19;
constexpr int JogInterval = 20;

void SetJavaColours(TSrcJavaSrc& java)
{
    java.CommentAttri->SetForeground(clGray);
    java.DocumentAttri->SetForeground(clOlive);
    java.InvalidAttri->SetForeground(clRed);
    java.NumberAttri->SetForeground(clNavy);
    java.StringAttri->SetForeground(clMaroon);
}
}  // namespace

TEditorForm::TEditorForm()
    : dialogs_(std::make_unique<TQtEditorDialogs>(this)),
      javaHighlighter_(std::make_unique<TSrcJavaSrc>()),
      search_(std::make_unique<TSrcEditSearch>()),
      images_(std::make_unique<TEditorImages>()),
      toolIcons_(std::make_unique<TToolIcons>()),
      printing_(std::make_unique<TEditorPrinting>())
{
    setWindowTitle("Corvane Torve IDE");
    SetJavaColours(*javaHighlighter_);
    CreateDebugSession();
    BuildActions();
    BuildMenus();
    BuildToolBar();
    SetDataWindowActions();
    BuildTabMenu();
    BuildLayout();
    BuildStatusBar();
    BuildTemplateList();
    BuildSearchForm();
    resize(ClientWidth, ClientHeight);
    SetUpDebugPort();
    JogTimer = new QTimer(this);
    JogTimer->setInterval(JogInterval);
    JogTimer->setTimerType(Qt::PreciseTimer);
    connect(JogTimer, &QTimer::timeout, this, [this] { JogTimerTimer(); });

    messageList_ = std::make_unique<TMessageList>(
        *StatusList, [this](const std::string& text, const TLinInfo* info) { MessageLineAdded(text, info); });
    messageSink_ = std::make_unique<TQueuedMessageSink>(*messageList_, [this] {
        QMetaObject::invokeMethod(this, [this] { messageSink_->Deliver(); }, Qt::QueuedConnection);
    });
    previousSink_ = SetMessageSink(messageSink_.get());
    settingsHook_ = std::make_unique<TMainSettingsHook>(*this);
    ApplyEditorColours();
    InitBuild();
    InitTerminal();

    if (auto* app = TApplication::Instance())
        app->SetExceptionHandler([this](const std::string& text) { AppException(text); });
    // The actions are updated once after each batch of events: any event
    // but the update's own arms a zero timer, which fires when the batch is done.
    updateTimer_ = new QTimer(this);
    updateTimer_->setSingleShot(true);
    updateTimer_->setInterval(0);
    connect(updateTimer_, &QTimer::timeout, this, [this] { ActionList1Update(); });
    qApp->installEventFilter(this);
    if (auto* dispatcher = QAbstractEventDispatcher::instance())
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, [this] { AppIdle(); });
    NewFileExecute();
    setAcceptDrops(true);
}

TEditorForm::~TEditorForm()
{
    CancelWorker();
    qApp->removeEventFilter(this);
    // Pages go first: closing one may report on the message list.
    while (PageCount() > 0) {
        CZARNSource* page = SourceAt(0);
        EditorTab->RemoveTab(0);
        delete page;
    }
    currentEditor_ = nullptr;
    if (auto* app = TApplication::Instance()) app->SetExceptionHandler(nullptr);
    settingsHook_.reset();
    SetMessageSink(previousSink_);
    DebugPort.SetOnReceiveData(nullptr);
    DebugPort.SetOnLineError(nullptr);
    session_.reset();
    debugPortTimer_.reset();
}

bool TEditorForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != updateTimer_ && !updateTimer_->isActive()) updateTimer_->start();
    if (GutterPress(watched, event)) return true;
    return QMainWindow::eventFilter(watched, event);
}

void TEditorForm::BuildLayout()
{
    auto* panel1 = new QWidget(this);
    auto* layout = new QVBoxLayout(panel1);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(ToolBar3);
    Splitter1 = new QSplitter(Qt::Vertical, panel1);
    Splitter1->setHandleWidth(3);
    Splitter1->setChildrenCollapsible(true);
    EditorTab = new TZARNTabControl(Splitter1);
    EditorTab->OnChange = [this] { EditorTabChange(); };
    EditorTab->OnGetImage = [this](int tab) { return toolIcons_->Icon(EditorTabGetImageIndex(tab)); };
    StatusPanel = new QWidget(Splitter1);
    auto* statusLayout = new QVBoxLayout(StatusPanel);
    statusLayout->setContentsMargins(0, 0, 0, 0);
    StatusList = new QListWidget(StatusPanel);
    StatusList->setUniformItemSizes(true);
    StatusList->setStyleSheet(QString("QListWidget::item { height: %1px; }").arg(StatusItemHeight));
    statusLayout->addWidget(StatusList);
    Splitter1->addWidget(EditorTab);
    Splitter1->addWidget(StatusPanel);
    Splitter1->setStretchFactor(0, 1);
    Splitter1->setStretchFactor(1, 0);
    Splitter1->setSizes({ClientHeight - MessagePanelMinimum, MessagePanelMinimum});
    layout->addWidget(Splitter1);
    setCentralWidget(panel1);
    TemplateList = new QListWidget(panel1);
    TemplateList->setSortingEnabled(true);
    TemplateList->hide();

    // The height the panel had when the user collapsed it is the one it comes back to.
    connect(Splitter1, &QSplitter::splitterMoved, this, [this] {
        const int height = Splitter1->sizes().value(1);
        if (height > 0)
            lastPanelHeight_ = height;
        else
            messagePanelHeight_ = lastPanelHeight_;
    });
}

void TEditorForm::BuildStatusBar()
{
    EditorStatus = statusBar();
    EditorStatus->setSizeGripEnabled(false);
    EditorStatus->setFixedHeight(StatusBarHeight);
    for (int i = 0; i < StatusPanelCount; ++i) {
        auto* panel = new QLabel(EditorStatus);
        panel->setFixedWidth(StatusPanelWidths[i]);
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        if (i == 0) panel->setAlignment(Qt::AlignCenter);
        EditorStatus->addWidget(panel);
        StatusPanels[i] = panel;
    }
}

void TEditorForm::SetUpDebugPort()
{
    DebugPort.SetComPortSpeed(br28800);
    DebugPort.SetPacketMode(pmPass);
    DebugPort.SetEnableDTROnOpen(false);
    DebugPort.SetOnReceiveData([this](TCommPortDriver& sender, const uint8_t* data, int32_t n) {
        DebugPortReceiveData(sender, data, n);
    });
    DebugPort.SetOnLineError([this](TCommPortDriver& sender, int32_t error) { DebugPortLineError(sender, error); });
    debugPortTimer_ = std::make_unique<PollTimer>(DebugPort);
}

void TEditorForm::SetDialogs(std::unique_ptr<IEditorDialogs> dialogs)
{
    dialogs_ = std::move(dialogs);
}

void TEditorForm::RaiseMessagePanel()
{
    QList<int> sizes = Splitter1->sizes();
    if (sizes.size() != 2 || sizes[1] >= MessagePanelMinimum) return;
    const int target = std::max(messagePanelHeight_, MessagePanelMinimum);
    const int total = sizes[0] + sizes[1];
    sizes[1] = target;
    sizes[0] = std::max(0, total - target);
    Splitter1->setSizes(sizes);
}

void TEditorForm::ApplyWindowGeometry(const TWindowRect& stored)
{
    PlaceFrame(*this, stored);
}

TProjectOptionsForm& TEditorForm::ProjectOptionsForm()
{
    if (!projectOptionsForm_) projectOptionsForm_ = std::make_unique<TProjectOptionsForm>(this);
    return *projectOptionsForm_;
}

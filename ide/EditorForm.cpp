#include "ide/EditorForm.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QListWidget>
#include <QMetaObject>
#include <QScreen>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>

#include "devicelink/SXComm.h"
#include "ide/Application.h"
#include "linker/ORULinker.h"
#include "platform/PollTimer.h"

namespace {
constexpr int ClientWidth = 710;
constexpr int ClientHeight = 544;
constexpr int StatusItemHeight = 13;
}  // namespace

TEditorForm::TEditorForm()
{
    setWindowTitle("Corvane Torve IDE");
    resize(ClientWidth, ClientHeight);
    BuildLayout();
    SetUpDebugPort();

    messageList_ = std::make_unique<TMessageList>(
        *StatusList, [this](const std::string& text, const TLinInfo* info) { MessageLineAdded(text, info); });
    messageSink_ = std::make_unique<TQueuedMessageSink>(*messageList_, [this] {
        QMetaObject::invokeMethod(this, [this] { messageSink_->Deliver(); }, Qt::QueuedConnection);
    });
    previousSink_ = SetMessageSink(messageSink_.get());
    previousSettingsHook_ = SetSettingsHook(this);

    if (auto* app = TApplication::Instance())
        app->SetExceptionHandler([this](const std::string& text) { AppException(text); });
    if (auto* dispatcher = QAbstractEventDispatcher::instance())
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, [this] { AppIdle(); });
    setAcceptDrops(true);
}

TEditorForm::~TEditorForm()
{
    if (auto* app = TApplication::Instance()) app->SetExceptionHandler(nullptr);
    SetSettingsHook(previousSettingsHook_);
    SetMessageSink(previousSink_);
    DebugPort.SetOnReceiveData(nullptr);
    DebugPort.SetOnLineError(nullptr);
    jvm_.reset();
    linker_.reset();
    debugPortTimer_.reset();
}

void TEditorForm::BuildLayout()
{
    auto* panel1 = new QWidget(this);
    auto* layout = new QVBoxLayout(panel1);
    layout->setContentsMargins(0, 0, 0, 0);
    Splitter1 = new QSplitter(Qt::Vertical, panel1);
    Splitter1->setHandleWidth(3);
    Splitter1->setChildrenCollapsible(true);
    EditorTab = new QTabWidget(Splitter1);
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

    // The height the panel had when the user collapsed it is the one it comes back to.
    connect(Splitter1, &QSplitter::splitterMoved, this, [this] {
        const int height = Splitter1->sizes().value(1);
        if (height > 0)
            lastPanelHeight_ = height;
        else
            messagePanelHeight_ = lastPanelHeight_;
    });
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

void TEditorForm::SetLinker(std::unique_ptr<CORULinker> linker)
{
    linker_ = std::move(linker);
}

void TEditorForm::SetJVM(std::unique_ptr<TSXComm> jvm)
{
    jvm_ = std::move(jvm);
}

void TEditorForm::EndDebug()
{
    QMetaObject::invokeMethod(
        this,
        [this] {
            jvm_.reset();
            linker_.reset();
        },
        Qt::QueuedConnection);
}

void TEditorForm::AddText(const char* text)
{
    terminalText_ += text;
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

bool TEditorForm::DesktopSize(int32_t& width, int32_t& height)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return false;
    const QRect desktop = screen->virtualGeometry();
    width = desktop.width();
    height = desktop.height();
    return true;
}

void TEditorForm::ApplyWindowLayout(const TWindowLayout& layout)
{
    const TWindowRect& main = layout.Main;
    if (main.Width > 0 && main.Height > 0) setGeometry(main.Left, main.Top, main.Width, main.Height);
}

void TEditorForm::DisconnectSerialPort()
{
    DebugPort.Disconnect();
}

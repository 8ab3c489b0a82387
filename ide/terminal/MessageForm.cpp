#include "ide/terminal/MessageForm.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QVBoxLayout>
#include <utility>

#include "devicelink/SXComm.h"
#include "editor/qt/QtText.h"
#include "editor/qt/SrcEditWidget.h"
#include "foundation/EError.h"
#include "ide/ToolIcons.h"
#include "ide/terminal/EditorScreenView.h"
#include "ide/terminal/TerminalDialogs.h"
#include "widgets/WrapToolBar.h"

namespace {

QAction* ToolAction(TWrapToolBar* bar, const char* caption, const char* hint)
{
    QAction* action = bar->addAction(caption);
    action->setToolTip(hint);
    action->setStatusTip(hint);
    return action;
}

}  // namespace

TMessageForm::TMessageForm(QWidget* parent) : QWidget(parent, Qt::Tool)
{
    setWindowTitle("Corvane Terminal");
    setGeometry(210, 417, 421, 277);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    BuildToolBar();
    layout->addWidget(ToolBar1);

    Message = new TSrcEditWidget(this);
    Message->setObjectName("Message");
    Message->SetOptions({eoKeepCaretX, eoScrollPastEol, eoShowScrollHint, eoTabsToSpaces});
    Message->SetMaxScrollWidth(TScreenModel::Width);
    Message->installEventFilter(this);
    Message->viewport()->installEventFilter(this);
    layout->addWidget(Message, 1);
    BuildInputPanel();

    dialogs_ = std::make_unique<TQtTerminalDialogs>(this);
    output_ = std::make_unique<TEditorScreenView>(
        *Message, [this] { dialogs_->Beep(); }, [this](const char* data, size_t size) { WriteLog(data, size); });
    screen_ = std::make_unique<TScreenModel>(*output_);
    ClearMessageExecute();
}

TMessageForm::~TMessageForm() { ExitExecute(); }

void TMessageForm::BuildToolBar()
{
    ToolBar1 = new TWrapToolBar(this);
    ToolBar1->setObjectName("ToolBar1");
    ToolBar1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    ClearMessage = ToolAction(ToolBar1, "Clear", "Clear the message window");
    CopyMessage = ToolAction(ToolBar1, "Copy", "Copy the currently selected message");
    CloseMessage = ToolAction(ToolBar1, "Close", "Close the message window");
    ToolButton4 = ToolAction(ToolBar1, "Reset", "Reset the Corvane Torve");
    ToolButton5 = ToolAction(ToolBar1, "Save Display", "Save display content to file");
    ToolButton6 = ToolAction(ToolBar1, "Start Log", "Write all received data to file");
    ToolButton7 = ToolAction(ToolBar1, "Start Send", "Send file to the Corvane Torve");
    ToolBar1->addSeparator();
    MessageEnabled = new QCheckBox("Enabled", ToolBar1);
    MessageEnabled->setToolTip("Enable message window");
    MessageEnabled->setChecked(true);
    ToolBar1->addWidget(MessageEnabled);

    connect(ClearMessage, &QAction::triggered, this, [this] { ClearMessageExecute(); });
    connect(CopyMessage, &QAction::triggered, this, [this] { CopyMessageExecute(); });
    connect(CloseMessage, &QAction::triggered, this, [this] { CloseMessageExecute(); });
    connect(ToolButton4, &QAction::triggered, this, [this] { ToolButton4Click(); });
    connect(ToolButton5, &QAction::triggered, this, [this] { ToolButton5Click(); });
    connect(ToolButton6, &QAction::triggered, this, [this] { ToolButton6Click(); });
    connect(ToolButton7, &QAction::triggered, this, [this] { ToolButton7Click(); });
}

void TMessageForm::BuildInputPanel()
{
    auto* panel = new QWidget(this);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(2, 2, 2, 2);
    Edit1 = new QLineEdit(panel);
    Edit1->setObjectName("Edit1");
    Edit1->setMaxLength(1);
    Edit1->setFixedWidth(30);
    Edit1->setToolTip("Enter keypress here");
    SendText = new QLineEdit(panel);
    SendText->setObjectName("SendText");
    SendText->setMaxLength(200);
    SendText->setToolTip("Enter text here");
    row->addWidget(Edit1);
    row->addWidget(SendText, 1);
    layout()->addWidget(panel);
    Edit1->installEventFilter(this);
    SendText->installEventFilter(this);
}

void TMessageForm::SetDialogs(std::unique_ptr<ITerminalDialogs> dialogs) { dialogs_ = std::move(dialogs); }

void TMessageForm::SetToolIcons(const TToolIcons& icons)
{
    const std::pair<QAction*, int> images[] = {
        {ClearMessage, TToolIcons::Clear},        {CopyMessage, TToolIcons::Copy},
        {CloseMessage, TToolIcons::Close},        {ToolButton4, TToolIcons::Reset},
        {ToolButton5, TToolIcons::SaveDisplay},   {ToolButton6, TToolIcons::StartLog},
        {ToolButton7, TToolIcons::StartSend},
    };
    for (const auto& [action, index] : images) action->setIcon(icons.Icon(index));
}

void TMessageForm::AddText(const char* text) { AddText(std::string(text ? text : "")); }

void TMessageForm::AddText(const std::string& bytes)
{
    if (!MessageEnabled->isChecked()) return;
    screen_->AddText(bytes.data(), bytes.size(), logFile_ != nullptr);
    FlushLog();
    if (!isVisible()) show();
    Message->SetTopLine(Message->Lines().GetCount());
}

void TMessageForm::ClearMessageExecute()
{
    screen_->Clear();
    SendText->clear();
}

void TMessageForm::CopyMessageExecute()
{
    const std::string text = Message->SelText();
    if (text.empty()) return;
    QApplication::clipboard()->setText(Cp1252ToQString(text.data(), int(text.size())));
}

void TMessageForm::ToolButton4Click()
{
    TSXComm* link = Link();
    if (!link) return;
    try {
        link->Connect();
        link->Reset(true);
    } catch (const EError& e) {
        e.Report();
    }
}

void TMessageForm::ExitExecute()
{
    if (logFile_) StopLog();
    TSXComm* link = Link();
    if (sendFile_) {
        std::fclose(sendFile_);
        sendFile_ = nullptr;
    }
    if (link) {
        link->SetSendFile(nullptr);
        link->Close();
    }
    close();
}

// The view is read-only: moving, selecting and copying only.
bool TMessageForm::ViewKeyAllowed(QEvent* event)
{
    if (event->type() == QEvent::InputMethod || event->type() == QEvent::Drop) return false;
    if (event->type() != QEvent::KeyPress) return true;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->matches(QKeySequence::Copy)) {
        CopyMessageExecute();
        return false;
    }
    switch (key->key()) {
    case Qt::Key_Left: case Qt::Key_Right: case Qt::Key_Up: case Qt::Key_Down:
    case Qt::Key_Home: case Qt::Key_End: case Qt::Key_PageUp: case Qt::Key_PageDown:
    case Qt::Key_Shift: case Qt::Key_Control: case Qt::Key_Alt:
        return true;
    default:
        return false;
    }
}

bool TMessageForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Message || watched == Message->viewport()) return !ViewKeyAllowed(event);
    if (event->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    std::string text = QStringToCp1252(key->text());
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) text = "\r";
    if (text.empty()) return false;
    if (watched == Edit1) {
        SendKeyHit(text);
        return true;
    }
    if (watched == SendText) {
        SendTextKeyPress(text);
        return text == "\r";
    }
    return false;
}

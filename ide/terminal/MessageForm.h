#pragma once
#include <QWidget>

#include <cstdio>
#include <functional>
#include <memory>
#include <string>

#include "ide/terminal/ScreenModel.h"

class QAction;
class QCheckBox;
class QLineEdit;
class TEditorScreenView;
class TToolIcons;
class TWrapToolBar;
class TSrcEditWidget;
class TSXComm;
class ITerminalDialogs;

// The terminal of the program on the module: shows the text it sends on a
// screen of 300 x 200 and takes keys, lines or a file for its input requests.
class TMessageForm : public QWidget {
public:
    explicit TMessageForm(QWidget* parent = nullptr);
    ~TMessageForm() override;

    // The main window's current link, or null.
    void SetLinkSource(std::function<TSXComm*()> source) { link_ = std::move(source); }
    void SetDialogs(std::unique_ptr<ITerminalDialogs> dialogs);
    // The tool bar's images, from the main window's.
    void SetToolIcons(const TToolIcons& icons);

    void AddText(const char* text);
    void AddText(const std::string& bytes);
    void Clear() { ClearMessageExecute(); }
    void SendFileFinished();
    // A new connection wants the no-input byte before the first key again.
    void SetInputStarted(bool started) { inputStarted_ = started; }

    void ClearMessageExecute();
    void CopyMessageExecute();
    void CloseMessageExecute() { hide(); }
    void ToolButton4Click();
    void ToolButton5Click();
    void ToolButton6Click();
    void ToolButton7Click();
    void ExitExecute();

    const TScreenModel& Screen() const { return *screen_; }
    bool Sending() const { return sendFile_ != nullptr; }
    bool Logging() const { return logFile_ != nullptr; }

    TWrapToolBar* ToolBar1;  // wraps onto more rows when narrow
    QAction* ClearMessage;
    QAction* CopyMessage;
    QAction* CloseMessage;
    QAction* ToolButton4;
    QAction* ToolButton5;
    QAction* ToolButton6;
    QAction* ToolButton7;
    QCheckBox* MessageEnabled;
    TSrcEditWidget* Message;
    QLineEdit* Edit1;
    QLineEdit* SendText;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildToolBar();
    void BuildInputPanel();
    TSXComm* Link() const { return link_ ? link_() : nullptr; }
    bool ViewKeyAllowed(QEvent* event);
    // Key input (MessageFormInput.cpp).
    void SendKeyHit(const std::string& key);
    void SendTextKeyPress(const std::string& key);
    void StartInput(TSXComm& link);
    bool QueueBytes(TSXComm& link, const std::string& bytes);
    // Files (MessageFormFiles.cpp).
    void WriteLog(const char* data, size_t size);
    void FlushLog();
    // Closes the log; a failed write or close is shown once.
    void StopLog(bool failed = false);
    void RefuseWrite();

    std::function<TSXComm*()> link_;
    std::unique_ptr<ITerminalDialogs> dialogs_;
    std::unique_ptr<TEditorScreenView> output_;
    std::unique_ptr<TScreenModel> screen_;
    FILE* sendFile_ = nullptr;
    FILE* logFile_ = nullptr;
    bool inputStarted_ = false;
};

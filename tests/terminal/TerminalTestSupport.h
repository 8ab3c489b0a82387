#pragma once
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "devicelink/Clock.h"
#include "devicelink/CommPort.h"
#include "devicelink/LinkHost.h"
#include "devicelink/SXComm.h"
#include "ide/terminal/MessageForm.h"
#include "ide/terminal/TerminalDialogs.h"

// An open port that keeps what is sent and receives nothing.
class RecordingPort : public ICommPort {
public:
    int ComPort() const override { return 0; }
    void SetComPort(int) override {}
    bool Connect() override { return open = true; }
    void Disconnect() override { open = false; }
    bool Connected() const override { return open; }
    int32_t SendData(const uint8_t* data, int32_t count) override
    {
        sent.append(reinterpret_cast<const char*>(data), size_t(count));
        return count;
    }
    bool ReadChar(uint8_t&) override { return false; }
    int32_t CharCount() override { return 0; }
    int32_t OutFreeSpace() override { return 2048; }
    void FlushBuffers(bool, bool) override {}
    void ToggleDTR(bool) override {}
    void ToggleRTS(bool) override {}
    bool ReadDSR() override { return false; }
    bool WaitReadable(int32_t) override { return false; }
    int32_t GetLastError() const override { return 0; }

    bool open = true;
    std::string sent;
};

// Answers the terminal's dialogs from a list and keeps the boxes shown.
class ScriptedDialogs : public ITerminalDialogs {
public:
    std::optional<std::string> SaveFileName() override { return Next(); }
    std::optional<std::string> OpenFileName() override { return Next(); }
    void ErrorBox(const std::string& text, const std::string& caption) override
    {
        boxes.push_back(caption + ": " + text);
    }
    void Beep() override { ++beeps; }

    std::deque<std::optional<std::string>> answers;
    std::vector<std::string> boxes;
    int beeps = 0;

private:
    std::optional<std::string> Next()
    {
        if (answers.empty()) return std::nullopt;
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

// Hands the link's terminal calls to the form.
class FormLinkHost : public NullLinkHost {
public:
    TMessageForm* form = nullptr;
    void AddText(const char* text) override { form->AddText(text); }
    void SendFileFinished() override { form->SendFileFinished(); }
};

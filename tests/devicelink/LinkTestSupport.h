#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "debugger/LinkerImage.h"
#include "devicelink/SXComm.h"
#include "foundation/EError.h"
#include "foundation/Options.h"
#include "tests/devicelink/ScriptedPort.h"
#include "tests/support/CaptureSink.h"

// A link host that records what the link asks of it. Its worker can be told
// to stop after some cancel checks; its refresh runs a hook of the test's.
class TestHost : public ILinkHost {
public:
    bool HasLinkWorker() override { return worker; }
    void CheckCancel() override
    {
        if (++checks == cancelAt) throw EError(ecIDE, 45);
    }
    void SetProgressMax(int32_t blocks) override { progressMax = blocks; }
    void SetProgress(int32_t block) override { progress.push_back(block); }
    void StopJog() override { ++stopJogs; }
    const ILinkImage* CurrentImage() override { return image; }
    std::string OpcodeName(uint8_t imageByte) override { return TLinkerImage::OpcodeName(imageByte); }
    bool Debugging() override { return debugging; }
    void UpdateDebug() override
    {
        ++updates;
        if (onUpdate) onUpdate();
    }
    void EndDebug() override { ++endDebugs; }
    void AddText(const char* text) override { texts.push_back(text); }
    void SendFileFinished() override
    {
        ++sendsFinished;
        if (onSendFileFinished) onSendFileFinished();
    }
    FILE* TestLogFile() override { return testLog; }
    void Terminate() override { ++terminations; }

    bool worker = false;
    int checks = 0;
    int cancelAt = -1;
    int32_t progressMax = -1;
    std::vector<int32_t> progress;
    int stopJogs = 0;
    const ILinkImage* image = nullptr;
    bool debugging = false;
    int updates = 0;
    std::function<void()> onUpdate;
    int endDebugs = 0;
    std::vector<std::string> texts;
    int sendsFinished = 0;
    std::function<void()> onSendFileFinished;
    FILE* testLog = nullptr;
    int terminations = 0;
};

// The message of the EError that `action` raises ("" when none), without its
// line end.
template <typename Action>
std::string RaisedMessage(Action action)
{
    try {
        action();
    } catch (const EError& e) {
        std::string message = e.Message;
        if (!message.empty() && message.back() == '\n') message.pop_back();
        return message;
    }
    return "";
}

// The number of the EError that `action` raises, or 0.
template <typename Action>
int RaisedNumber(Action action)
{
    try {
        action();
    } catch (const EError& e) {
        return e.Number;
    }
    return 0;
}

// A link over a scripted port on a virtual clock, with the trace captured.
class LinkTest : public ::testing::Test {
protected:
    LinkTest() : port(clock), link(port, host, clock) { saved = GlobalOptions; }
    ~LinkTest() override { GlobalOptions = saved; }

    tOptions saved;
    CaptureSink sink;
    VirtualClock clock{1000};
    ScriptedPort port;
    TestHost host;
    TSXComm link;
};

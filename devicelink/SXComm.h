#pragma once
#include <array>
#include <cstdint>
#include <cstdio>
#include <deque>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "devicelink/Clock.h"
#include "devicelink/CommPort.h"
#include "devicelink/LinkHost.h"

class EError;
class TJVMStack;

// The link to one module over one serial port (the main window's DebugPort):
// bytes and byte-stuffed packets out, echo accounting, acknowledgements and
// reply packets in; the module commands built on them; and the bytes that
// arrive outside a reply (ReceiveData): module messages and input requests.
//
// Waits do not pump events; each turn blocks on the port for a few
// milliseconds, checks the link worker's cancel request while a worker
// exists, and raises IDE-22 once more than the time-out has passed without
// a byte.
//
// A command is one exchange. Whatever a module message asks for that would
// start a second exchange (a refresh of the debug display, with its report)
// waits until the outermost command has returned; its state change (the
// running flag) happens at once.
class TSXComm {
public:
    static constexpr int32_t MessageCapacity = 3048;
    static constexpr int32_t KeyQueueCapacity = 500;
    static constexpr int32_t ReceiveByteTimeoutMs = 5000;
    static constexpr int32_t SimpleCommandAckMs = 5000;
    static constexpr int32_t StepDoneMs = 20000;
    static constexpr int32_t StopAckMs = 20000;
    static constexpr int32_t BreakpointAckMs = 5000;
    static constexpr int32_t BlockAckMs = 2000;
    static constexpr int32_t ResetByteMs = 10000;
    static constexpr int32_t ResetStartMs = 10000;
    static constexpr int32_t SyncEchoMs = 100;
    static constexpr int32_t ModemSettleMs = 200;
    static constexpr int32_t ResetPulseMs = 2;
    static constexpr int32_t ImageBlockSize = 16;
    static constexpr int32_t StackReplyCapacity = 4024;

    TSXComm(ICommPort& port, ILinkHost& host, IClock& clock);
    ~TSXComm();
    TSXComm(const TSXComm&) = delete;
    TSXComm& operator=(const TSXComm&) = delete;

    // --- framing
    void TransmitByte(uint8_t byte);
    void TransmitPacket(const uint8_t* data, int32_t n);
    static uint8_t Checksum(const uint8_t* data, int32_t n);
    static bool VerifyChecksum(const uint8_t* data, int32_t n);
    bool CharAvailable();
    struct WaitLimit {
        int64_t start;
        int64_t timeoutMs;
    };
    // The next byte that is not an echo. `answer`: a byte of that value, when
    // the echo awaited is another, is the module's answer sent before it heard
    // the byte; it is returned and the echo stays awaited. `messages`: module
    // messages met on the way are collected and dispatched, not returned;
    // IDE-22 when their bytes still come once that limit has passed.
    uint8_t ReceiveByte(int32_t timeoutMs, std::optional<uint8_t> answer = std::nullopt,
                        std::optional<WaitLimit> messages = std::nullopt);
    // length: the buffer's capacity on entry, the payload's length on return.
    void ReceivePacket(uint8_t* buffer, int32_t& length);
    void WaitForAck(uint8_t code, int32_t timeoutMs);
    void SendCommand(uint8_t code);
    void SendSimpleCommand(uint8_t code);
    void SetRunning(bool running);
    bool IsRunning() const { return running_; }
    // Bytes that arrive outside a synchronous wait. Reports its own errors.
    void ReceiveData(const uint8_t* data, int32_t n, const ILinkImage* image);

    // --- finding the module and opening the link
    void Connect();
    bool AutoChoosePort();
    bool TestPort(int portIndex);
    void DetectModule();
    void ConnectQuick();
    bool AutoChoosePortQuick();
    bool TestPortQuick(int portIndex);
    void DetectModuleQuick();
    void Close();

    // --- program control
    void Reset(bool run);
    void Run();
    void Step();
    void Stop();

    // --- queries
    void QueryStatus(int32_t& pc, int32_t& activity, uint8_t& bytecode);
    void QueryConfig(int32_t& a, int32_t& b, int32_t& c);
    // The stack's base must be set before (TJVMStack::SetBase).
    void QueryStack(TJVMStack& stack);
    void QueryHeap(uint16_t address, uint16_t length, int32_t& value, uint8_t* destination);

    // --- downloads
    // Sends n addresses, and extra as one more when it is above 0.
    void DownloadBreakpoints(const uint32_t* list, int32_t n, uint32_t extra);
    // Overwrites byte 0 of the image: 0x1D for a debug session, 0xA4 else.
    void DownloadOruFile(uint8_t* image, int32_t size, bool debug);

    // --- terminal input
    // Raises IDE-53 when 500 bytes are already queued.
    void QueueTerminalByte(uint8_t byte);
    // The terminal's variable that holds the file being sent; null detaches.
    void SetSendFile(FILE** file) { sendFile_ = file; }

    // --- state
    int32_t EchoCount() const { return echoCount_; }
    void SetEchoCount(int32_t count) { echoCount_ = count; }
    bool InMessage() const { return inMessage_; }
    int32_t MessageLength() const { return messageLength_; }
    const uint8_t* MessageBytes() const { return message_; }
    int32_t KeyCount() const { return keyCount_; }
    // An unhandled exception asked the host to end the session; the link
    // handles no more received bytes.
    bool SessionEnding() const { return sessionEnding_; }
    const std::string& PortName() const { return portName_; }
    const std::string& DeviceType() const { return deviceType_; }
    const std::string& FirmwareVersion() const { return firmwareVersion_; }
    bool LoopbackFound() const { return loopbackFound_; }
    bool EchoFound() const { return echoFound_; }
    bool StatusRead() const { return statusRead_; }
    ICommPort& Port() { return port_; }

protected:
    // Module messages and terminal input.
    void HandleChunk(const uint8_t* data, int32_t n, const ILinkImage* image);
    void StartLoadOutsideReset();
    // Skips the echoes at data[i..]; a message the module began before it
    // heard the bytes comes ahead of their echoes and is taken whole.
    int32_t SkipEchoes(const uint8_t* data, int32_t n, const ILinkImage* image, int32_t i);
    int32_t OpenMessage(const uint8_t* data, int32_t n, const ILinkImage* image, int32_t start);
    // A 0x05 that starts a module message: not the echo awaited, when one is.
    bool IsMessageStart(uint8_t byte) const;
    // Where an echo or an answer is awaited: a byte of the open message or a
    // message start goes to the receive path (true), any other is left (false).
    bool TakeMessageByte(uint8_t byte, const std::optional<WaitLimit>& limit);
    // The byte whose echo comes next, while it is remembered.
    std::optional<uint8_t> AwaitedEcho() const;
    void NoteSent(const uint8_t* data, int32_t n);
    int32_t CollectMessage(const uint8_t* data, int32_t n, const ILinkImage* image, int32_t start);
    void DispatchMessage(const ILinkImage* image);
    void HandleUnknownBytecode(const ILinkImage* image);
    void HandleStopOrEnd(const ILinkImage* image);
    void HandleTerminalText();
    void HandleException(const ILinkImage* image);
    void EndTestRun(const std::string& exception);
    uint8_t MessageByte(int32_t index) const;
    void SendTerminalInput();
    void SendFileInput();

    // Runs body as one exchange; what messages deferred runs once the
    // outermost exchange has returned.
    void Exchange(const std::function<void()>& body);
    // An exchange that sends a command. Bytes already waiting cannot be its
    // echo: the receive path gets them first. When a message there ended the
    // session, nothing is sent and body does not run (results stay as they were).
    void CommandExchange(const std::function<void()>& body);
    void ReceiveWaitingBytes();
    // Runs action now outside an exchange, else after it. Errors are reported.
    void RunOrDefer(std::function<void()> action);
    void RunDeferred();
    // The debug display is refreshed only within a debug session.
    bool CanRefresh(const ILinkImage* image);

    // The connect, the port choice and the port test, with either presence test.
    void ConnectWith(bool (TSXComm::*choose)(), void (TSXComm::*detect)());
    bool AutoChooseWith(bool (TSXComm::*test)(int));
    bool TestPortWith(int portIndex, void (TSXComm::*detect)());
    void DetectWith(const std::function<void()>& afterLoopback);
    // Port handling of the presence test and the connect.
    void SelectPort(int portIndex);
    void ClearIdentity();
    void OpenPort();
    void DrainPort();
    void CheckLoopback();
    void CheckSyncEcho();
    bool ReportPortTestError(const EError& error);
    static bool PortExistsButWasRefused(int32_t error);
    void WaitForStartLoad();
    void WaitForEndLoad(bool run);

    // Returns once a byte is waiting; IDE-22 once a limit has passed first.
    void WaitForData(std::initializer_list<WaitLimit> limits);
    // IDE-22 once the limit has passed.
    void CheckLimit(const WaitLimit& limit) const;
    uint8_t ReadByteOrRaise();
    void StartPacket(int32_t& count, bool& escape);

    ICommPort& port_;
    ILinkHost& host_;
    IClock& clock_;

    bool running_ = false;
    bool messageEscape_ = false;
    bool inMessage_ = false;
    uint8_t message_[MessageCapacity] = {};
    int32_t messageLength_ = 0;
    int32_t echoCount_ = 0;
    // The last bytes sent (the echo awaited is the one sent echoCount_ bytes ago).
    static constexpr uint64_t SentMemory = 16;
    std::array<uint8_t, SentMemory> sent_{};
    uint64_t sentTotal_ = 0;
    uint8_t keyQueue_[KeyQueueCapacity] = {};
    int32_t keyCount_ = 0;
    std::string portName_;
    std::string deviceType_;
    std::string firmwareVersion_;
    bool loopbackFound_ = false;
    bool echoFound_ = false;
    bool statusRead_ = false;
    FILE** sendFile_ = nullptr;

    int32_t exchangeDepth_ = 0;
    std::deque<std::function<void()>> deferred_;
    bool sessionEnding_ = false;

    // The last failed opening of a port: system error code and IDE-6 text.
    struct OpenFailure {
        int32_t error = 0;
        std::string description;
    } openFailure_;
    // While a search runs: the ports that exist but could not be opened.
    std::vector<std::string>* unopenedPorts_ = nullptr;
};

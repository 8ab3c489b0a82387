#pragma once
#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <string>

#include "devicelink/Clock.h"
#include "devicelink/CommPort.h"
#include "devicelink/LinkHost.h"

class CORULinker;

// The link to one module over one serial port: bytes and byte-stuffed
// packets out, echo accounting, acknowledgements and reply packets in, and
// the bytes that arrive outside a reply (ReceiveData).
//
// Waits do not pump events; each turn blocks on the port for a few
// milliseconds, checks the link worker's cancel request while a worker
// exists, and raises IDE-22 once more than the time-out has passed without
// a byte.
class TSXComm {
public:
    static constexpr int32_t MessageCapacity = 3048;
    static constexpr int32_t KeyQueueCapacity = 500;
    static constexpr int32_t ReceiveByteTimeoutMs = 5000;
    static constexpr int32_t SimpleCommandAckMs = 5000;

    TSXComm(ICommPort& port, ILinkHost& host, IClock& clock);
    ~TSXComm();
    TSXComm(const TSXComm&) = delete;
    TSXComm& operator=(const TSXComm&) = delete;

    void TransmitByte(uint8_t byte);
    void TransmitPacket(const uint8_t* data, int32_t n);
    static uint8_t Checksum(const uint8_t* data, int32_t n);
    static bool VerifyChecksum(const uint8_t* data, int32_t n);
    bool CharAvailable();
    uint8_t ReceiveByte(int32_t timeoutMs);
    // length: the buffer's capacity on entry, the payload's length on return.
    void ReceivePacket(uint8_t* buffer, int32_t& length);
    void WaitForAck(uint8_t code, int32_t timeoutMs);
    void SendCommand(uint8_t code);
    void SendSimpleCommand(uint8_t code);
    void SetRunning(bool running);
    bool IsRunning() const { return running_; }
    // Bytes that arrive outside a synchronous wait. Reports its own errors.
    void ReceiveData(const uint8_t* data, int32_t n, CORULinker* linker);

    int32_t EchoCount() const { return echoCount_; }
    void SetEchoCount(int32_t count) { echoCount_ = count; }
    bool InMessage() const { return inMessage_; }
    int32_t MessageLength() const { return messageLength_; }
    const uint8_t* MessageBytes() const { return message_; }
    ICommPort& Port() { return port_; }

protected:
    // Module messages and terminal input.
    int32_t CollectMessage(const uint8_t* data, int32_t n, CORULinker* linker, int32_t start);
    void DispatchMessage(CORULinker* linker);
    void SendTerminalInput();

    struct WaitLimit {
        int64_t start;
        int64_t timeoutMs;
    };
    // Returns once a byte is waiting; IDE-22 once a limit has passed first.
    void WaitForData(std::initializer_list<WaitLimit> limits);
    uint8_t ReadByteOrRaise();
    void StartPacket(int32_t& count, bool& escape, int64_t& start);

    ICommPort& port_;
    ILinkHost& host_;
    IClock& clock_;

    bool running_ = false;
    bool messageEscape_ = false;
    bool inMessage_ = false;
    uint8_t message_[MessageCapacity] = {};
    int32_t messageLength_ = 0;
    int32_t echoCount_ = 0;
    uint8_t keyQueue_[KeyQueueCapacity] = {};
    int32_t keyCount_ = 0;
    std::string portName_;
    std::string deviceType_;
    std::string firmwareVersion_;
    bool loopbackFound_ = false;
    bool echoFound_ = false;
    bool statusRead_ = false;
    FILE** sendFile_ = nullptr;
};

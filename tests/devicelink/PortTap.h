#pragma once
#include <cerrno>
#include <functional>
#include <map>

#include "devicelink/CommPort.h"

// A port between the link and another port that lets a test break it: the
// open fails, reads fail, or a hook sees every byte before it goes out.
class PortTap : public ICommPort {
public:
    explicit PortTap(ICommPort& inner) : inner_(inner) {}

    int ComPort() const override { return inner_.ComPort(); }
    void SetComPort(int port) override { inner_.SetComPort(port); }
    bool Connect() override
    {
        if (failOpen) {
            error_ = ENOENT;
            return false;
        }
        return inner_.Connect();
    }
    void Disconnect() override { inner_.Disconnect(); }
    bool Connected() const override { return inner_.Connected(); }
    int32_t SendData(const uint8_t* data, int32_t count) override
    {
        if (onSend)
            for (int32_t i = 0; i < count; ++i) onSend(data[i]);
        return inner_.SendData(data, count);
    }
    bool ReadChar(uint8_t& c) override
    {
        if (failReads) {
            error_ = EIO;
            return false;
        }
        return inner_.ReadChar(c);
    }
    int32_t CharCount() override { return inner_.CharCount(); }
    int32_t OutFreeSpace() override { return inner_.OutFreeSpace(); }
    void FlushBuffers(bool input, bool output) override { inner_.FlushBuffers(input, output); }
    void ToggleDTR(bool on) override { inner_.ToggleDTR(on); }
    void ToggleRTS(bool on) override { inner_.ToggleRTS(on); }
    bool ReadDSR() override { return inner_.ReadDSR(); }
    bool WaitReadable(int32_t timeoutMs) override { return inner_.WaitReadable(timeoutMs); }
    int32_t GetLastError() const override { return error_ ? error_ : inner_.GetLastError(); }
    std::string DevicePath() const override { return devicePath; }

    bool failOpen = false;
    bool failReads = false;
    std::string devicePath;
    std::function<void(uint8_t)> onSend;

private:
    ICommPort& inner_;
    int32_t error_ = 0;
};

// Several ports behind one: the selected port index picks the one that
// answers. A port without an entry does not exist (ENOENT on open).
class PortBank : public ICommPort {
public:
    void Add(int portIndex, ICommPort& port) { ports_[portIndex] = &port; }

    int ComPort() const override { return selected_; }
    void SetComPort(int port) override
    {
        if (!Connected()) selected_ = port;
    }
    bool Connect() override
    {
        if (ICommPort* port = Selected()) return port->Connect();
        error_ = ENOENT;
        return false;
    }
    void Disconnect() override { Call([](ICommPort& p) { p.Disconnect(); }); }
    bool Connected() const override
    {
        auto it = ports_.find(selected_);
        return it != ports_.end() && it->second->Connected();
    }
    int32_t SendData(const uint8_t* data, int32_t count) override
    {
        ICommPort* port = Selected();
        return port ? port->SendData(data, count) : 0;
    }
    bool ReadChar(uint8_t& c) override
    {
        ICommPort* port = Selected();
        return port && port->ReadChar(c);
    }
    int32_t CharCount() override
    {
        ICommPort* port = Selected();
        return port ? port->CharCount() : -1;
    }
    int32_t OutFreeSpace() override { return 2048; }
    void FlushBuffers(bool input, bool output) override
    {
        Call([&](ICommPort& p) { p.FlushBuffers(input, output); });
    }
    void ToggleDTR(bool on) override { Call([&](ICommPort& p) { p.ToggleDTR(on); }); }
    void ToggleRTS(bool on) override { Call([&](ICommPort& p) { p.ToggleRTS(on); }); }
    bool ReadDSR() override
    {
        ICommPort* port = Selected();
        return port && port->ReadDSR();
    }
    bool WaitReadable(int32_t timeoutMs) override
    {
        ICommPort* port = Selected();
        return port && port->WaitReadable(timeoutMs);
    }
    int32_t GetLastError() const override { return error_; }
    std::string DevicePath() const override { return "/dev/ttyTEST" + std::to_string(selected_); }

private:
    ICommPort* Selected()
    {
        auto it = ports_.find(selected_);
        return it == ports_.end() ? nullptr : it->second;
    }
    template <typename F>
    void Call(F f)
    {
        if (ICommPort* port = Selected()) f(*port);
    }

    std::map<int, ICommPort*> ports_;
    int selected_ = 0;
    int32_t error_ = 0;
};

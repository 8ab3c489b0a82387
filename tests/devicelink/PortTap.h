#pragma once
#include <cerrno>
#include <functional>
#include <map>

#include "devicelink/CommPort.h"

// A port that passes every call to the port Target() names; without one the
// calls give a closed port's results.
class ForwardingPort : public ICommPort {
public:
    int ComPort() const override { return Target() ? Target()->ComPort() : 0; }
    void SetComPort(int port) override
    {
        if (ICommPort* p = Target()) p->SetComPort(port);
    }
    bool Connect() override { return Target() && Target()->Connect(); }
    void Disconnect() override
    {
        if (ICommPort* p = Target()) p->Disconnect();
    }
    bool Connected() const override { return Target() && Target()->Connected(); }
    int32_t SendData(const uint8_t* data, int32_t count) override
    {
        return Target() ? Target()->SendData(data, count) : 0;
    }
    bool ReadChar(uint8_t& c) override { return Target() && Target()->ReadChar(c); }
    int32_t CharCount() override { return Target() ? Target()->CharCount() : -1; }
    int32_t OutFreeSpace() override { return Target() ? Target()->OutFreeSpace() : 65535; }
    void FlushBuffers(bool input, bool output) override
    {
        if (ICommPort* p = Target()) p->FlushBuffers(input, output);
    }
    void ToggleDTR(bool on) override
    {
        if (ICommPort* p = Target()) p->ToggleDTR(on);
    }
    void ToggleRTS(bool on) override
    {
        if (ICommPort* p = Target()) p->ToggleRTS(on);
    }
    bool ReadDSR() override { return Target() && Target()->ReadDSR(); }
    bool WaitReadable(int32_t timeoutMs) override { return Target() && Target()->WaitReadable(timeoutMs); }
    int32_t GetLastError() const override { return error_ ? error_ : Target() ? Target()->GetLastError() : 0; }

protected:
    virtual ICommPort* Target() const = 0;
    int32_t error_ = 0;
};

// A port between the link and another port that lets a test break it: the
// open fails, reads fail, or a hook sees every byte before it goes out.
class PortTap : public ForwardingPort {
public:
    explicit PortTap(ICommPort& inner) : inner_(inner) {}

    bool Connect() override
    {
        if (failOpen) {
            error_ = openError;
            return false;
        }
        return inner_.Connect();
    }
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
    std::string DevicePath() const override { return devicePath; }

    bool failOpen = false;
    int32_t openError = ENOENT;
    bool failReads = false;
    std::string devicePath;
    std::function<void(uint8_t)> onSend;

private:
    ICommPort* Target() const override { return &inner_; }

    ICommPort& inner_;
};

// Several ports behind one: the selected port index picks the one that
// answers. A port without an entry does not exist (ENOENT on open).
class PortBank : public ForwardingPort {
public:
    void Add(int portIndex, ICommPort& port) { ports_[portIndex] = &port; }

    int ComPort() const override { return selected_; }
    void SetComPort(int port) override
    {
        if (!Connected()) selected_ = port;
    }
    bool Connect() override
    {
        error_ = ENOENT;
        if (!Target()) return false;
        const bool open = Target()->Connect();
        error_ = open ? 0 : Target()->GetLastError();
        return open;
    }
    int32_t GetLastError() const override { return error_; }
    std::string DevicePath() const override { return "/dev/ttyTEST" + std::to_string(selected_); }

private:
    ICommPort* Target() const override
    {
        auto it = ports_.find(selected_);
        return it == ports_.end() ? nullptr : it->second;
    }

    std::map<int, ICommPort*> ports_;
    int selected_ = 0;
};

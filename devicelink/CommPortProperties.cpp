#include "devicelink/CommPortDriver.h"

void TCommPortDriver::SetComPort(int port)
{
    if (Connected() || port < 0 || port >= ComPortCount) return;
    comPort_ = port;
}

void TCommPortDriver::SetComPortSpeed(TComPortBaudRate value)
{
    speed_ = value;
    ApplyCOMSettings();
}

void TCommPortDriver::SetComPortDataBits(TComPortDataBits value)
{
    dataBits_ = value;
    ApplyCOMSettings();
}

void TCommPortDriver::SetComPortStopBits(TComPortStopBits value)
{
    stopBits_ = value;
    ApplyCOMSettings();
}

void TCommPortDriver::SetComPortParity(TComPortParity value)
{
    parity_ = value;
    ApplyCOMSettings();
}

void TCommPortDriver::SetComPortHwHandshaking(TComPortHwHandshaking value)
{
    hwHandshaking_ = value;
    ApplyCOMSettings();
}

void TCommPortDriver::SetComPortSwHandshaking(TComPortSwHandshaking value)
{
    swHandshaking_ = value;
    ApplyCOMSettings();
}

void TCommPortDriver::SetComPortInBufSize(uint16_t value)
{
    std::lock_guard guard(lock_);
    if (Connected() || value == 0) return;
    inBufSize_ = value;
    receiveBuffer_.assign(inBufSize_, 0);
    SetPacketSize(packetSize_);
}

void TCommPortDriver::SetComPortOutBufSize(uint16_t value)
{
    if (Connected()) return;
    outBufSize_ = value;
}

void TCommPortDriver::SetPacketSize(int16_t value)
{
    std::lock_guard guard(lock_);
    packetSize_ = value < 1 ? int16_t(-1) : value;
    if (packetSize_ > int32_t(inBufSize_) && !Connected()) {
        inBufSize_ = uint16_t(2 * packetSize_);
        receiveBuffer_.assign(inBufSize_, 0);
    }
}

void TCommPortDriver::SetPacketTimeout(int32_t value)
{
    packetTimeout_ = value < 1 ? -1 : value;
    if (packetTimeout_ > 0 && packetTimeout_ < pollingDelay_) packetTimeout_ = pollingDelay_ + 250;
}

void TCommPortDriver::SetComPortPollingDelay(uint16_t value)
{
    if (value == 0) value = 1;
    if (value != pollingDelay_) {
        pollingDelay_ = value;
        NotifyPollListener();
    }
    SetPacketTimeout(packetTimeout_);
}

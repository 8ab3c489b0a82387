#include "devicelink/CommPortDriver.h"

#include <algorithm>
#include <cerrno>

void TCommPortDriver::SetPollListener(std::function<void()> listener)
{
    std::lock_guard guard(lock_);
    pollListener_ = std::move(listener);
}

void TCommPortDriver::NotifyPollListener()
{
    std::lock_guard guard(lock_);
    if (pollListener_) pollListener_();
}

void TCommPortDriver::SetOnReceiveData(ReceiveDataEvent handler)
{
    std::lock_guard guard(lock_);
    onReceiveData_ = std::move(handler);
}

void TCommPortDriver::SetOnReceivePacket(ReceivePacketEvent handler)
{
    std::lock_guard guard(lock_);
    onReceivePacket_ = std::move(handler);
}

bool TCommPortDriver::HasReceiveHandler() const
{
    std::lock_guard guard(lock_);
    return bool(onReceiveData_);
}

void TCommPortDriver::Poll()
{
    std::lock_guard guard(lock_);
    if (!Connected() || !onReceiveData_) return;
    if (packetSize_ < 1)
        PollStream();
    else
        PollPackets();
}

void TCommPortDriver::SetOnLineError(LineErrorEvent handler)
{
    std::lock_guard guard(lock_);
    onLineError_ = std::move(handler);
}

void TCommPortDriver::PollStream()
{
    int32_t got = device_.Read(receiveBuffer_.data(), int32_t(receiveBuffer_.size()));
    if (got > 0) {
        // A copy of the handler: it may detach itself while it runs.
        ReceiveDataEvent handler = onReceiveData_;
        handler(*this, receiveBuffer_.data(), got);
        return;
    }
    const int error = errno;
    if (error != EAGAIN && error != EWOULDBLOCK)
        LineFailed(error);
    else if (device_.HungUp())
        LineFailed(EIO);
}

bool TCommPortDriver::HungUp()
{
    return Connected() && device_.InputCount() <= 0 && device_.HungUp();
}

// The port is closed first, so that the failure is told once.
void TCommPortDriver::LineFailed(int32_t error)
{
    Disconnect();
    lastError_ = error;
    LineErrorEvent handler = onLineError_;
    if (handler) handler(*this, error);
}

void TCommPortDriver::FirePacket(int32_t size, int64_t elapsedMs)
{
    if (!onReceivePacket_) return;
    ReceivePacketEvent handler = onReceivePacket_;
    handler(*this, receiveBuffer_.data(), size, elapsedMs);
}

void TCommPortDriver::PollPackets()
{
    const int32_t size = std::min<int32_t>(packetSize_, int32_t(receiveBuffer_.size()));
    int32_t queued = CharCount();
    int64_t now = clock_.TickCount();
    if (queued >= size) {
        int64_t elapsed = packetStart_ < 0 ? 0 : now - packetStart_;
        while (Connected() && queued >= size) {
            if (device_.Read(receiveBuffer_.data(), size) != size) break;
            queued -= size;
            FirePacket(size, elapsed);
            if (queued >= size) {
                // The next whole packet arrived a packet's time later.
                int32_t step = DelayForRX(speed_, size);
                elapsed += step;
                if (packetStart_ >= 0) packetStart_ += step;
            }
        }
        if (queued == 0) packetStart_ = -1;
        return;
    }
    if (queued > 0 && packetTimeout_ > 0 && packetStart_ >= 0) {
        if (now - packetStart_ > packetTimeout_) {
            int32_t got = device_.Read(receiveBuffer_.data(), queued);
            if (got > 0 && packetMode_ == pmPass) FirePacket(got, now - packetStart_);
            packetStart_ = -1;
        }
        return;
    }
    if (queued > 0 && packetStart_ < 0) packetStart_ = now;
}

#include "devicelink/CommPortDriver.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/ioctl.h>

#include "devicelink/SerialLineSettings.h"
#include "platform/ComPortMap.h"

namespace {

constexpr int32_t ClosedOutFreeSpace = 65535;
constexpr int64_t OutputRetryMs = 2;

SerialLineSettings LineSettingsOf(const TCommPortDriver& port)
{
    SerialLineSettings s;
    s.baud = BaudRateOf(port.ComPortSpeed());
    s.dataBits = int(port.ComPortDataBits()) + 5;
    s.parity = SerialLineSettings::Parity(port.ComPortParity());
    s.twoStopBits = port.ComPortStopBits() != sb1BITS;
    s.rtsCtsFlow = port.ComPortHwHandshaking() == hhRTSCTS;
    s.xonXoffFlow = port.ComPortSwHandshaking() == shXONXOFF;
    return s;
}

}  // namespace

TCommPortDriver::TCommPortDriver(IClock* clock)
    : clock_(clock ? *clock : systemClock_),
      resolver_([](int index) { return ComPortDevicePath(index + 1); }),
      receiveBuffer_(inBufSize_)
{
}

TCommPortDriver::~TCommPortDriver()
{
    Disconnect();
}

void TCommPortDriver::NoteError()
{
    lastError_ = errno;
}

bool TCommPortDriver::Connect()
{
    {
        std::lock_guard guard(lock_);
        if (Connected()) return true;
        if (!device_.Open(resolver_(comPort_))) {
            NoteError();
            return false;
        }
        // Linux raised DTR and RTS inside open(); the settings set them as wanted.
        dtr_ = rts_ = true;
        ApplyCOMSettings();
        if (modem_.Open(ModemSocketPath(comPort_))) {
            modem_.SendLine("DTR", dtr_);
            modem_.SendLine("RTS", rts_);
        }
    }
    NotifyPollListener();
    return Connected();
}

void TCommPortDriver::Disconnect()
{
    {
        std::lock_guard guard(lock_);
        if (!Connected()) return;
        modem_.Close();
        device_.Close();
        packetStart_ = -1;
    }
    NotifyPollListener();
}

void TCommPortDriver::ApplyCOMSettings()
{
    if (!Connected()) return;
    if (!ApplySerialLineSettings(device_.Fd(), LineSettingsOf(*this))) NoteError();
    // The modem lines as the line settings leave them: DTR as EnableDTROnOpen
    // asks, RTS low unless the handshake drives it.
    ToggleDTR(enableDTROnOpen_);
    if (hwHandshaking_ != hhRTSCTS) ToggleRTS(false);
    FlushBuffers(true, true);
}

void TCommPortDriver::SetComHandle(int fd)
{
    {
        std::lock_guard guard(lock_);
        if (fd == device_.Fd()) return;
        if (fd == InvalidHandle) {
            device_.Release();
            modem_.Close();
        } else {
            modem_.Close();
            device_.Close();
            if (fd >= 0) device_.Adopt(fd);
        }
        packetStart_ = -1;
    }
    NotifyPollListener();
}

int32_t TCommPortDriver::SendData(const uint8_t* data, int32_t count)
{
    if (!Connected()) return 0;
    int32_t written = 0;
    int64_t lastProgress = clock_.TickCount();
    while (written < count) {
        int32_t room = OutFreeSpace();
        int32_t put = 0;
        if (room > 0) {
            put = device_.Write(data + written, std::min(room, count - written));
            if (put < 0) {
                NoteError();
                return written;
            }
        }
        if (put > 0) {
            written += put;
            lastProgress = clock_.TickCount();
            continue;
        }
        if (clock_.TickCount() - lastProgress > outputTimeout_) {
            lastError_ = EAGAIN;
            return -written;
        }
        clock_.Sleep(OutputRetryMs);
    }
    return written;
}

bool TCommPortDriver::SendString(const std::string& text)
{
    return SendData(reinterpret_cast<const uint8_t*>(text.data()), int32_t(text.size())) == int32_t(text.size());
}

bool TCommPortDriver::SendZString(const char* text)
{
    return text && SendString(std::string(text));
}

bool TCommPortDriver::ReadChar(uint8_t& c)
{
    if (!Connected()) return false;
    if (device_.ReadByte(c)) return true;
    NoteError();
    return false;
}

int32_t TCommPortDriver::CharCount()
{
    if (!Connected()) return -1;
    int32_t count = device_.InputCount();
    if (count >= 0) return count;
    NoteError();
    return 0;
}

int32_t TCommPortDriver::OutFreeSpace()
{
    if (!Connected()) return ClosedOutFreeSpace;
    // A pseudo-terminal always reports an empty queue: a write that takes
    // nothing then counts as no room (SendData).
    int32_t queued = device_.OutputCount();
    if (queued < 0) queued = 0;
    return std::max(0, int32_t(outBufSize_) - queued);
}

void TCommPortDriver::FlushBuffers(bool input, bool output)
{
    if (!Connected()) return;
    if (!device_.Flush(input, output)) NoteError();
    packetStart_ = -1;
}

void TCommPortDriver::ToggleDTR(bool on)
{
    SetModemLine("DTR", TIOCM_DTR, on, dtr_);
}

void TCommPortDriver::ToggleRTS(bool on)
{
    SetModemLine("RTS", TIOCM_RTS, on, rts_);
}

// The modem socket hears only of changes; a terminal's line is set each time.
void TCommPortDriver::SetModemLine(const char* name, int bit, bool on, bool& level)
{
    if (!Connected()) return;
    if (modem_.IsOpen()) {
        if (on != level) modem_.SendLine(name, on);
    } else if (!device_.SetModemBits(bit, on)) {
        NoteError();
    }
    level = on;
}

bool TCommPortDriver::ReadDSR()
{
    if (!Connected()) return false;
    if (modem_.IsOpen()) return modem_.QueryDSR();
    int bits = 0;
    if (!device_.GetModemBits(bits)) {
        NoteError();
        return false;
    }
    return (bits & TIOCM_DSR) != 0;
}

bool TCommPortDriver::WaitReadable(int32_t timeoutMs)
{
    if (!Connected()) return false;
    if (CharCount() > 0) return true;
    int64_t start = clock_.TickCount();
    bool woke = device_.WaitReadable(timeoutMs);
    if (CharCount() > 0) return true;
    // A hung-up line wakes poll at once; wait out the time instead of spinning.
    int64_t left = timeoutMs - (clock_.TickCount() - start);
    if (woke && left > 0) clock_.Sleep(left);
    return false;
}

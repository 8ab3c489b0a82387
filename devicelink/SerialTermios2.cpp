// The kernel's termios2 interface, for exact non-standard rates. Its header
// clashes with <termios.h>, so nothing else may live in this file.
#include <asm/ioctls.h>
#include <asm/termbits.h>
#include <sys/ioctl.h>

#include "devicelink/SerialLineSettings.h"

namespace {

tcflag_t DataBitsFlag(int bits)
{
    switch (bits) {
    case 5: return CS5;
    case 6: return CS6;
    case 7: return CS7;
    default: return CS8;
    }
}

int DataBitsOf(tcflag_t cflag)
{
    switch (cflag & CSIZE) {
    case CS5: return 5;
    case CS6: return 6;
    case CS7: return 7;
    default: return 8;
    }
}

tcflag_t ParityFlags(SerialLineSettings::Parity parity)
{
    using P = SerialLineSettings::Parity;
    switch (parity) {
    case P::Odd: return PARENB | PARODD;
    case P::Even: return PARENB;
    case P::Mark: return PARENB | PARODD | CMSPAR;
    case P::Space: return PARENB | CMSPAR;
    default: return 0;
    }
}

SerialLineSettings::Parity ParityOf(tcflag_t cflag)
{
    using P = SerialLineSettings::Parity;
    if (!(cflag & PARENB)) return P::None;
    if (cflag & CMSPAR) return (cflag & PARODD) ? P::Mark : P::Space;
    return (cflag & PARODD) ? P::Odd : P::Even;
}

}  // namespace

bool ApplySerialLineSettings(int fd, const SerialLineSettings& s)
{
    struct termios2 tio {};
    if (ioctl(fd, TCGETS2, &tio) != 0) return false;

    tio.c_iflag &= ~(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | IXON | IXOFF | IXANY |
                     INPCK | IUCLC | IMAXBEL);
    if (s.xonXoffFlow) tio.c_iflag |= IXON | IXOFF;
    tio.c_oflag &= ~OPOST;
    tio.c_lflag &= ~(ECHO | ECHOE | ECHOK | ECHONL | ICANON | ISIG | IEXTEN);

    tio.c_cflag &= ~(CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS | CBAUD | (CBAUD << IBSHIFT));
    tio.c_cflag |= DataBitsFlag(s.dataBits) | ParityFlags(s.parity) | CLOCAL | CREAD | BOTHER |
                   (BOTHER << IBSHIFT);
    if (s.twoStopBits) tio.c_cflag |= CSTOPB;
    if (s.rtsCtsFlow) tio.c_cflag |= CRTSCTS;
    tio.c_ispeed = s.baud;
    tio.c_ospeed = s.baud;

    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    tio.c_cc[VSTART] = s.xonChar;
    tio.c_cc[VSTOP] = s.xoffChar;
    return ioctl(fd, TCSETS2, &tio) == 0;
}

bool ReadSerialLineSettings(int fd, SerialLineSettings& s, bool& raw)
{
    struct termios2 tio {};
    if (ioctl(fd, TCGETS2, &tio) != 0) return false;
    s.baud = tio.c_ospeed;
    s.dataBits = DataBitsOf(tio.c_cflag);
    s.parity = ParityOf(tio.c_cflag);
    s.twoStopBits = (tio.c_cflag & CSTOPB) != 0;
    s.rtsCtsFlow = (tio.c_cflag & CRTSCTS) != 0;
    s.xonXoffFlow = (tio.c_iflag & IXON) != 0;
    s.xonChar = tio.c_cc[VSTART];
    s.xoffChar = tio.c_cc[VSTOP];
    raw = !(tio.c_lflag & (ICANON | ECHO | ISIG | IEXTEN)) && !(tio.c_oflag & OPOST) &&
          !(tio.c_iflag & (ICRNL | INLCR | IGNCR | ISTRIP));
    return true;
}

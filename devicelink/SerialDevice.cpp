#include "devicelink/SerialDevice.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

bool SerialDevice::Open(const std::string& path)
{
    Close();
    int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    if (!isatty(fd) || ioctl(fd, TIOCEXCL) != 0 || flock(fd, LOCK_EX | LOCK_NB) != 0) {
        int error = errno == EWOULDBLOCK ? EBUSY : errno;
        ::close(fd);
        errno = error;
        return false;
    }
    fd_ = fd;
    return true;
}

void SerialDevice::Adopt(int fd)
{
    Close();
    fd_ = fd;
}

void SerialDevice::Close()
{
    if (fd_ < 0) return;
    int error = errno;
    // The exclusive flag outlives this descriptor when another one is open.
    ioctl(fd_, TIOCNXCL);
    ::close(fd_);
    fd_ = -1;
    errno = error;
}

bool SerialDevice::ReadByte(uint8_t& c)
{
    uint8_t byte;
    if (Read(&byte, 1) != 1) return false;
    c = byte;
    return true;
}

int32_t SerialDevice::Read(uint8_t* data, int32_t n)
{
    if (fd_ < 0) {
        errno = EBADF;
        return -1;
    }
    ssize_t got;
    do got = ::read(fd_, data, size_t(n));
    while (got < 0 && errno == EINTR);
    if (got == 0) errno = EAGAIN;
    return got <= 0 ? -1 : int32_t(got);
}

int32_t SerialDevice::Write(const uint8_t* data, int32_t n)
{
    if (fd_ < 0) {
        errno = EBADF;
        return -1;
    }
    ssize_t put;
    do put = ::write(fd_, data, size_t(n));
    while (put < 0 && errno == EINTR);
    if (put < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return 0;
    return put < 0 ? -1 : int32_t(put);
}

int32_t SerialDevice::InputCount()
{
    int count = 0;
    return ioctl(fd_, FIONREAD, &count) == 0 ? count : -1;
}

int32_t SerialDevice::OutputCount()
{
    int count = 0;
    return ioctl(fd_, TIOCOUTQ, &count) == 0 ? count : -1;
}

bool SerialDevice::Flush(bool input, bool output)
{
    if (!input && !output) return true;
    int which = input && output ? TCIOFLUSH : input ? TCIFLUSH : TCOFLUSH;
    return tcflush(fd_, which) == 0;
}

bool SerialDevice::SetModemBits(int bits, bool on)
{
    return ioctl(fd_, on ? TIOCMBIS : TIOCMBIC, &bits) == 0;
}

bool SerialDevice::GetModemBits(int& bits)
{
    return ioctl(fd_, TIOCMGET, &bits) == 0;
}

bool SerialDevice::WaitReadable(int32_t ms)
{
    if (fd_ < 0) return false;
    pollfd p{fd_, POLLIN, 0};
    int ready;
    do ready = ::poll(&p, 1, ms < 0 ? 0 : ms);
    while (ready < 0 && errno == EINTR);
    return ready > 0;
}

bool SerialDevice::Writable()
{
    if (fd_ < 0) return false;
    pollfd p{fd_, POLLOUT, 0};
    return ::poll(&p, 1, 0) > 0 && (p.revents & POLLOUT);
}

bool SerialDevice::HungUp()
{
    if (fd_ < 0) return false;
    pollfd p{fd_, POLLIN, 0};
    return ::poll(&p, 1, 0) > 0 && (p.revents & (POLLHUP | POLLERR | POLLNVAL));
}

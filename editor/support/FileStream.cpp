#include "editor/support/FileStream.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "editor/support/SrcExceptions.h"

namespace {

bool IsRegularFile(int fd) {
    struct stat info {};
    return ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
}

}  // namespace

TFileStream::TFileStream(const std::string& FileName, TFileMode Mode) : fileName_(FileName) {
    switch (Mode) {
    case fmOpenRead:
        // Non-blocking, so that opening a pipe cannot hang; only regular
        // files are read.
        fd_ = ::open(FileName.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd_ >= 0 && !IsRegularFile(fd_)) {
            ::close(fd_);
            fd_ = -1;
            errno = EISDIR;
            struct stat info {};
            if (::stat(FileName.c_str(), &info) == 0 && !S_ISDIR(info.st_mode)) {
                errno = EINVAL;
            }
        }
        break;
    case fmOpenReadWrite:
        fd_ = ::open(FileName.c_str(), O_RDWR | O_CLOEXEC);
        break;
    case fmCreate:
        fd_ = ::open(FileName.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
        if (fd_ < 0) {
            throw EFCreateError(FormatText("Cannot create file \"%s\". %s", FileName.c_str(), std::strerror(errno)));
        }
        return;
    }
    if (fd_ < 0) {
        throw EFOpenError(FormatText("Cannot open file \"%s\". %s", FileName.c_str(), std::strerror(errno)));
    }
}

TFileStream::~TFileStream() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

size_t TFileStream::Read(void* Buffer, size_t Count) {
    int error = 0;
    size_t done = ReadFully(fd_, Buffer, Count, error);
    if (error != 0) {
        throw EReadError(FormatText("Cannot read file \"%s\". %s", fileName_.c_str(), std::strerror(error)));
    }
    return done;
}

size_t TFileStream::Write(const void* Buffer, size_t Count) {
    int error = 0;
    size_t done = WriteFully(fd_, Buffer, Count, error);
    if (error != 0) {
        throw EWriteError(FormatText("Cannot write file \"%s\". %s", fileName_.c_str(), std::strerror(error)));
    }
    return done;
}

int64_t TFileStream::Seek(int64_t Offset, TSeekOrigin Origin) {
    int whence = Origin == soBeginning ? SEEK_SET : Origin == soCurrent ? SEEK_CUR : SEEK_END;
    off_t position = ::lseek(fd_, static_cast<off_t>(Offset), whence);
    if (position < 0) {
        throw EStreamError(FormatText("Cannot seek in \"%s\". %s", fileName_.c_str(), std::strerror(errno)));
    }
    return static_cast<int64_t>(position);
}

namespace {

// Calls Transfer until Count bytes moved, retrying interrupted calls.
template <typename Byte, typename Call>
size_t TransferFully(Call Transfer, int fd, Byte* Buffer, size_t Count, int& Error) {
    Error = 0;
    size_t done = 0;
    while (done < Count) {
        ssize_t n = Transfer(fd, Buffer + done, Count - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            Error = errno;
        }
        if (n <= 0) {
            break;
        }
        done += static_cast<size_t>(n);
    }
    return done;
}

}  // namespace

size_t ReadFully(int fd, void* Buffer, size_t Count, int& Error) {
    return TransferFully(::read, fd, static_cast<char*>(Buffer), Count, Error);
}

size_t WriteFully(int fd, const void* Buffer, size_t Count, int& Error) {
    return TransferFully(::write, fd, static_cast<const char*>(Buffer), Count, Error);
}

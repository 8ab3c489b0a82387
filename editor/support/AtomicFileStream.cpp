#include "editor/support/AtomicFileStream.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "editor/support/FileStream.h"
#include "editor/support/SrcExceptions.h"

namespace {

constexpr int kMaxLinkDepth = 40;
constexpr size_t kMaxTempStem = 200;

std::string DirectoryOf(const std::string& path) {
    size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string BaseNameOf(const std::string& path) {
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

mode_t DefaultFileMode() {
    mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

std::string ResolveSymbolicLinks(const std::string& FileName) {
    std::string path = FileName;
    for (int depth = 0; depth < kMaxLinkDepth; ++depth) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            return path;
        }
        std::vector<char> target(static_cast<size_t>(info.st_size > 0 ? info.st_size : 255) + 1);
        ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
        if (n < 0 || static_cast<size_t>(n) >= target.size()) {
            return path;
        }
        std::string link(target.data(), static_cast<size_t>(n));
        path = link.front() == '/' ? link : DirectoryOf(path) + "/" + link;
    }
    return path;
}

TAtomicFileStream::TAtomicFileStream(const std::string& FileName)
    : fileName_(FileName), target_(ResolveSymbolicLinks(FileName)) {
    struct stat info {};
    bool exists = ::stat(target_.c_str(), &info) == 0;
    if (!exists && errno == ELOOP) {
        // Links that never reach a file: replacing one would lose it.
        throw EFCreateError(FormatText("Cannot create file \"%s\". %s", FileName.c_str(), std::strerror(ELOOP)));
    }
    if (exists && !S_ISREG(info.st_mode)) {
        OpenInPlace(true);
        return;
    }
    if (exists) {
        // Refuse a file that may not be written before anything changes.
        int probe = ::open(target_.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        if (probe < 0) {
            throw EFCreateError(FormatText("Cannot create file \"%s\". %s", FileName.c_str(), std::strerror(errno)));
        }
        ::close(probe);
        mode_ = info.st_mode & 07777;
        owner_ = info.st_uid;
        group_ = info.st_gid;
        keepOwner_ = true;
    } else {
        mode_ = DefaultFileMode();
    }
    // A shortened name keeps the temporary name within the file name limit.
    std::string pattern = DirectoryOf(target_) + "/." + BaseNameOf(target_).substr(0, kMaxTempStem) + ".XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    fd_ = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd_ < 0) {
        int error = errno;
        if (error != EACCES && error != EPERM && error != EROFS) {
            // Writing in place would lose the old file if the write failed too.
            throw EFCreateError(FormatText("Cannot create file \"%s\". %s", FileName.c_str(), std::strerror(error)));
        }
        OpenInPlace(exists);
        return;
    }
    tempName_ = name.data();
}

void TAtomicFileStream::OpenInPlace(bool exists) {
    // Non-blocking, so that a pipe without a reader fails instead of hanging.
    int flags = O_WRONLY | O_TRUNC | O_NONBLOCK | O_CLOEXEC | (exists ? 0 : O_CREAT);
    fd_ = ::open(target_.c_str(), flags, 0666);
    if (fd_ < 0) {
        throw EFCreateError(FormatText("Cannot create file \"%s\". %s", fileName_.c_str(), std::strerror(errno)));
    }
}

TAtomicFileStream::~TAtomicFileStream() { Discard(); }

void TAtomicFileStream::Discard() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!tempName_.empty()) {
        ::unlink(tempName_.c_str());
        tempName_.clear();
    }
}

void TAtomicFileStream::Fail(const char* what, int error) {
    Discard();
    throw EWriteError(FormatText("Cannot %s file \"%s\". %s", what, fileName_.c_str(), std::strerror(error)));
}

size_t TAtomicFileStream::Read(void*, size_t) { throw EReadError("Stream read error"); }

size_t TAtomicFileStream::Write(const void* Buffer, size_t Count) {
    if (fd_ < 0) {
        throw EWriteError("Stream write error");
    }
    int error = 0;
    size_t done = WriteFully(fd_, Buffer, Count, error);
    if (done < Count) {
        Fail("write", error != 0 ? error : EIO);
    }
    written_ += static_cast<int64_t>(done);
    return done;
}

int64_t TAtomicFileStream::Seek(int64_t Offset, TSeekOrigin Origin) {
    if (Offset != 0 || Origin == soBeginning) {
        throw EStreamError(FormatText("Cannot seek in \"%s\". %s", fileName_.c_str(), std::strerror(ESPIPE)));
    }
    return written_;
}

void TAtomicFileStream::Commit() {
    if (fd_ < 0) {
        throw EWriteError("Stream write error");
    }
    if (InPlace()) {
        int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0) {
            Fail("write", errno);
        }
        return;
    }
    if (::fsync(fd_) != 0) {
        Fail("write", errno);
    }
    if (::fchmod(fd_, mode_) != 0) {
        Fail("write", errno);
    }
    if (keepOwner_ && ::fchown(fd_, owner_, group_) != 0) {
        // Only a privileged process may give the file away; keep ours.
    }
    int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) {
        Fail("write", errno);
    }
    if (::rename(tempName_.c_str(), target_.c_str()) != 0) {
        Fail("replace", errno);
    }
    tempName_.clear();
    int dir = ::open(DirectoryOf(target_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

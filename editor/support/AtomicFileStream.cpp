#include "editor/support/AtomicFileStream.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "editor/support/FileRoom.h"
#include "editor/support/FileStream.h"
#include "editor/support/SrcExceptions.h"

namespace {

constexpr int kMaxLinkDepth = 40;
constexpr size_t kMaxTempStem = 200;
constexpr size_t kSuffixLength = 6;
constexpr int kNameAttempts = 100;
constexpr const char kSuffixLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

bool useUnnamedFiles = true;
void (*beforeEachStep)() = nullptr;

void Step() {
    if (beforeEachStep != nullptr) {
        beforeEachStep();
    }
}

// File times come from the coarse clock; so does this.
timespec CoarseNow() {
    timespec now {};
    ::clock_gettime(CLOCK_REALTIME_COARSE, &now);
    return now;
}

const timespec processStart = CoarseNow();

bool Before(const timespec& a, const timespec& b) {
    return a.tv_sec != b.tv_sec ? a.tv_sec < b.tv_sec : a.tv_nsec < b.tv_nsec;
}

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

// The temporary names of a target are this prefix and a suffix of six
// letters or digits; a shortened stem keeps them within the name limit.
std::string TempPrefix(const std::string& target) {
    return "." + BaseNameOf(target).substr(0, kMaxTempStem) + ".";
}

std::string RandomSuffix() {
    unsigned char bytes[kSuffixLength] {};
    if (::getrandom(bytes, sizeof bytes, 0) != static_cast<ssize_t>(sizeof bytes)) {
        for (unsigned char& b : bytes) {
            b = static_cast<unsigned char>(std::rand());
        }
    }
    std::string suffix;
    for (unsigned char b : bytes) {
        suffix += kSuffixLetters[b % (sizeof kSuffixLetters - 1)];
    }
    return suffix;
}

bool IsTempName(const std::string& name, const std::string& prefix) {
    if (name.size() != prefix.size() + kSuffixLength || name.compare(0, prefix.size(), prefix) != 0) {
        return false;
    }
    return name.find_first_not_of(kSuffixLetters, prefix.size()) == std::string::npos;
}

// Removes temporary files of the target that a killed save of an earlier
// run left: regular files of ours, named by the pattern, older than this run.
void RemoveLeftovers(const std::string& target) {
    DIR* dir = ::opendir(DirectoryOf(target).c_str());
    if (dir == nullptr) {
        return;
    }
    const std::string prefix = TempPrefix(target);
    while (dirent* entry = ::readdir(dir)) {
        std::string name = entry->d_name;
        struct stat info {};
        if (!IsTempName(name, prefix) || ::fstatat(::dirfd(dir), name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) {
            continue;
        }
        if (S_ISREG(info.st_mode) && info.st_uid == ::geteuid() && Before(info.st_mtim, processStart)) {
            ::unlinkat(::dirfd(dir), name.c_str(), 0);
        }
    }
    ::closedir(dir);
}

mode_t DefaultFileMode() {
    mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

bool IsRefusal(int error) { return error == EACCES || error == EPERM || error == EROFS; }

bool IsUnsupported(int error) { return error == EOPNOTSUPP || error == EISDIR || error == EINVAL; }

// Gives the unnamed file fd the name path; errno on failure.
bool LinkUnnamed(int fd, const std::string& path) {
    if (::linkat(fd, "", AT_FDCWD, path.c_str(), AT_EMPTY_PATH) == 0) {
        return true;
    }
    if (errno == EEXIST) {
        return false;
    }
    // Without the capability for AT_EMPTY_PATH, through the process's fd link.
    std::string self = "/proc/self/fd/" + std::to_string(fd);
    return ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW) == 0;
}

}  // namespace

void TAtomicFileStream::UseUnnamedTemporaryFiles(bool use) { useUnnamedFiles = use; }

void TAtomicFileStream::CallBeforeEachStep(void (*hook)()) { beforeEachStep = hook; }

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
        // Refuse a file that may not be written before anything changes; a
        // write-protected one also where permissions would let it pass.
        if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
            throw EFCreateError(FormatText("Cannot create file \"%s\". %s", FileName.c_str(), std::strerror(EACCES)));
        }
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
    OpenTemporary(exists);
}

void TAtomicFileStream::OpenTemporary(bool exists) {
    const std::string dir = DirectoryOf(target_);
    int error = EOPNOTSUPP;
    if (useUnnamedFiles) {
        fd_ = ::open(dir.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
        error = fd_ < 0 ? errno : 0;
    }
    if (fd_ < 0 && IsUnsupported(error)) {
        std::string pattern = dir + "/" + TempPrefix(target_) + "XXXXXX";
        std::vector<char> name(pattern.begin(), pattern.end());
        name.push_back('\0');
        fd_ = ::mkostemp(name.data(), O_CLOEXEC);
        error = fd_ < 0 ? errno : 0;
        if (fd_ >= 0) {
            tempName_ = name.data();
        }
    }
    if (fd_ >= 0) {
        RemoveLeftovers(target_);
        return;
    }
    if (!IsRefusal(error)) {
        // Writing in place would lose the old file if the write failed too.
        throw EFCreateError(FormatText("Cannot create file \"%s\". %s", fileName_.c_str(), std::strerror(error)));
    }
    OpenInPlace(exists);
}

void TAtomicFileStream::OpenInPlace(bool exists) {
    // Non-blocking, so that a pipe without a reader fails instead of hanging.
    // Nothing is truncated before Commit has the whole text.
    int flags = O_WRONLY | O_NONBLOCK | O_CLOEXEC | (exists ? 0 : O_CREAT);
    fd_ = ::open(target_.c_str(), flags, 0666);
    if (fd_ < 0) {
        throw EFCreateError(FormatText("Cannot create file \"%s\". %s", fileName_.c_str(), std::strerror(errno)));
    }
    inPlace_ = true;
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
    pending_.clear();
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
    if (inPlace_) {
        pending_.append(static_cast<const char*>(Buffer), Count);
        written_ += static_cast<int64_t>(Count);
        return Count;
    }
    int error = 0;
    Step();
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

// The room for the whole text secured first, so that a full disk fails the
// save before an old byte changes; then the text in one write over the old
// bytes, and the old tail cut off. A kill can hurt while that write runs,
// and, where the room had to be made by growing the file with zeros, after
// the room was secured: the old text then ends in those zeros.
void TAtomicFileStream::CommitInPlace() {
    struct stat info {};
    bool regular = ::fstat(fd_, &info) == 0 && S_ISREG(info.st_mode);
    Step();
    int error = regular ? ReserveFileRoom(fd_, info.st_size, static_cast<off_t>(pending_.size())) : 0;
    if (error != 0) {
        Fail("write", error);
    }
    Step();
    if (WriteFully(fd_, pending_.data(), pending_.size(), error) < pending_.size()) {
        Fail("write", error != 0 ? error : EIO);
    }
    Step();
    if (regular && ::ftruncate(fd_, static_cast<off_t>(pending_.size())) != 0) {
        Fail("write", errno);
    }
    Step();
    if (regular && ::fsync(fd_) != 0) {
        Fail("write", errno);
    }
    int fd = fd_;
    fd_ = -1;
    pending_.clear();
    if (::close(fd) != 0) {
        Fail("write", errno);
    }
}

// Names the unnamed temporary file, at the last moment before the rename.
void TAtomicFileStream::NameTemporary() {
    const std::string prefix = DirectoryOf(target_) + "/" + TempPrefix(target_);
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        std::string name = prefix + RandomSuffix();
        if (LinkUnnamed(fd_, name)) {
            tempName_ = name;
            return;
        }
        if (errno != EEXIST) {
            Fail("write", errno);
        }
    }
    Fail("write", EEXIST);
}

void TAtomicFileStream::Commit() {
    if (fd_ < 0) {
        throw EWriteError("Stream write error");
    }
    if (inPlace_) {
        CommitInPlace();
        return;
    }
    Step();
    if (::fsync(fd_) != 0) {
        Fail("write", errno);
    }
    Step();
    if (::fchmod(fd_, mode_) != 0) {
        Fail("write", errno);
    }
    if (keepOwner_ && ::fchown(fd_, owner_, group_) != 0) {
        // Only a privileged process may give the file away; keep ours.
    }
    if (tempName_.empty()) {
        Step();
        NameTemporary();
    }
    Step();
    int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) {
        Fail("write", errno);
    }
    Step();
    if (::rename(tempName_.c_str(), target_.c_str()) != 0) {
        Fail("replace", errno);
    }
    tempName_.clear();
    Step();
    int dir = ::open(DirectoryOf(target_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

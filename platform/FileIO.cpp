#include "platform/FileIO.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <random>

#include <QFile>

#include "platform/FileError.h"

size_t WriteAllBytes(int fd, const char* data, size_t count, int& error) {
    size_t done = 0;
    while (done < count) {
        ssize_t n = ::write(fd, data + done, count - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            error = n < 0 ? errno : EIO;
            break;
        }
        done += size_t(n);
    }
    return done;
}

namespace {

// The file a symbolic link names (the link itself when it names none).
std::string FollowedLink(const std::string& path) {
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (!resolved) return path;
    std::string target(resolved);
    std::free(resolved);
    return target;
}

// A new file "<path>.XXXXXX" beside the target, made with the user's umask.
int CreateTemporary(const std::string& path, std::string& name) {
    static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::random_device entropy;
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = path + ".";
        for (int i = 0; i < 6; ++i) name += letters[entropy() % (sizeof letters - 1)];
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// The temporary file takes the old file's permissions, is flushed to disk and
// renamed over it; 0, or the system's error number.
int Replace(int fd, const std::string& temporary, const std::string& target) {
    struct stat st;
    if (::stat(target.c_str(), &st) == 0 && ::fchmod(fd, st.st_mode & 07777) != 0) return errno;
    if (::fsync(fd) != 0) return errno;
    if (::rename(temporary.c_str(), target.c_str()) != 0) return errno;
    return 0;
}

}  // namespace

// Through the system's calls: a name that is not UTF-8 keeps its bytes.
void WriteFileAtomically(const std::string& path, const std::string& bytes) {
    const std::string target = FollowedLink(path);
    std::string temporary;
    const int fd = CreateTemporary(target, temporary);
    if (fd < 0) throw EFileError(path, std::strerror(errno));
    int error = 0;
    if (WriteAllBytes(fd, bytes.data(), bytes.size(), error) == bytes.size()) error = Replace(fd, temporary, target);
    ::close(fd);
    if (error == 0) return;
    ::unlink(temporary.c_str());
    throw EFileError(path, std::strerror(error));
}

// Opened without blocking: a pipe in the file's place must not wait for a
// writer. Anything but a regular file is refused.
bool ReadWholeFile(const std::string& path, std::string& bytes, size_t limit) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st;
    QFile file;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) ||
        !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    if (file.size() < 0 || static_cast<quint64>(file.size()) > limit) return false;
    QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError || data.size() != file.size()) return false;
    bytes.assign(data.constData(), static_cast<size_t>(data.size()));
    return true;
}

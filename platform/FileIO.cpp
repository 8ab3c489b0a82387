#include "platform/FileIO.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include <QFile>
#include <QSaveFile>

#include "platform/FileError.h"

namespace {
QString Q(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
}  // namespace

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

// Through the descriptor: the file object's own writes turn a full disk or
// a file-size limit into "Unknown error" or a file cut short.
void WriteFileAtomically(const std::string& path, const std::string& bytes) {
    QSaveFile file(Q(path));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw EFileError(path, file.errorString().toStdString());
    int error = 0;
    if (WriteAllBytes(file.handle(), bytes.data(), bytes.size(), error) < bytes.size()) {
        file.cancelWriting();
        throw EFileError(path, std::strerror(error));
    }
    if (!file.commit()) throw EFileError(path, file.errorString().toStdString());
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

#include "platform/FileIO.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include <QFile>

#include "editor/support/AtomicFileStream.h"
#include "editor/support/SrcExceptions.h"
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

// The system's reason at the end of a stream error's message.
std::string ReasonOf(const EStreamError& error) {
    const std::string message = error.Message();
    const size_t cut = message.rfind(". ");
    return cut == std::string::npos ? message : message.substr(cut + 2);
}

}  // namespace

// Through the editor's atomic stream, so that a page and these files are
// written alike; a name that is not UTF-8 keeps its bytes.
void WriteFileAtomically(const std::string& path, const std::string& bytes) {
    try {
        TAtomicFileStream stream(path);
        stream.WriteBuffer(bytes.data(), bytes.size());
        stream.Commit();
    } catch (const EStreamError& error) {
        throw EFileError(path, ReasonOf(error));
    }
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

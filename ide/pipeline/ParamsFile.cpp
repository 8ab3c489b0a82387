#include "ide/pipeline/ParamsFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/FileError.h"
#include "platform/FileIO.h"
#include "platform/ProgramDir.h"

std::string ParamsFilePath()
{
    return ProgramDirectory() + "/params";
}

bool WriteParamsFile(const std::string& commandLine)
{
    try {
        WriteFileAtomically(ParamsFilePath(), commandLine);
        return true;
    } catch (const EFileError&) {
        return false;
    }
}

// Only a regular file is read: a pipe put in its place must not block.
std::string ReadParamsText()
{
    const int fd = ::open(ParamsFilePath().c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return std::string();
    std::string text;
    struct stat st;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
        char buffer[ParamsFileLimit];
        size_t n = 0;
        while (n < sizeof buffer) {
            const ssize_t got = ::read(fd, buffer + n, sizeof buffer - n);
            if (got <= 0) break;
            n += size_t(got);
        }
        text.assign(buffer, n);
    }
    ::close(fd);
    return text;
}

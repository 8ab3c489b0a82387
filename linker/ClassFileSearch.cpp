#include "linker/ClassFileSearch.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <memory>

std::vector<std::string> ClassFileCandidates(const std::string& name, const std::string& classPath) {
    std::vector<std::string> paths;
    size_t start = 0;
    while (start <= classPath.size()) {
        size_t end = classPath.find(';', start);
        if (end == std::string::npos) end = classPath.size();
        std::string piece = classPath.substr(start, end - start);
        start = end + 1;
        if (piece.empty()) continue;
        std::string path = piece;
        if (path.back() != '/' && path.back() != '\\') path += '/';
        path += name;
        path += ".class";
        std::replace(path.begin(), path.end(), '\\', '/');
        paths.push_back(std::move(path));
    }
    return paths;
}

// Opened without blocking, so that a pipe or device standing in for a class
// file is refused instead of waiting for a writer.
bool ReadWholeFile(const std::string& path, std::string& bytes) {
    int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat info;
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return false;
    }
    std::unique_ptr<FILE, int (*)(FILE*)> file(fdopen(fd, "rb"), std::fclose);
    if (!file) {
        ::close(fd);
        return false;
    }
    bytes.clear();
    char buffer[65536];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) bytes.append(buffer, n);
    return !std::ferror(file.get());
}

#include "linker/ClassFileSearch.h"

#include <sys/stat.h>

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

bool ReadWholeFile(const std::string& path, std::string& bytes) {
    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "rb"), std::fclose);
    if (!file) return false;
    struct stat info;
    if (fstat(fileno(file.get()), &info) != 0 || !S_ISREG(info.st_mode)) return false;
    bytes.clear();
    char buffer[65536];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) bytes.append(buffer, n);
    return !std::ferror(file.get());
}

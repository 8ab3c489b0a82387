#include "ide/FileChecks.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>

// Through the system's calls: a name that is not UTF-8 keeps its bytes.
std::string CanonicalPath(const std::string& path)
{
    if (path.empty()) return {};
    if (char* resolved = ::realpath(path.c_str(), nullptr)) {
        std::string canonical(resolved);
        std::free(resolved);
        return canonical;
    }
    std::error_code error;
    std::string absolute = std::filesystem::absolute(path, error).lexically_normal().string();
    if (error) return path;
    while (absolute.size() > 1 && absolute.back() == '/') absolute.pop_back();
    return absolute;
}

std::string FolderOf(const std::string& path)
{
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return {};
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool IsRegularFile(const std::string& path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool FileExists(const std::string& path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0;
}

bool IsReadOnlyFile(const std::string& path)
{
    struct stat st;
    if (::stat(path.c_str(), &st) != 0) return false;
    if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return true;
    return ::access(path.c_str(), W_OK) != 0;
}

int ErrorNumberInText(const std::string& text)
{
    constexpr int LastErrorNumber = 133;
    for (int number = 1; number <= LastErrorNumber; ++number) {
        const char* message = std::strerror(number);
        if (message && *message && text.find(message) != std::string::npos) return number;
    }
    return 0;
}

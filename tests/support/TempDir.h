#pragma once
#include <string>

// A fresh directory under the system's temporary folder, removed with its
// contents when the object goes.
class TempDir {
public:
    explicit TempDir(const std::string& prefix = "corvane-test");
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }

    static void MakeDirs(const std::string& path);
    static void WriteFile(const std::string& path, const std::string& bytes);
    static std::string ReadFile(const std::string& path);

private:
    std::string path_;
};

#pragma once
// The JDK sources as a Java test corpus: java.base/java/ and java.xml/ of
// the source archive of the openjdk-17-source package. By default a seeded
// sample of files; CORVANE_JAVA_CORPUS=all takes every file (about 47 MB).
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "tests/support/TempDir.h"

namespace javacorpus {

inline const char* const kArchive = "/usr/lib/jvm/java-17-openjdk-amd64/lib/src.zip";
inline const char* const kMissing =
    "The JDK source archive /usr/lib/jvm/java-17-openjdk-amd64/lib/src.zip is missing: install the Debian "
    "package openjdk-17-source (and unzip), e.g. with scripts/install-deps.sh";

struct SourceFile {
    std::string name;
    std::vector<std::string> lines;
};

inline bool Available() {
    FILE* file = std::fopen(kArchive, "rb");
    if (file) std::fclose(file);
    return file != nullptr;
}

inline std::string Run(const std::string& command) {
    std::string out;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[65536];
        size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
        pclose(pipe);
    }
    return out;
}

inline std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = std::min(text.find('\n', start), text.size());
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

inline bool WantAll() {
    const char* value = std::getenv("CORVANE_JAVA_CORPUS");
    return value && std::string(value) == "all";
}

// The files of the corpus (a sample of SampleSize unless all are wanted).
inline std::vector<SourceFile> Load(size_t SampleSize, unsigned Seed = 25) {
    std::vector<std::string> names;
    std::string listing = Run(std::string("unzip -Z1 ") + kArchive);
    for (const std::string& name : SplitLines(listing)) {
        bool wanted = name.rfind("java.base/java/", 0) == 0 || name.rfind("java.xml/", 0) == 0;
        if (wanted && !name.empty() && name.back() != '/') names.push_back(name);
    }
    if (!WantAll() && names.size() > SampleSize) {
        std::mt19937 random(Seed);
        std::shuffle(names.begin(), names.end(), random);
        names.resize(SampleSize);
        std::sort(names.begin(), names.end());
    }
    TempDir dir("corvane-jdk");
    std::string command = std::string("unzip -qq -o ") + kArchive + " -d " + dir.Path();
    if (WantAll()) {
        command += " 'java.base/java/*' 'java.xml/*'";
    } else {
        for (const std::string& name : names) command += " '" + name + "'";
    }
    Run(command + " 2>&1");
    std::vector<SourceFile> files;
    for (const std::string& name : names) {
        files.push_back({name, SplitLines(TempDir::ReadFile(dir.File(name)))});
    }
    return files;
}

// The first `size` bytes of the .java files under `folder` (such as
// "java.base/java/util/"), joined in path order.
inline std::string FirstBytes(const std::string& folder, size_t size) {
    TempDir dir("corvane-jdk");
    Run(std::string("unzip -qq -o ") + kArchive + " '" + folder + "*' -d " + dir.Path() + " 2>&1");
    std::vector<std::filesystem::path> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(dir.File(folder), error))
        if (entry.is_regular_file() && entry.path().extension() == ".java") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    std::string text;
    for (size_t i = 0; i < files.size() && text.size() < size; ++i) text += TempDir::ReadFile(files[i].string());
    text.resize(std::min(text.size(), size));
    return text;
}

}  // namespace javacorpus

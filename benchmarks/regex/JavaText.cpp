#include "JavaText.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr size_t Size = size_t(1) << 20;
const char* const JdkSources = "/usr/lib/jvm/java-17-openjdk-amd64/lib/src.zip";

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

// Appends the files in path order until the text is full.
void AppendInOrder(std::vector<fs::path> files, std::string& text) {
    std::sort(files.begin(), files.end());
    for (const fs::path& file : files) {
        if (text.size() >= Size) break;
        text += ReadFile(file);
    }
    if (text.size() > Size) text.resize(Size);
}

std::string FromJdk() {
    if (!fs::exists(JdkSources)) return {};
    fs::path dir = fs::temp_directory_path() / ("corvane-bench-" + std::to_string(::getpid()));
    std::string command = std::string("unzip -qq -o ") + JdkSources + " 'java.base/java/util/*' -d '" + dir.string() +
                          "' >/dev/null 2>&1";
    std::string text;
    if (std::system(command.c_str()) == 0 && fs::exists(dir / "java.base")) {
        std::vector<fs::path> files;
        for (const auto& entry : fs::recursive_directory_iterator(dir / "java.base"))
            if (entry.is_regular_file() && entry.path().extension() == ".java") files.push_back(entry.path());
        AppendInOrder(files, text);
    }
    std::error_code ignored;
    fs::remove_all(dir, ignored);
    return text;
}

std::string FromProject() {
    std::string text;
    std::string command = "git -C '" CORVANE_BUILD_SOURCE_DIR "' ls-files";
    std::vector<fs::path> files;
    if (FILE* list = ::popen(command.c_str(), "r")) {
        char line[4096];
        while (std::fgets(line, sizeof line, list) != nullptr) {
            std::string name(line);
            while (!name.empty() && (name.back() == '\n' || name.back() == '\r')) name.pop_back();
            fs::path path = fs::path(CORVANE_BUILD_SOURCE_DIR) / name;
            if (path.extension() == ".cpp" || path.extension() == ".h") files.push_back(path);
        }
        ::pclose(list);
    }
    AppendInOrder(files, text);
    return text;
}

struct Corpus {
    std::string Text;
    std::string Origin;
    Corpus() {
        Text = FromJdk();
        Origin = "JDK java.base/java/util";
        if (Text.size() < Size) {
            Text = FromProject();
            Origin = "project sources";
        }
    }
};

const Corpus& TheCorpus() {
    static const Corpus corpus;
    return corpus;
}

}  // namespace

const std::string& JavaText() { return TheCorpus().Text; }
const std::string& JavaTextOrigin() { return TheCorpus().Origin; }

std::vector<std::string> JavaLines() {
    std::vector<std::string> lines;
    const std::string& text = JavaText();
    size_t start = 0;
    for (size_t nl; (nl = text.find('\n', start)) != std::string::npos; start = nl + 1)
        lines.push_back(text.substr(start, nl - start));
    return lines;
}

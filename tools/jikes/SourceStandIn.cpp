#include "tools/jikes/SourceStandIn.h"

#include <QByteArrayView>
#include <filesystem>

#include "editor/support/ShownText.h"

namespace fs = std::filesystem;

namespace {

bool IsUtf8(const std::string& bytes) {
    return QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())).isValidUtf8();
}

// copy_file refuses a target that is not a regular file with "Invalid argument".
std::string CopyFailure(const fs::path& copy, const std::error_code& error) {
    std::error_code ignored;
    if (fs::exists(copy, ignored) && !fs::is_regular_file(copy, ignored)) return "not a regular file";
    return error.message();
}

}  // namespace

TSourceStandIn::TSourceStandIn(const std::string& source, const std::string& scratch) : source_(source) {
    if (IsUtf8(source)) {
        ecjPath_ = source;
        return;
    }
    const std::string folder = scratch + "/source";
    const std::string copy = folder + "/" + ShownText(fs::path(source).filename().string());
    std::error_code error;
    // ecj names a source by its canonical path.
    if (fs::create_directory(folder, error) && fs::copy_file(source, copy, error))
        ecjPath_ = fs::canonical(copy, error).string();
}

std::vector<std::string> TSourceStandIn::ReturnClassFiles() const {
    std::vector<std::string> failures;
    if (ecjPath_ == source_ || ecjPath_.empty()) return failures;
    const fs::path target = fs::path(source_).parent_path();
    std::error_code error;
    fs::directory_iterator entry(fs::path(ecjPath_).parent_path(), error);
    for (; !error && entry != fs::directory_iterator(); entry.increment(error)) {
        const fs::path& file = entry->path();
        if (file.extension() != ".class") continue;
        const fs::path copy = target / file.filename();
        std::error_code copyError;
        if (!fs::copy_file(file, copy, fs::copy_options::overwrite_existing, copyError))
            failures.push_back("No .class file written to " + copy.string() + ": " + CopyFailure(copy, copyError));
    }
    if (error) failures.push_back("The class files could not be read back: " + error.message());
    return failures;
}

void TSourceStandIn::RenameProblems(TEcjLog& log) const {
    for (TEcjProblem& problem : log.Problems)
        if (problem.Path == ecjPath_) problem.Path = source_;
}

#include "tests/support/gui/Artifacts.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

std::string& Group() {
    static std::string group;
    return group;
}

// Test programs live in <build tree>/tests/.
fs::path ArtifactRoot() {
    fs::path program = fs::read_symlink("/proc/self/exe");
    const char* root = std::getenv("CORVANE_ARTIFACT_DIR");
    fs::path base = root && *root ? fs::path(root) : program.parent_path().parent_path() / "artifacts";
    return base / (Group().empty() ? program.filename() : fs::path(Group()));
}

fs::path TestFolder(const ::testing::TestInfo& test) {
    std::string name = std::string(test.test_suite_name()) + "." + test.name();
    for (char& c : name)
        if (c == '/') c = '_';
    return ArtifactRoot() / name;
}

class ArtifactCleaner : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo& test) override {
        std::error_code ec;
        fs::remove_all(TestFolder(test), ec);
    }
};

}  // namespace

std::string ArtifactFolder() {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    fs::path folder = test ? TestFolder(*test) : ArtifactRoot() / "outside-tests";
    fs::create_directories(folder);
    return folder.string();
}

void SetArtifactGroup(const std::string& name) { Group() = name; }

void InstallArtifactCleaner() {
    ::testing::UnitTest::GetInstance()->listeners().Append(new ArtifactCleaner);
}

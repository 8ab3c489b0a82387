// The page save and the project-file writer side by side: the same outcome
// for each kind of target, and after a kill at any step of a write the old or
// the new file whole, with no temporary file that the next write leaves.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <iostream>
#include <vector>

#include "editor/support/AtomicFileStream.h"
#include "editor/support/SrcExceptions.h"
#include "editor/text/SrcEditStringList.h"
#include "foundation/ProjectOptions.h"
#include "platform/FileError.h"
#include "platform/FileIO.h"
#include "tests/support/FileCapabilities.h"
#include "tests/support/SmallDisk.h"
#include "tests/support/TempDir.h"

namespace {

const std::string kOld = "old";
const std::string kTarget = "Hello.jpf";

// A writer under test: the bytes it writes to a path, and a write that
// gives "" or the system's reason.
struct Writer {
    const char* name;
    std::function<std::string(const std::string& path)> bytes;
    std::function<std::string(const std::string& path)> write;
};

const std::string kPageText = "class Hello {\r\n    static void main() {}\r\n}";

std::string PageSave(const std::string& path) {
    TSrcEditStringList lines;
    lines.Text(kPageText);
    try {
        lines.SaveToFile(path);
    } catch (const EStreamError& error) {
        const std::string message = error.Message();
        return message.substr(message.rfind(". ") + 2);
    }
    return "";
}

TProjectOptions Project(const std::string& path) {
    TProjectOptions project;
    project.OptionsFile = path;
    project.MainFile = "/work/Hello.java";
    project.Classpath = "lib";
    return project;
}

std::string ProjectSave(const std::string& path) {
    try {
        SaveProjectOptions(Project(path));
    } catch (const EFileError& error) {
        return error.Reason;
    }
    return "";
}

const Writer kWriters[] = {
    {"the page save", [](const std::string&) { return kPageText; }, PageSave},
    {"the project-file writer", [](const std::string& path) { return EncodeProjectOptions(Project(path)); },
     ProjectSave},
};

// What is there before the write: the old file (mode 0: none), reached
// through a link named kTarget when `link` names it, in a folder that takes
// no new file when `locked`.
struct Target {
    mode_t mode;
    const char* link;
    bool locked;
};

std::string RealName(const Target& target) { return target.link ? target.link : kTarget; }

// Mode the file has or gets (the umask is 022 here).
mode_t FinalMode(const Target& target) { return target.mode ? target.mode : 0644; }

ino_t Prepare(const TempDir& dir, const Target& target) {
    const std::string real = dir.File(RealName(target));
    if (target.link) ::symlink(target.link, dir.File(kTarget).c_str());
    struct stat info {};
    if (target.mode) {
        TempDir::WriteFile(real, kOld);
        ::chmod(real.c_str(), target.mode);
        ::stat(real.c_str(), &info);
    }
    if (target.locked) ::chmod(dir.Path().c_str(), 0555);
    return info.st_ino;
}

bool IsTemporaryName(const std::string& name) {
    for (const std::string& stem : {kTarget, std::string("real.jpf")})
        if (name.size() == stem.size() + 8 && name.rfind("." + stem + ".", 0) == 0) return true;
    return false;
}

std::vector<std::string> Entries(const std::string& dir) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

std::string Octal(mode_t mode) {
    char text[8];
    std::snprintf(text, sizeof text, "%04o", unsigned(mode));
    return text;
}

// The folder as a line: each entry with its content (old, new, empty or
// other) and mode, links with what they name; temporary files as such, and
// whether they are more readable than `limit`.
std::string Describe(const std::string& dir, const std::string& newBytes, ino_t oldInode, mode_t limit = 07777) {
    std::string text;
    for (const std::string& name : Entries(dir)) {
        const std::string path = dir + "/" + name;
        struct stat info {};
        ::lstat(path.c_str(), &info);
        text += " | " + (IsTemporaryName(name) ? std::string("(temporary)") : name);
        if (S_ISLNK(info.st_mode)) {
            text += " -> " + std::filesystem::read_symlink(path).string();
            continue;
        }
        const std::string bytes = TempDir::ReadFile(path);
        text += bytes == kOld ? " old" : bytes == newBytes ? " new" : bytes.empty() ? " empty" : " other";
        text += " " + Octal(info.st_mode & 07777);
        if (info.st_ino == oldInode && bytes == newBytes) text += " in place";
        if (IsTemporaryName(name) && (info.st_mode & 07777 & ~limit) != 0) text += " more readable";
    }
    return text;
}

// Runs body in a forked child, by default without the file capabilities (so
// that permissions hold under root too), and gives back the text it returned.
std::string InChild(const std::function<std::string()>& body, bool keepCapabilities = false) {
    int out[2];
    if (::pipe(out) != 0) return "no pipe";
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(out[0]);
        const std::string text = keepCapabilities || DropFileCapabilities() ? body() : "capabilities stayed";
        int error = 0;
        WriteAllBytes(out[1], text.data(), text.size(), error);
        ::_exit(0);
    }
    ::close(out[1]);
    std::string text;
    char buffer[4096];
    for (ssize_t n; (n = ::read(out[0], buffer, sizeof buffer)) > 0;) text.append(buffer, size_t(n));
    ::close(out[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? text : "child died";
}

// Takes the rest of a (small) disk.
void FillDisk(const std::string& path) {
    const std::string chunk(65536, 'f');
    FILE* file = std::fopen(path.c_str(), "wb");
    while (file && std::fwrite(chunk.data(), 1, chunk.size(), file) == chunk.size() && std::fflush(file) == 0) {
    }
    if (file) std::fclose(file);
}

class FileWriters : public ::testing::Test {
protected:
    void SetUp() override { mask_ = ::umask(022); }
    void TearDown() override { ::umask(mask_); }

private:
    mode_t mask_ = 0;
};

int stepsBeforeKill = 0;

void KillAtTheCountedStep() {
    if (--stepsBeforeKill == 0) ::raise(SIGKILL);
}

// Writes in a forked child without the file capabilities, killed before the
// step-th step of the write; true when it was killed, false when done first.
bool WriteKilledAt(const Writer& writer, const std::string& path, int step, bool unnamed) {
    const std::string result = InChild([&] {
        TAtomicFileStream::UseUnnamedTemporaryFiles(unnamed);
        stepsBeforeKill = step;
        TAtomicFileStream::CallBeforeEachStep(KillAtTheCountedStep);
        return writer.write(path);
    });
    EXPECT_TRUE(result.empty() || result == "child died") << "step " << step << ": " << result;
    return result == "child died";
}

// Dates the temporary files back, as left by an earlier run.
void AgeTemporaryFiles(const TempDir& dir) {
    const timeval hourAgo[2] = {{::time(nullptr) - 3600, 0}, {::time(nullptr) - 3600, 0}};
    for (const std::string& name : Entries(dir.Path()))
        if (IsTemporaryName(name)) ::utimes(dir.File(name).c_str(), hourAgo);
}

}  // namespace

// A write-protected file is refused also where the permissions would let it
// pass (as the superuser, with the file capabilities kept).
TEST_F(FileWriters, BothGiveTheSameOutcomeForEachKindOfTarget) {
    const struct {
        const char* name;
        Target target;
        bool fullDisk;
        const char* outcome;
        bool keepCapabilities = false;
    } rows[] = {
        {"a file", {0640, nullptr, false}, false, "saved | Hello.jpf new 0640"},
        {"a read-only file", {0444, nullptr, false}, false, "Permission denied | Hello.jpf old 0444"},
        {"a read-only file, all capabilities", {0444, nullptr, false}, false, "Permission denied | Hello.jpf old 0444",
         true},
        {"a file in a read-only folder", {0644, nullptr, true}, false, "saved | Hello.jpf new 0644 in place"},
        {"a new file in a read-only folder", {0, nullptr, true}, false, "Permission denied"},
        {"a dangling link", {0, "real.jpf", false}, false, "saved | Hello.jpf -> real.jpf | real.jpf new 0644"},
        {"a link to a 0600 file", {0600, "real.jpf", false}, false, "saved | Hello.jpf -> real.jpf | real.jpf new 0600"},
        {"a link to a read-only file", {0444, "real.jpf", false}, false,
         "Permission denied | Hello.jpf -> real.jpf | real.jpf old 0444"},
        {"a full disk", {0644, nullptr, false}, true, "No space left on device | Hello.jpf old 0644 | filler other 0644"},
    };
    for (const auto& row : rows) {
        for (const Writer& writer : kWriters) {
            SCOPED_TRACE(std::string(row.name) + ", " + writer.name);
            TempDir dir;
            const std::string outcome = InChild([&] {
                if (row.fullDisk && !MountSmallDisk(dir.Path(), 256 * 1024)) return std::string("no mount");
                const ino_t inode = Prepare(dir, row.target);
                if (row.fullDisk) FillDisk(dir.File("filler"));
                const std::string path = dir.File(kTarget);
                const std::string reason = writer.write(path);
                return (reason.empty() ? "saved" : reason) + Describe(dir.Path(), writer.bytes(path), inode);
            }, row.keepCapabilities);
            ::chmod(dir.Path().c_str(), 0755);
            if (outcome == "no mount") {
                std::cout << "No small file system can be mounted here: the full disk is not checked.\n";
                continue;
            }
            EXPECT_EQ(outcome, row.outcome);
        }
    }
}

// Each write is killed before its first step, then before its second, ...
// until one ends. After each kill the file is old or new and whole; what
// temporary file a kill leaves is no more readable than the file and goes
// with the next write, as a leftover of an earlier run.
TEST_F(FileWriters, AKillAtEachStepLeavesTheOldOrTheNewFileWholeAlike) {
    const struct {
        const char* name;
        Target target;
    } rows[] = {
        {"a file", {0640, nullptr, false}},
        {"a new file", {0, nullptr, false}},
        {"a dangling link", {0, "real.jpf", false}},
        {"a link to a 0600 file", {0600, "real.jpf", false}},
        {"a file in a read-only folder", {0644, nullptr, true}},
    };
    for (const auto& row : rows) {
        for (bool unnamed : {true, false}) {
            std::vector<std::string> seen[2];
            for (int w = 0; w < 2; ++w) {
                const Writer& writer = kWriters[w];
                SCOPED_TRACE(std::string(row.name) + (unnamed ? "" : ", named temporary files") + ", " + writer.name);
                for (int step = 1;; ++step) {
                    TempDir dir;
                    const ino_t inode = Prepare(dir, row.target);
                    const std::string path = dir.File(kTarget);
                    const bool killed = WriteKilledAt(writer, path, step, unnamed);
                    const std::string state = Describe(dir.Path(), writer.bytes(path), inode, FinalMode(row.target));
                    seen[w].push_back(state);
                    EXPECT_EQ(state.find("other"), std::string::npos) << "step " << step << ":" << state;
                    EXPECT_EQ(state.find("more readable"), std::string::npos) << "step " << step << ":" << state;
                    AgeTemporaryFiles(dir);
                    EXPECT_EQ(InChild([&] { return writer.write(path); }), "");
                    ::chmod(dir.Path().c_str(), 0755);
                    const std::string after = Describe(dir.Path(), writer.bytes(path), inode);
                    EXPECT_EQ(after.find("(temporary)"), std::string::npos) << "step " << step << ":" << after;
                    EXPECT_NE(after.find(RealName(row.target) + " new"), std::string::npos) << after;
                    if (!killed) break;
                }
            }
            EXPECT_EQ(seen[0], seen[1]) << row.name;
            const bool leftTemporary = std::any_of(seen[0].begin(), seen[0].end(), [](const std::string& state) {
                return state.find("(temporary)") != std::string::npos;
            });
            EXPECT_EQ(leftTemporary, !row.target.locked) << row.name << ": a kill left a temporary file";
        }
    }
}

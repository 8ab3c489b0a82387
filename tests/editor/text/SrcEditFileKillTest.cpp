// Saves killed at random moments, and the leftovers of killed saves.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <chrono>
#include <dirent.h>
#include <random>
#include <thread>

#include "editor/support/AtomicFileStream.h"
#include "editor/text/SrcEditStringList.h"
#include "tests/support/FileCapabilities.h"
#include "tests/support/TempDir.h"

namespace {

constexpr int kKills = 50;

std::vector<std::string> Entries(const std::string& dir) {
    std::vector<std::string> names;
    if (DIR* d = opendir(dir.c_str())) {
        while (dirent* e = readdir(d)) {
            std::string name = e->d_name;
            if (name != "." && name != "..") names.push_back(name);
        }
        closedir(d);
    }
    std::sort(names.begin(), names.end());
    return names;
}

// A text of a few megabytes whose every line tells which one it is.
void FillLines(TSrcEditStringList& lines, char tag) {
    lines.Clear();
    for (int i = 0; i < 60000; ++i) {
        lines.Add(std::string(40, tag) + " line " + std::to_string(i));
    }
}

std::string Expected(TSrcEditStringList& lines) {
    TempDir dir;
    lines.SaveToFile(dir.File("x"));
    return TempDir::ReadFile(dir.File("x"));
}

// Saves `lines` in a forked child and kills it after `delay`; true when the
// kill came before the save was done.
bool SaveAndKill(TSrcEditStringList& lines, const std::string& file, std::chrono::microseconds delay,
                 bool dropCapabilities) {
    int ready[2];
    if (pipe(ready) != 0) return false;
    pid_t child = fork();
    if (child == 0) {
        close(ready[0]);
        if (dropCapabilities && !DropFileCapabilities()) _exit(2);
        char go = 1;
        if (write(ready[1], &go, 1) != 1) _exit(3);
        lines.SaveToFile(file);
        _exit(0);
    }
    close(ready[1]);
    char go = 0;
    bool started = read(ready[0], &go, 1) == 1;
    close(ready[0]);
    if (started) std::this_thread::sleep_for(delay);  // the random moment of the kill
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(started);
    return WIFSIGNALED(status);
}

std::chrono::microseconds TimeOneSave(TSrcEditStringList& lines, const std::string& file) {
    auto start = std::chrono::steady_clock::now();
    lines.SaveToFile(file);
    return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);
}

class SrcEditFileKill : public ::testing::Test {
protected:
    void SetUp() override {
        FillLines(a, 'a');
        FillLines(b, 'b');
        textA = Expected(a);
        textB = Expected(b);
    }

    TempDir dir;
    TSrcEditStringList a, b;
    std::string textA, textB;
    std::mt19937 random{18};
};

}  // namespace

TEST_F(SrcEditFileKill, AKilledSaveLeavesTheOldOrTheNewFileAndNothingElse) {
    const std::string file = dir.File("Big.java");
    TimeOneSave(b, file);
    auto span = TimeOneSave(a, file);
    std::uniform_int_distribution<long> moment(0, span.count() * 5 / 4);
    int killed = 0;
    std::string current = textA;
    for (int i = 0; i < kKills; ++i) {
        TSrcEditStringList& next = i % 2 ? a : b;
        const std::string& nextText = i % 2 ? textA : textB;
        killed += SaveAndKill(next, file, std::chrono::microseconds(moment(random)), false);
        std::string now = TempDir::ReadFile(file);
        ASSERT_TRUE(now == current || now == nextText) << "kill " << i << ": neither old nor new";
        current = now;
        std::vector<std::string> entries = Entries(dir.Path());
        // A kill between naming the finished temporary file and the rename
        // leaves it whole; the next run's first save removes it.
        if (entries.size() == 2 && entries[0].rfind(".Big.java.", 0) == 0 && entries[0].size() == 16 &&
            TempDir::ReadFile(dir.File(entries[0])) == nextText) {
            std::remove(dir.File(entries[0]).c_str());
            entries.erase(entries.begin());
        }
        ASSERT_EQ(entries, std::vector<std::string>{"Big.java"}) << "kill " << i;
    }
    EXPECT_GE(killed, kKills / 4) << "the kills should land within the saves";
}

// Where the folder takes no new file the text is written in place, only
// once it is whole in memory: a kill can hurt only during that one write,
// and the next save makes the file whole again.
TEST_F(SrcEditFileKill, AKilledInPlaceSaveRarelyHurtsAndTheNextSaveMendsIt) {
    const std::string file = dir.File("Big.java");
    TempDir::WriteFile(file, textA);
    struct stat before {};
    ASSERT_EQ(stat(file.c_str(), &before), 0);
    ASSERT_EQ(chmod(dir.Path().c_str(), 0555), 0);
    auto span = std::chrono::microseconds(0);
    int timed = RunWithoutFileCapabilities([&] {
        auto taken = TimeOneSave(a, file);
        return int(std::min<long>(taken.count() / 1000, 250));
    });
    ASSERT_GE(timed, 0);
    span = std::chrono::milliseconds(std::max(timed, 1));
    std::uniform_int_distribution<long> moment(0, span.count() * 5 / 4);
    int damaged = 0;
    for (int i = 0; i < kKills; ++i) {
        TSrcEditStringList& next = i % 2 ? a : b;
        SaveAndKill(next, file, std::chrono::microseconds(moment(random)), true);
        std::string now = TempDir::ReadFile(file);
        if (now != textA && now != textB) {
            ++damaged;
            ASSERT_EQ(RunWithoutFileCapabilities([&] {
                          next.SaveToFile(file);
                          return 0;
                      }),
                      0);
            ASSERT_EQ(TempDir::ReadFile(file), i % 2 ? textA : textB) << "the save returned: the file is whole";
        }
    }
    chmod(dir.Path().c_str(), 0755);
    struct stat after {};
    ASSERT_EQ(stat(file.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino) << "written in place";
    EXPECT_EQ(Entries(dir.Path()), std::vector<std::string>{"Big.java"});
    EXPECT_LE(damaged, kKills / 5);
}

// Without unnamed temporary files a killed save leaves a named one; the next
// save of that file removes what is certainly such a leftover, nothing else.
TEST(SrcEditFileLeftovers, TheNextSaveRemovesOnlyOurOwnOldLeftovers) {
    TempDir dir;
    const std::string file = dir.File("A.java");
    TempDir::WriteFile(file, "old");
    const timeval hourAgo[2] = {{time(nullptr) - 3600, 0}, {time(nullptr) - 3600, 0}};
    for (const char* name : {".A.java.Ab12Cd", ".A.java.Ab12C", ".A.java.Ab12Cd7", ".A.java.Ab-2Cd", ".B.java.Ab12Cd",
                             ".A.java.Zz99Yy"}) {
        TempDir::WriteFile(dir.File(name), "leftover");
        if (std::string(name) != ".A.java.Zz99Yy") utimes(dir.File(name).c_str(), hourAgo);  // younger than this run
    }
    TempDir::MakeDirs(dir.File(".A.java.Qq11Ww"));
    utimes(dir.File(".A.java.Qq11Ww").c_str(), hourAgo);
    ASSERT_EQ(symlink("A.java", dir.File(".A.java.Ln11Kk").c_str()), 0);

    TAtomicFileStream::UseUnnamedTemporaryFiles(false);
    TSrcEditStringList lines;
    lines.Text("new");
    lines.SaveToFile(file);
    TAtomicFileStream::UseUnnamedTemporaryFiles(true);

    EXPECT_EQ(TempDir::ReadFile(file), "new");
    EXPECT_EQ(Entries(dir.Path()), (std::vector<std::string>{".A.java.Ab-2Cd", ".A.java.Ab12C", ".A.java.Ab12Cd7",
                                                             ".A.java.Ln11Kk", ".A.java.Qq11Ww", ".A.java.Zz99Yy",
                                                             ".B.java.Ab12Cd", "A.java"}));
}

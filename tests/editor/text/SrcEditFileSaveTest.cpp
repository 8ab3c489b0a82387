#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <dirent.h>

#include <iostream>

#include "editor/support/FileRoom.h"
#include "editor/support/SrcExceptions.h"
#include "editor/text/SrcEditStringList.h"
#include "platform/ProcessSignals.h"
#include "tests/support/FileCapabilities.h"
#include "tests/support/SmallDisk.h"
#include "tests/support/TempDir.h"

namespace {

int CountEntries(const std::string& dir) {
    int count = 0;
    if (DIR* d = opendir(dir.c_str())) {
        while (dirent* e = readdir(d)) {
            count += std::string(e->d_name) != "." && std::string(e->d_name) != "..";
        }
        closedir(d);
    }
    return count;
}

mode_t ModeOf(const std::string& path) {
    struct stat info {};
    stat(path.c_str(), &info);
    return info.st_mode & 07777;
}

// Limits the size of files this process may write.
void LimitFileSize(rlim_t bytes) {
    rlimit limit {};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
}

}  // namespace

TEST(SrcEditFileSave, EachBreakStyleRoundTripsByteForByte) {
    TempDir dir;
    const std::string samples[] = {"a\r\nb\r\n", "a\nb", "a\rb\r", "", "\x80\x81\xFE\xFF\r\n\xE4"};
    for (const std::string& bytes : samples) {
        std::string file = dir.File("sample.java");
        TempDir::WriteFile(file, bytes);
        TSrcEditStringList lines;
        lines.LoadFromFile(file);
        unlink(file.c_str());
        lines.SaveToFile(file);
        EXPECT_EQ(TempDir::ReadFile(file), bytes);
    }
    // Lines longer than the writer's buffer.
    std::string longText(40000, 'x');
    longText += "\nend";
    TempDir::WriteFile(dir.File("long.txt"), longText);
    TSrcEditStringList lines;
    lines.LoadFromFile(dir.File("long.txt"));
    lines.SaveToFile(dir.File("long.txt"));
    EXPECT_EQ(TempDir::ReadFile(dir.File("long.txt")), longText);
}

TEST(SrcEditFileSave, ReplacesKeepingPermissionsAndLeavesNoTemporaryFile) {
    TempDir dir;
    std::string file = dir.File("A.java");
    TempDir::WriteFile(file, "old text that is longer");
    chmod(file.c_str(), 0640);
    TSrcEditStringList lines;
    lines.Text("new");
    lines.SaveToFile(file);
    EXPECT_EQ(TempDir::ReadFile(file), "new");
    EXPECT_EQ(ModeOf(file), 0640u);
    EXPECT_EQ(CountEntries(dir.Path()), 1);
}

TEST(SrcEditFileSave, WritesThroughASymbolicLinkToItsTarget) {
    TempDir dir;
    TempDir::MakeDirs(dir.File("real"));
    std::string target = dir.File("real/B.java");
    TempDir::WriteFile(target, "old");
    ASSERT_EQ(symlink("real/B.java", dir.File("link.java").c_str()), 0);
    TSrcEditStringList lines;
    lines.Text("via link");
    lines.SaveToFile(dir.File("link.java"));
    struct stat info {};
    ASSERT_EQ(lstat(dir.File("link.java").c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
    EXPECT_EQ(TempDir::ReadFile(target), "via link");
}

// As the program runs (the file-size signal ignored at start-up), a save
// beyond the limit fails with the system's reason and keeps the old file;
// also with a name so long that no temporary name fits beside it.
TEST(SrcEditFileSave, AFailedWriteKeepsTheOldFileAndReportsTheError) {
    for (const std::string& name : {std::string("C.java"), std::string(245, 'L') + ".java"}) {
        TempDir dir;
        std::string file = dir.File(name);
        TempDir::WriteFile(file, "precious");
        TSrcEditStringList lines;
        for (int i = 0; i < 2000; ++i) {
            lines.Add("a line of text that fills the disk");
        }
        int result = RunWithoutFileCapabilities([&] {
            IgnoreFileSizeLimitSignal();
            LimitFileSize(20000);  // as if the disk were full
            try {
                lines.SaveToFile(file);
            } catch (const EWriteError& error) {
                return std::string(error.what()).find("File too large") != std::string::npos ? 0 : 1;
            }
            return 2;
        });
        EXPECT_EQ(result, 0) << "0: the save failed with the reason; -1: the process was killed";
        EXPECT_EQ(TempDir::ReadFile(file), "precious");
        EXPECT_EQ(CountEntries(dir.Path()), 1);
        lines.Text("saved");
        lines.SaveToFile(file);
        EXPECT_EQ(TempDir::ReadFile(file), "saved");
    }
}

TEST(SrcEditFileSave, NewFileAndMissingFolder) {
    TempDir dir;
    TSrcEditStringList lines;
    lines.Text("fresh");
    lines.SaveToFile(dir.File("New.java"));
    EXPECT_EQ(TempDir::ReadFile(dir.File("New.java")), "fresh");
    mode_t mask = umask(0);
    umask(mask);
    EXPECT_EQ(ModeOf(dir.File("New.java")), 0666u & ~mask);
    EXPECT_THROW(lines.SaveToFile(dir.File("missing/New.java")), EFCreateError);
    EXPECT_THROW(lines.LoadFromFile(dir.File("missing.java")), EFOpenError);
    // A folder or a pipe is refused at once, and the lines stay.
    EXPECT_THROW(lines.LoadFromFile(dir.Path()), EFOpenError);
    ASSERT_EQ(mkfifo(dir.File("pipe").c_str(), 0600), 0);
    EXPECT_THROW(lines.LoadFromFile(dir.File("pipe")), EFOpenError);
    EXPECT_EQ(lines.Text(), "fresh");
    EXPECT_THROW(lines.SaveToFile(dir.File("pipe")), EFCreateError);  // no reader: no hang
    EXPECT_THROW(lines.SaveToFile(dir.Path()), EFCreateError);
}

TEST(SrcEditFileSave, ReadOnlyFileIsRefusedAndLockedFolderIsWrittenInPlace) {
    TempDir dir;
    std::string file = dir.File("D.java");
    TempDir::WriteFile(file, "keep this longer text");
    chmod(file.c_str(), 0444);
    TSrcEditStringList lines;
    lines.Text("changed");
    EXPECT_EQ(RunWithoutFileCapabilities([&] {
                  try {
                      lines.SaveToFile(file);
                  } catch (const EFCreateError&) {
                      return 0;
                  }
                  return 1;
              }),
              0);
    EXPECT_EQ(TempDir::ReadFile(file), "keep this longer text");

    chmod(file.c_str(), 0644);
    chmod(dir.Path().c_str(), 0555);
    struct stat before {};
    stat(file.c_str(), &before);
    EXPECT_EQ(RunWithoutFileCapabilities([&] {
                  lines.SaveToFile(file);
                  return 0;
              }),
              0);
    chmod(dir.Path().c_str(), 0755);
    EXPECT_EQ(TempDir::ReadFile(file), "changed");
    struct stat after {};
    stat(file.c_str(), &after);
    EXPECT_EQ(after.st_ino, before.st_ino);
}

// A locked folder makes the save write in place. A text that does not fit
// (the file-size limit as a full disk), longer or shorter than the old one,
// fails before an old byte changes, whether the blocks are allocated or the
// file is grown with zeros; with room enough it is saved.
TEST(SrcEditFileSave, AnInPlaceSaveThatDoesNotFitKeepsTheOldFileByteForByte) {
    const struct {
        int oldLines, newLines;
        rlim_t limit;
    } cases[] = {{500, 4000, 20000}, {500, 4000, 1 << 22}, {4000, 2000, 20000}, {4000, 2000, 1 << 22}};
    auto numbered = [](const std::string& line, int count) {
        std::string text;
        for (int i = 0; i < count; ++i) {
            text += line + std::to_string(i) + "\r\n";
        }
        return text;
    };
    for (const auto& c : cases) {
        const std::string oldText = numbered("old \x80\xFF line ", c.oldLines);
        const std::string newText = numbered("new text, line ", c.newLines);
        const bool saves = newText.size() <= c.limit;
        for (bool allocate : {true, false}) {
            SCOPED_TRACE(std::to_string(c.oldLines) + " to " + std::to_string(c.newLines) + " lines, limit " +
                         std::to_string(c.limit) + (allocate ? ", allocated" : ", grown"));
            TempDir dir;
            std::string file = dir.File("E.java");
            TempDir::WriteFile(file, newText);
            TSrcEditStringList lines;
            lines.LoadFromFile(file);
            TempDir::WriteFile(file, oldText);
            chmod(dir.Path().c_str(), 0555);
            int result = RunWithoutFileCapabilities([&] {
                UseBlockAllocation(allocate);
                IgnoreFileSizeLimitSignal();
                LimitFileSize(c.limit);
                try {
                    lines.SaveToFile(file);
                } catch (const EWriteError& error) {
                    return std::string(error.what()).find("File too large") != std::string::npos ? 1 : 2;
                }
                return 0;
            });
            chmod(dir.Path().c_str(), 0755);
            EXPECT_EQ(result, saves ? 0 : 1) << "0: saved; 1: failed with the reason; 2: another error";
            EXPECT_EQ(TempDir::ReadFile(file), saves ? newText : oldText);
        }
    }
}

// A real full disk: the room past the end is refused before an old byte
// changes, and none of it stays allocated.
TEST(SrcEditFileSave, AnInPlaceSaveOnAFullDiskKeepsTheOldFileByteForByte) {
    const std::string oldText(100000, 'o');
    TSrcEditStringList lines;
    lines.Text(std::string(400000, 'n'));
    for (bool allocate : {true, false}) {
        SCOPED_TRACE(allocate ? "allocated" : "grown");
        TempDir dir;
        int result = RunWithoutFileCapabilities([&] {
            if (!MountSmallDisk(dir.Path(), 256 * 1024)) {
                return 3;
            }
            std::string file = dir.File("F.java");
            TempDir::WriteFile(file, oldText);
            struct stat before {};
            stat(file.c_str(), &before);
            chmod(dir.Path().c_str(), 0555);
            UseBlockAllocation(allocate);
            try {
                lines.SaveToFile(file);
                return 4;
            } catch (const EWriteError& error) {
                if (std::string(error.what()).find("No space left on device") == std::string::npos) {
                    return 2;
                }
            }
            struct stat after {};
            stat(file.c_str(), &after);
            return TempDir::ReadFile(file) == oldText && after.st_blocks == before.st_blocks ? 0 : 1;
        });
        if (result == 3) {
            std::cout << "No small file system can be mounted here: the full disk is not checked.\n";
            return;
        }
        EXPECT_EQ(result, 0) << "1: the old file changed; 2: another error; 4: saved";
    }
}

TEST(SrcEditFileSave, ALoopOfSymbolicLinksIsRefusedAndLeftAsItWas) {
    TempDir dir;
    ASSERT_EQ(symlink("b.java", dir.File("a.java").c_str()), 0);
    ASSERT_EQ(symlink("a.java", dir.File("b.java").c_str()), 0);
    TSrcEditStringList lines;
    lines.Text("text");
    EXPECT_THROW(lines.SaveToFile(dir.File("a.java")), EFCreateError);
    struct stat info {};
    ASSERT_EQ(lstat(dir.File("a.java").c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
    ASSERT_EQ(lstat(dir.File("b.java").c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
    EXPECT_EQ(CountEntries(dir.Path()), 2);
}

#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <iostream>

#include "editor/support/FileRoom.h"
#include "tests/support/TempDir.h"

namespace {

// Whether the file system under dir allocates blocks past a file's end.
bool AllocatesPastTheEnd(const std::string& dir) {
    const std::string probe = dir + "/probe";
    const int fd = open(probe.c_str(), O_WRONLY | O_CREAT, 0644);
    const bool allocates = fd >= 0 && fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, 4096) == 0;
    if (fd >= 0) {
        close(fd);
    }
    unlink(probe.c_str());
    return allocates;
}

}  // namespace

// Until the text is written, the room leaves the old file's length and bytes
// as they were, with the blocks allocated; where the file system cannot
// allocate (or blocks are not used) the file is grown with zeros.
TEST(FileRoom, SecuredRoomLeavesTheFileAsItWasOrGrowsItWithZeros) {
    const struct {
        off_t oldLength, newLength;
        bool allocate;
    } cases[] = {{200000, 2000000, true}, {0, 70000, true},       {2000000, 200000, true},
                 {200000, 2000000, false}, {0, 70000, false}, {2000000, 200000, false}};
    TempDir dir;
    const bool allocates = AllocatesPastTheEnd(dir.Path());
    if (!allocates) {
        std::cout << "The file system under " << dir.Path()
                  << " cannot allocate past a file's end: the room is checked as grown with zeros.\n";
    }
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.oldLength) + " to " + std::to_string(c.newLength) +
                     (c.allocate ? " bytes, allocated" : " bytes, grown"));
        const std::string file = dir.File("R.java");
        const std::string old(static_cast<size_t>(c.oldLength), 'o');
        TempDir::WriteFile(file, old);
        const int fd = open(file.c_str(), O_WRONLY);
        ASSERT_GE(fd, 0);
        struct stat before {};
        ASSERT_EQ(fstat(fd, &before), 0);
        UseBlockAllocation(c.allocate);
        EXPECT_EQ(ReserveFileRoom(fd, c.oldLength, c.newLength), 0);
        UseBlockAllocation(true);
        struct stat after {};
        ASSERT_EQ(fstat(fd, &after), 0);
        close(fd);

        const bool grows = c.newLength > c.oldLength;
        const bool kept = !grows || (c.allocate && allocates);
        const std::string expected = kept ? old : old + std::string(c.newLength - c.oldLength, '\0');
        EXPECT_EQ(after.st_size, static_cast<off_t>(expected.size()));
        EXPECT_TRUE(TempDir::ReadFile(file) == expected) << "the file's bytes changed";
        if (grows && c.allocate && allocates) {
            EXPECT_GT(after.st_blocks, before.st_blocks);
            EXPECT_GE(after.st_blocks * 512, c.newLength);
        }
    }
}

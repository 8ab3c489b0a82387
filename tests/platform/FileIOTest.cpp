// The atomic whole-file writer under names that are not UTF-8, over links and
// over files whose permissions it keeps.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "platform/FileIO.h"
#include "tests/support/TempDir.h"

namespace {

std::vector<std::string> Names(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

mode_t Permissions(const std::string& path)
{
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st.st_mode & 07777;
}

}  // namespace

TEST(WriteFileAtomically, KeepsTheNamesBytesFollowsLinksAndKeepsPermissions)
{
    const std::string name = "caf\xe9.jpf";
    const mode_t mask = ::umask(0);  // a new file gets the user's umask
    ::umask(mask);
    const struct {
        bool exists, link;
    } rows[] = {{false, false}, {true, false}, {true, true}};
    for (const auto& row : rows) {
        TempDir dir;
        SCOPED_TRACE(std::string(row.exists ? "an old file" : "a new file") + (row.link ? " behind a link" : ""));
        const std::string target = dir.File(name);
        if (row.exists) {
            TempDir::WriteFile(target, "old text");
            ::chmod(target.c_str(), 0640);
        }
        const std::string written = row.link ? dir.File("link") : target;
        if (row.link) ::symlink(name.c_str(), written.c_str());
        WriteFileAtomically(written, "new");
        EXPECT_EQ(TempDir::ReadFile(target), "new");
        const std::vector<std::string> names =
            row.link ? std::vector<std::string>{name, "link"} : std::vector<std::string>{name};
        EXPECT_EQ(Names(dir.Path()), names);
        EXPECT_EQ(Permissions(target), row.exists ? 0640u : 0666u & ~mask);
        EXPECT_EQ(std::filesystem::is_symlink(written), row.link);
    }
}

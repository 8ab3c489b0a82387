#pragma once
#include <string>
#include <sys/types.h>

#include "editor/support/SrcStream.h"

// A write-only stream that replaces a file only when Commit succeeds.
// The bytes go to a temporary file in the target's folder, which Commit
// flushes to disk, gives the old file's permissions and renames over the
// target; a symbolic link is followed to the file it names. Where the
// folder allows no new file, or the target is no regular file, it writes
// in place instead. A file that may not be written is refused at once
// (EFCreateError). Without Commit, the old file stays untouched.
class TAtomicFileStream : public TStream {
public:
    explicit TAtomicFileStream(const std::string& FileName);
    ~TAtomicFileStream() override;
    TAtomicFileStream(const TAtomicFileStream&) = delete;
    TAtomicFileStream& operator=(const TAtomicFileStream&) = delete;

    size_t Read(void* Buffer, size_t Count) override;
    size_t Write(const void* Buffer, size_t Count) override;
    int64_t Seek(int64_t Offset, TSeekOrigin Origin) override;
    int64_t Size() override { return written_; }

    // Makes the written bytes the file's contents; EWriteError on failure,
    // with the old file intact unless it was written in place.
    void Commit();

    // The file that is replaced (the symbolic links resolved).
    const std::string& TargetName() const { return target_; }
    bool InPlace() const { return tempName_.empty(); }

private:
    void OpenInPlace(bool exists);
    [[noreturn]] void Fail(const char* what, int error);
    void Discard();

    std::string fileName_;
    std::string target_;
    std::string tempName_;
    int fd_ = -1;
    mode_t mode_ = 0;
    uid_t owner_ = 0;
    gid_t group_ = 0;
    bool keepOwner_ = false;
    int64_t written_ = 0;
};

// Follows symbolic links from FileName to the path of the file they name
// (which need not exist); FileName itself when it is no link.
std::string ResolveSymbolicLinks(const std::string& FileName);

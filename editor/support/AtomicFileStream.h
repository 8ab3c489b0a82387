#pragma once
#include <string>
#include <sys/types.h>

#include "editor/support/SrcStream.h"

// A write-only stream that replaces a file only when Commit succeeds.
// The bytes go to an unnamed temporary file in the target's folder
// (O_TMPFILE), which Commit flushes to disk, gives the old file's
// permissions, names and renames over the target, so a killed save leaves
// nothing behind. Where the file system has no unnamed files, a named
// temporary ".<name>.XXXXXX" is used, and leftovers of that pattern from
// before this process started are removed. A symbolic link is followed to
// the file it names. Where the folder allows no new file, or the target is
// no regular file, the text is collected in memory and Commit writes it in
// place in one go, once the disk room for it is secured (a full disk leaves
// the old file as it was). A file that may not be written, or that has no
// write permission bit at all (also for the superuser), is refused at once
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
    // with the old file intact unless an in-place write failed after its
    // room was secured.
    void Commit();

    // The file that is replaced (the symbolic links resolved).
    const std::string& TargetName() const { return target_; }
    bool InPlace() const { return inPlace_; }

    // Tests only: false makes saves use named temporary files, as on a file
    // system without unnamed ones.
    static void UseUnnamedTemporaryFiles(bool use);
    // Tests only: called before each step that changes the disk (each write,
    // flush, naming, rename, folder sync), so that a test can kill a save
    // between any two of them. Null for none.
    static void CallBeforeEachStep(void (*hook)());

private:
    void OpenTemporary(bool exists);
    void OpenInPlace(bool exists);
    void CommitInPlace();
    void NameTemporary();
    [[noreturn]] void Fail(const char* what, int error);
    void Discard();

    std::string fileName_;
    std::string target_;
    std::string tempName_;
    std::string pending_;  // the text of an in-place save
    int fd_ = -1;
    mode_t mode_ = 0;
    uid_t owner_ = 0;
    gid_t group_ = 0;
    bool keepOwner_ = false;
    bool inPlace_ = false;
    int64_t written_ = 0;
};

// Follows symbolic links from FileName to the path of the file they name
// (which need not exist); FileName itself when it is no link.
std::string ResolveSymbolicLinks(const std::string& FileName);

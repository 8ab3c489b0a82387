#pragma once
#include <string>

#include "editor/support/SrcStream.h"

enum TFileMode : uint8_t {
    fmOpenRead,       // existing regular file, read only
    fmOpenReadWrite,  // existing file, read and write
    fmCreate,         // created or truncated, read and write
};

// A stream over an open file. Open failures raise EFOpenError or
// EFCreateError with the file name and the system's reason.
class TFileStream : public TStream {
public:
    TFileStream(const std::string& FileName, TFileMode Mode);
    ~TFileStream() override;
    TFileStream(const TFileStream&) = delete;
    TFileStream& operator=(const TFileStream&) = delete;

    size_t Read(void* Buffer, size_t Count) override;
    size_t Write(const void* Buffer, size_t Count) override;
    int64_t Seek(int64_t Offset, TSeekOrigin Origin) override;

    const std::string& FileName() const { return fileName_; }

private:
    std::string fileName_;
    int fd_ = -1;
};

// Reads or writes until Count bytes moved, retrying interrupted calls;
// the bytes moved (fewer at the end of the file, or on an error, which
// then goes to Error; 0 otherwise).
size_t ReadFully(int fd, void* Buffer, size_t Count, int& Error);
size_t WriteFully(int fd, const void* Buffer, size_t Count, int& Error);

#pragma once
#include <memory>
#include <string>
#include <vector>

#include "editor/support/SrcObject.h"

class TAtomicFileStream;

// Line-break style of a text file.
enum TSrcEditFileFormat : uint8_t {
    sffDos,   // CR LF
    sffUnix,  // LF
    sffMac,   // CR
};

// A buffered file.
class TSrcEditFiler : public TObject {
public:
    static constexpr size_t kBufferSize = 16384;

    ~TSrcEditFiler() override;
    TSrcEditFiler(const TSrcEditFiler&) = delete;
    TSrcEditFiler& operator=(const TSrcEditFiler&) = delete;

    virtual void Flush();

    TSrcEditFileFormat FileFormat = sffDos;

protected:
    explicit TSrcEditFiler(std::unique_ptr<TAtomicFileStream> stream);

    std::vector<char> buffer_;
    size_t bufferCount_ = 0;
    std::unique_ptr<TAtomicFileStream> stream_;
};

// Writes a text file through the buffer. The file is replaced only by
// Commit; a writer destroyed without it leaves the old file as it was.
class TSrcEditFileWriter : public TSrcEditFiler {
public:
    explicit TSrcEditFileWriter(const std::string& FileName);

    void Flush() override;
    void Write(const std::string& S);
    // S followed by the break of FileFormat.
    void WriteLine(const std::string& S);
    // Flushes and makes the written text the file's contents.
    void Commit();

private:
    void MakeRoom(size_t length);
};

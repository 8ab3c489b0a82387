#include "editor/text/SrcEditFiler.h"

#include <cstring>

#include "editor/support/AtomicFileStream.h"

TSrcEditFiler::TSrcEditFiler(std::unique_ptr<TAtomicFileStream> stream)
    : buffer_(kBufferSize), stream_(std::move(stream)) {}

TSrcEditFiler::~TSrcEditFiler() = default;

void TSrcEditFiler::Flush() {}

TSrcEditFileWriter::TSrcEditFileWriter(const std::string& FileName)
    : TSrcEditFiler(std::make_unique<TAtomicFileStream>(FileName)) {}

void TSrcEditFileWriter::Flush() {
    if (bufferCount_ > 0) {
        stream_->WriteBuffer(buffer_.data(), bufferCount_);
        bufferCount_ = 0;
    }
}

void TSrcEditFileWriter::MakeRoom(size_t length) {
    if (bufferCount_ + length > buffer_.size()) {
        Flush();
        if (length > buffer_.size()) {
            buffer_.resize(length);
        }
    }
}

void TSrcEditFileWriter::Write(const std::string& S) {
    MakeRoom(S.size());
    std::memcpy(buffer_.data() + bufferCount_, S.data(), S.size());
    bufferCount_ += S.size();
}

void TSrcEditFileWriter::WriteLine(const std::string& S) {
    MakeRoom(S.size() + (FileFormat == sffDos ? 2 : 1));
    std::memcpy(buffer_.data() + bufferCount_, S.data(), S.size());
    bufferCount_ += S.size();
    if (FileFormat != sffUnix) {
        buffer_[bufferCount_++] = '\r';
    }
    if (FileFormat != sffMac) {
        buffer_[bufferCount_++] = '\n';
    }
}

void TSrcEditFileWriter::Commit() {
    Flush();
    stream_->Commit();
}

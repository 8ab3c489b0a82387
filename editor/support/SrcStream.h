#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "editor/support/SrcObject.h"

enum TSeekOrigin : uint8_t { soBeginning, soCurrent, soEnd };

// A sequence of bytes with a position.
class TStream : public TObject {
public:
    // Bytes actually read (fewer at the end).
    virtual size_t Read(void* Buffer, size_t Count) = 0;
    // Bytes actually written.
    virtual size_t Write(const void* Buffer, size_t Count) = 0;
    // The new position.
    virtual int64_t Seek(int64_t Offset, TSeekOrigin Origin) = 0;
    virtual int64_t Size();

    int64_t Position() { return Seek(0, soCurrent); }
    void Position(int64_t Value) { Seek(Value, soBeginning); }

    // Read or write exactly Count bytes, else EReadError / EWriteError.
    void ReadBuffer(void* Buffer, size_t Count);
    void WriteBuffer(const void* Buffer, size_t Count);
};

// A stream held in memory.
class TMemoryStream : public TStream {
public:
    size_t Read(void* Buffer, size_t Count) override;
    size_t Write(const void* Buffer, size_t Count) override;
    int64_t Seek(int64_t Offset, TSeekOrigin Origin) override;
    int64_t Size() override { return static_cast<int64_t>(data_.size()); }

    const std::string& Data() const { return data_; }
    void SetData(const std::string& bytes) {
        data_ = bytes;
        position_ = 0;
    }

private:
    std::string data_;
    size_t position_ = 0;
};

#include "editor/support/SrcStream.h"

#include <algorithm>
#include <cstring>

#include "editor/support/SrcExceptions.h"

int64_t TStream::Size() {
    int64_t position = Seek(0, soCurrent);
    int64_t size = Seek(0, soEnd);
    Seek(position, soBeginning);
    return size;
}

void TStream::ReadBuffer(void* Buffer, size_t Count) {
    if (Count != 0 && Read(Buffer, Count) != Count) {
        throw EReadError("Stream read error");
    }
}

void TStream::WriteBuffer(const void* Buffer, size_t Count) {
    if (Count != 0 && Write(Buffer, Count) != Count) {
        throw EWriteError("Stream write error");
    }
}

size_t TMemoryStream::Read(void* Buffer, size_t Count) {
    if (position_ >= data_.size()) {
        return 0;
    }
    size_t n = std::min(Count, data_.size() - position_);
    std::memcpy(Buffer, data_.data() + position_, n);
    position_ += n;
    return n;
}

size_t TMemoryStream::Write(const void* Buffer, size_t Count) {
    if (position_ > data_.size()) {
        data_.resize(position_);
    }
    data_.replace(position_, std::min(Count, data_.size() - position_),
                  static_cast<const char*>(Buffer), Count);
    position_ += Count;
    return Count;
}

int64_t TMemoryStream::Seek(int64_t Offset, TSeekOrigin Origin) {
    int64_t base = Origin == soBeginning ? 0
                   : Origin == soCurrent ? static_cast<int64_t>(position_)
                                         : static_cast<int64_t>(data_.size());
    position_ = static_cast<size_t>(std::max<int64_t>(base + Offset, 0));
    return static_cast<int64_t>(position_);
}

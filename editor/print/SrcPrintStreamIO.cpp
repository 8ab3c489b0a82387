#include "editor/print/SrcPrintStreamIO.h"

#include <cmath>
#include <cstring>

#include "editor/print/SrcPrintFont.h"
#include "editor/support/SrcExceptions.h"
#include "editor/support/SrcStream.h"

namespace {

constexpr int kFontRecordSize = 1 + 4 + 4 + 4 + 1 + 4 + 1;

uint64_t LittleEndian(const unsigned char* bytes, int count) {
    uint64_t value = 0;
    for (int i = count - 1; i >= 0; --i) {
        value = value << 8 | bytes[i];
    }
    return value;
}

}  // namespace

void TSrcPrintWriter::Byte(uint8_t Value) { stream_.WriteBuffer(&Value, 1); }

void TSrcPrintWriter::Int32(int32_t Value) {
    unsigned char bytes[4];
    for (int i = 0; i < 4; ++i) {
        bytes[i] = static_cast<unsigned char>(static_cast<uint32_t>(Value) >> (8 * i));
    }
    stream_.WriteBuffer(bytes, 4);
}

void TSrcPrintWriter::Double(double Value) {
    uint64_t bits;
    std::memcpy(&bits, &Value, 8);
    unsigned char bytes[8];
    for (int i = 0; i < 8; ++i) {
        bytes[i] = static_cast<unsigned char>(bits >> (8 * i));
    }
    stream_.WriteBuffer(bytes, 8);
}

void TSrcPrintWriter::String(const std::string& Value) {
    Int32(static_cast<int32_t>(Value.size()));
    stream_.WriteBuffer(Value.data(), Value.size());
}

void TSrcPrintWriter::Font(const TSrcPrintFont& Value) {
    Byte(Value.Charset());
    Int32(Value.Color());
    Int32(Value.Height());
    String(Value.Name());
    Byte(Value.Pitch());
    Int32(Value.Size());
    Byte(Value.Style().ToBits());
}

TSrcPrintReader::TSrcPrintReader(TStream& Stream) : stream_(Stream), left_(Stream.Size() - Stream.Position()) {}

void TSrcPrintReader::Need(int64_t Bytes) {
    if (Bytes < 0 || Bytes > left_) {
        throw EReadError("Print settings damaged: the record runs past the end of the data");
    }
}

void TSrcPrintReader::Take(void* Buffer, size_t Bytes) {
    Need(static_cast<int64_t>(Bytes));
    stream_.ReadBuffer(Buffer, Bytes);
    left_ -= static_cast<int64_t>(Bytes);
}

uint8_t TSrcPrintReader::Byte() {
    uint8_t value;
    Take(&value, 1);
    return value;
}

uint8_t TSrcPrintReader::Enum(uint8_t Limit) {
    uint8_t value = Byte();
    if (value >= Limit) {
        throw EReadError("Print settings damaged: a value is out of range");
    }
    return value;
}

int32_t TSrcPrintReader::Int32() {
    unsigned char bytes[4];
    Take(bytes, 4);
    return static_cast<int32_t>(static_cast<uint32_t>(LittleEndian(bytes, 4)));
}

double TSrcPrintReader::Double() {
    unsigned char bytes[8];
    Take(bytes, 8);
    uint64_t bits = LittleEndian(bytes, 8);
    double value;
    std::memcpy(&value, &bits, 8);
    if (!std::isfinite(value) || std::fabs(value) > 1e6) {
        throw EReadError("Print settings damaged: a length is out of range");
    }
    return value;
}

std::string TSrcPrintReader::String() {
    int32_t length = Int32();
    Need(length);
    std::string value(static_cast<size_t>(length), '\0');
    Take(value.data(), value.size());
    return value;
}

int TSrcPrintReader::Count(int MinRecordSize) {
    int32_t count = Int32();
    Need(count < 0 ? -1 : static_cast<int64_t>(count) * MinRecordSize);
    return count;
}

void TSrcPrintReader::Font(TSrcPrintFont& Value) {
    Need(kFontRecordSize);
    Value.SetCharset(Byte());
    Value.SetColor(Int32());
    Value.SetHeight(Int32());
    Value.SetName(String());
    Value.SetPitch(static_cast<TFontPitch>(Enum(fpFixed + 1)));
    int size = Int32();
    if (size < -TSrcPrintFont::kMaxSize || size > TSrcPrintFont::kMaxSize) {
        throw EReadError("Print settings damaged: a font size is out of range");
    }
    Value.SetStoredSize(size);
    Value.SetStyle(TFontStyles::FromBits(Byte() & 0x0F));
}

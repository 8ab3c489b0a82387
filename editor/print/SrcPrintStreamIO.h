#pragma once
#include <cstdint>
#include <string>

class TStream;
class TSrcPrintFont;

// Little-endian records of the print classes. Reading checks every length
// and count against the bytes left and raises EReadError on damaged data.
class TSrcPrintWriter {
public:
    explicit TSrcPrintWriter(TStream& Stream) : stream_(Stream) {}
    void Byte(uint8_t Value);
    void Bool(bool Value) { Byte(Value ? 1 : 0); }
    void Int32(int32_t Value);
    void Double(double Value);
    void String(const std::string& Value);
    void Font(const TSrcPrintFont& Value);

private:
    TStream& stream_;
};

class TSrcPrintReader {
public:
    explicit TSrcPrintReader(TStream& Stream);
    uint8_t Byte();
    // A byte that must be below Limit.
    uint8_t Enum(uint8_t Limit);
    bool Bool() { return Byte() != 0; }
    int32_t Int32();
    // A finite value of at most 1e6 in size.
    double Double();
    std::string String();
    // A count of records of at least MinRecordSize bytes each.
    int Count(int MinRecordSize);
    // Reads a font record into Value, field by field: the record has no
    // resolution, so Value keeps its own and the size sets the point size.
    void Font(TSrcPrintFont& Value);

private:
    void Need(int64_t Bytes);
    void Take(void* Buffer, size_t Bytes);

    TStream& stream_;
    int64_t left_;
};

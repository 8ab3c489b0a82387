#pragma once
#include <cstdint>
#include <stdexcept>
#include <string>

// Value types of the component stream.
enum TValueType : uint8_t {
    vaNull = 0x00,
    vaInt8 = 0x02,
    vaInt16 = 0x03,
    vaInt32 = 0x04,
    vaString = 0x06,
    vaLString = 0x0C,
    vaWString = 0x12,
    vaInt64 = 0x13,
    vaUTF8String = 0x14,
};

// Raised by TComponentReader for bytes that are not a well-formed stream.
class EStreamMalformed : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Builds a component resource: header, "TPF0" stream, properties, ends.
class TComponentWriter {
public:
    void WriteShortString(const std::string& text);
    void WriteProperty(const std::string& name, const std::string& text);  // string value
    void WriteProperty(const std::string& name, int32_t value);            // integer value
    void WriteEndOfList() { body_ += '\0'; }
    void WriteStreamStart(const std::string& className, const std::string& componentName);
    // The resource header for `className` followed by everything written.
    std::string Resource(const std::string& className) const;

private:
    void WriteU32(uint32_t value);
    std::string body_;
};

// Reads a component resource back, checking every length against the bytes.
class TComponentReader {
public:
    explicit TComponentReader(const std::string& bytes) : bytes_(bytes) {}

    void ReadResourceHeader();  // named-type marker, RCDATA, name, flags, size
    void ReadSignature();       // "TPF0"
    std::string ReadShortString();
    uint8_t ReadByte();
    std::string ReadStringValue();  // any string value type, as UTF-8
    int32_t ReadIntegerValue();     // any integer value type that fits 32 bits

private:
    const char* Take(size_t count);
    uint32_t ReadU32();
    uint16_t ReadU16();

    const std::string& bytes_;
    size_t pos_ = 0;
};

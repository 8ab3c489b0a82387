#include "foundation/ComponentStream.h"

#include <cstring>
#include <limits>

#include "foundation/Utf.h"

namespace {
char ByteOf(uint32_t value, int index) { return static_cast<char>((value >> (8 * index)) & 0xFF); }

std::string LittleEndian(uint32_t value, int bytes) {
    std::string out;
    for (int i = 0; i < bytes; ++i) out += ByteOf(value, i);
    return out;
}

std::string Upper(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}
}  // namespace

void TComponentWriter::WriteU32(uint32_t value) { body_ += LittleEndian(value, 4); }

void TComponentWriter::WriteShortString(const std::string& text) {
    std::string cut = text.substr(0, 255);
    body_ += static_cast<char>(cut.size());
    body_ += cut;
}

void TComponentWriter::WriteStreamStart(const std::string& className, const std::string& componentName) {
    body_ += "TPF0";
    WriteShortString(className);
    WriteShortString(componentName);
}

// ASCII as a short or long string; other text as UTF-8, or as UTF-16 when
// that is not longer. Bytes that are not UTF-8 are kept as they are.
void TComponentWriter::WriteProperty(const std::string& name, const std::string& text) {
    WriteShortString(name);
    std::u16string wide;
    if (IsAscii(text) && text.size() <= 255) {
        body_ += static_cast<char>(vaString);
        body_ += static_cast<char>(text.size());
        body_ += text;
    } else if (IsAscii(text) || !Utf8ToUtf16(text, wide) || text.size() < 2 * wide.size()) {
        body_ += static_cast<char>(IsAscii(text) ? vaLString : vaUTF8String);
        WriteU32(static_cast<uint32_t>(text.size()));
        body_ += text;
    } else {
        body_ += static_cast<char>(vaWString);
        WriteU32(static_cast<uint32_t>(wide.size()));
        for (char16_t unit : wide) body_ += LittleEndian(unit, 2);
    }
}

void TComponentWriter::WriteProperty(const std::string& name, int32_t value) {
    WriteShortString(name);
    if (value >= -128 && value <= 127) {
        body_ += static_cast<char>(vaInt8);
        body_ += LittleEndian(static_cast<uint32_t>(value), 1);
    } else if (value >= -32768 && value <= 32767) {
        body_ += static_cast<char>(vaInt16);
        body_ += LittleEndian(static_cast<uint32_t>(value), 2);
    } else {
        body_ += static_cast<char>(vaInt32);
        WriteU32(static_cast<uint32_t>(value));
    }
}

std::string TComponentWriter::Resource(const std::string& className) const {
    std::string header = "\xFF";
    header += LittleEndian(0x000A, 2);
    header += Upper(className);
    header += '\0';
    header += LittleEndian(0x1030, 2);
    header += LittleEndian(static_cast<uint32_t>(body_.size()), 4);
    return header + body_;
}

const char* TComponentReader::Take(size_t count) {
    if (count > bytes_.size() - pos_) throw EStreamMalformed("stream ends early");
    const char* at = bytes_.data() + pos_;
    pos_ += count;
    return at;
}

uint8_t TComponentReader::ReadByte() { return static_cast<uint8_t>(*Take(1)); }

uint16_t TComponentReader::ReadU16() {
    const unsigned char* p = reinterpret_cast<const unsigned char*>(Take(2));
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

uint32_t TComponentReader::ReadU32() {
    const unsigned char* p = reinterpret_cast<const unsigned char*>(Take(4));
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

void TComponentReader::ReadResourceHeader() {
    if (ReadByte() != 0xFF || ReadU16() != 0x000A) throw EStreamMalformed("not a resource");
    while (ReadByte() != 0) {
    }
    ReadU16();
    ReadU32();
}

void TComponentReader::ReadSignature() {
    if (std::memcmp(Take(4), "TPF0", 4) != 0) throw EStreamMalformed("no signature");
}

std::string TComponentReader::ReadShortString() {
    uint8_t length = ReadByte();
    return std::string(Take(length), length);
}

std::string TComponentReader::ReadStringValue() {
    switch (ReadByte()) {
        case vaString:
            return ReadShortString();
        case vaLString:
        case vaUTF8String: {
            uint32_t length = ReadU32();
            return std::string(Take(length), length);
        }
        case vaWString: {
            uint32_t count = ReadU32();
            if (count > (bytes_.size() - pos_) / 2) throw EStreamMalformed("stream ends early");
            std::u16string wide;
            for (uint32_t i = 0; i < count; ++i) wide += static_cast<char16_t>(ReadU16());
            return Utf16ToUtf8(wide);
        }
        default:
            throw EStreamMalformed("not a string value");
    }
}

int32_t TComponentReader::ReadIntegerValue() {
    switch (ReadByte()) {
        case vaInt8:
            return static_cast<int8_t>(ReadByte());
        case vaInt16:
            return static_cast<int16_t>(ReadU16());
        case vaInt32:
            return static_cast<int32_t>(ReadU32());
        case vaInt64: {
            uint64_t low = ReadU32();
            int64_t value = static_cast<int64_t>(low | (static_cast<uint64_t>(ReadU32()) << 32));
            if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max())
                throw EStreamMalformed("integer out of range");
            return static_cast<int32_t>(value);
        }
        default:
            throw EStreamMalformed("not an integer value");
    }
}

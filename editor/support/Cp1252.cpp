#include "editor/support/Cp1252.h"

#include <array>

namespace {

enum : uint8_t { kAlpha = 1, kDigit = 2, kUpper = 4, kLower = 8 };

struct Cp1252Tables {
    std::array<unsigned char, 256> upper{};
    std::array<unsigned char, 256> lower{};
    std::array<uint8_t, 256> kind{};

    void Pair(unsigned capital, unsigned small) {
        upper[small] = static_cast<unsigned char>(capital);
        lower[capital] = static_cast<unsigned char>(small);
        kind[capital] = kAlpha | kUpper;
        kind[small] = kAlpha | kLower;
    }

    Cp1252Tables() {
        for (unsigned c = 0; c < 256; ++c) {
            upper[c] = lower[c] = static_cast<unsigned char>(c);
        }
        for (unsigned c = '0'; c <= '9'; ++c) {
            kind[c] = kDigit;
        }
        for (unsigned c = 'A'; c <= 'Z'; ++c) {
            Pair(c, c + 32);
        }
        Pair(0x8A, 0x9A);  // S caron
        Pair(0x8C, 0x9C);  // OE ligature
        Pair(0x8E, 0x9E);  // Z caron
        Pair(0x9F, 0xFF);  // Y diaeresis
        for (unsigned c = 0xC0; c <= 0xDE; ++c) {
            if (c != 0xD7) {  // multiplication sign
                Pair(c, c + 32);
            }
        }
        // Lower-case letters without a capital in this code page.
        for (unsigned c : {0x83u, 0xB5u, 0xDFu}) {
            kind[c] = kAlpha | kLower;
        }
        // Ordinal indicators: letters without case.
        kind[0xAA] = kAlpha;
        kind[0xBA] = kAlpha;
    }
};

// 0x80..0x9F; 0 marks a byte without a character. The rest is Latin-1.
constexpr char16_t kHigh[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

const Cp1252Tables& Tables() {
    static const Cp1252Tables tables;
    return tables;
}

}  // namespace

unsigned char Cp1252Upper(unsigned char c) { return Tables().upper[c]; }
unsigned char Cp1252Lower(unsigned char c) { return Tables().lower[c]; }

bool Cp1252IsAlpha(unsigned char c) { return (Tables().kind[c] & kAlpha) != 0; }
bool Cp1252IsDigit(unsigned char c) { return (Tables().kind[c] & kDigit) != 0; }
bool Cp1252IsAlnum(unsigned char c) { return (Tables().kind[c] & (kAlpha | kDigit)) != 0; }
bool Cp1252IsUpper(unsigned char c) { return (Tables().kind[c] & kUpper) != 0; }
bool Cp1252IsLower(unsigned char c) { return (Tables().kind[c] & kLower) != 0; }

char16_t Cp1252ToUnicode(unsigned char byte, char16_t unassigned) {
    if (byte < 0x80 || byte > 0x9F) {
        return byte;
    }
    const char16_t code = kHigh[byte - 0x80];
    if (code != 0) {
        return code;
    }
    return unassigned != 0 ? unassigned : char16_t(byte);
}

int Cp1252FromUnicode(char16_t code) {
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) {
        return code;
    }
    for (int i = 0; i < 32; ++i) {
        if (kHigh[i] == code) {
            return 0x80 + i;
        }
    }
    if (code >= 0x80 && code <= 0x9F && kHigh[code - 0x80] == 0) {
        return code;  // an unassigned byte read as its C1 control comes back
    }
    return -1;
}

std::string Cp1252FromUtf16(std::u16string_view text) {
    std::string result;
    result.reserve(text.size());
    for (size_t at = 0; at < text.size(); ++at) {
        const char16_t code = text[at];
        const bool pair = code >= 0xD800 && code <= 0xDBFF && at + 1 < text.size() && text[at + 1] >= 0xDC00 &&
                          text[at + 1] <= 0xDFFF;
        at += pair ? 1 : 0;
        const int byte = Cp1252FromUnicode(code);
        result += byte < 0 ? '?' : static_cast<char>(byte);
    }
    return result;
}

void Cp1252UpperBuff(char* text, size_t length) {
    const auto& table = Tables().upper;
    for (size_t i = 0; i < length; ++i) {
        text[i] = static_cast<char>(table[static_cast<unsigned char>(text[i])]);
    }
}

void Cp1252LowerBuff(char* text, size_t length) {
    const auto& table = Tables().lower;
    for (size_t i = 0; i < length; ++i) {
        text[i] = static_cast<char>(table[static_cast<unsigned char>(text[i])]);
    }
}

std::string Cp1252UpperString(const std::string& text) {
    std::string result = text;
    Cp1252UpperBuff(result.data(), result.size());
    return result;
}

std::string Cp1252LowerString(const std::string& text) {
    std::string result = text;
    Cp1252LowerBuff(result.data(), result.size());
    return result;
}

void AppendCp1252AsUtf8(std::string& out, unsigned char byte) {
    const char16_t code = Cp1252ToUnicode(byte, 0xFFFD);
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

#pragma once
#include <array>
#include <cstdint>

// Character and keyword tables of the Java highlighter, built at compile time.
namespace srcjava {

constexpr int kKeywordSlots = 173;

constexpr bool IsHighIdentByte(int C) { return C >= 192 && C != 215 && C != 247; }

// Identifier characters: '$', digits, letters, '_' and the bytes 192 to
// 255 except 215 and 247.
inline constexpr std::array<bool, 256> kIdentChars = [] {
    std::array<bool, 256> table{};
    for (int c = 0; c < 256; ++c) {
        table[c] = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '$' ||
                   c == '_' || IsHighIdentByte(c);
    }
    return table;
}();

// 'A'..'Z' give 1..26, 'a'..'z' and identifier bytes from 192 give c - 95,
// every other character 0.
inline constexpr std::array<uint8_t, 256> kHashValues = [] {
    std::array<uint8_t, 256> table{};
    for (int c = 0; c < 256; ++c) {
        if (c >= 'A' && c <= 'Z') {
            table[c] = static_cast<uint8_t>(c - 64);
        } else if ((c >= 'a' && c <= 'z') || IsHighIdentByte(c)) {
            table[c] = static_cast<uint8_t>(c - 95);
        }
    }
    return table;
}();

// The one or two keywords of a hash, the first tried first.
struct KeywordSlot {
    const char* First = nullptr;
    const char* Second = nullptr;
};

inline constexpr std::array<KeywordSlot, kKeywordSlots> kKeywords = [] {
    std::array<KeywordSlot, kKeywordSlots> table{};
    table[17] = {"if"};
    table[21] = {"do"};
    table[32] = {"case"};
    table[34] = {"char"};
    table[40] = {"catch"};
    table[42] = {"for", "break"};
    table[45] = {"else", "new"};
    table[46] = {"int"};
    table[47] = {"final"};
    table[48] = {"false"};
    table[51] = {"package"};
    table[52] = {"long"};
    table[54] = {"void"};
    table[56] = {"byte"};
    table[59] = {"class", "float"};
    table[60] = {"this"};
    table[61] = {"goto"};
    table[62] = {"while"};
    table[63] = {"null"};
    table[65] = {"double"};
    table[66] = {"try"};
    table[68] = {"true"};
    table[69] = {"public"};
    table[71] = {"boolean"};
    table[76] = {"default", "const"};
    table[77] = {"native"};
    table[78] = {"static"};
    table[84] = {"super"};
    table[85] = {"short"};
    table[86] = {"finally"};
    table[88] = {"switch", "assert"};
    table[89] = {"throw"};
    table[90] = {"interface"};
    table[92] = {"abstract"};
    table[97] = {"import"};
    table[98] = {"extends", "private"};
    table[102] = {"return"};
    table[104] = {"volatile"};
    table[109] = {"continue", "throws"};
    table[115] = {"protected"};
    table[116] = {"instanceof"};
    table[119] = {"strictfp"};
    table[129] = {"transient"};
    table[136] = {"implements"};
    table[172] = {"synchronized"};
    return table;
}();

}  // namespace srcjava

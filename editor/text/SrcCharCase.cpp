#include "editor/text/SrcCharCase.h"

#include <array>
#include <cstdint>

namespace {
// Lower-case letters and their capitals outside the ASCII and Latin-1
// letter runs.
constexpr uint8_t kPairs[][2] = {{0x9A, 0x8A}, {0x9C, 0x8C}, {0x9E, 0x8E}, {0xFF, 0x9F}};

struct TCaseTables {
    std::array<uint8_t, 256> Upper{};
    std::array<uint8_t, 256> Lower{};
    TCaseTables() {
        for (int c = 0; c < 256; ++c) {
            Upper[c] = Lower[c] = static_cast<uint8_t>(c);
        }
        for (int c = 'a'; c <= 'z'; ++c) {
            Link(static_cast<uint8_t>(c), static_cast<uint8_t>(c - 32));
        }
        for (int c = 0xE0; c <= 0xFE; ++c) {
            if (c != 0xF7) {
                Link(static_cast<uint8_t>(c), static_cast<uint8_t>(c - 32));
            }
        }
        for (const auto& pair : kPairs) {
            Link(pair[0], pair[1]);
        }
    }
    void Link(uint8_t Small, uint8_t Capital) {
        Upper[Small] = Capital;
        Lower[Capital] = Small;
    }
};

const TCaseTables& Tables() {
    static const TCaseTables tables;
    return tables;
}
}  // namespace

char SrcUpCase(char C) { return static_cast<char>(Tables().Upper[static_cast<uint8_t>(C)]); }

char SrcLowCase(char C) { return static_cast<char>(Tables().Lower[static_cast<uint8_t>(C)]); }

std::string SrcUpperCase(std::string S) {
    for (char& c : S) {
        c = SrcUpCase(c);
    }
    return S;
}

std::string SrcLowerCase(std::string S) {
    for (char& c : S) {
        c = SrcLowCase(c);
    }
    return S;
}

#include "editor/support/ShownText.h"

#include <cstdint>

#include "editor/support/Cp1252.h"

namespace {

bool IsContinuation(std::string_view bytes, size_t at)
{
    return at < bytes.size() && (static_cast<uint8_t>(bytes[at]) & 0xC0) == 0x80;
}

// The length of the well-formed UTF-8 sequence at `at` (no overlong form,
// no surrogate, nothing past U+10FFFF); 0 when there is none.
size_t SequenceLength(std::string_view bytes, size_t at)
{
    const auto lead = static_cast<uint8_t>(bytes[at]);
    if (lead < 0x80) return 1;
    size_t length = 0;
    uint8_t low = 0x80, high = 0xBF;  // the bounds of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (at + 1 >= bytes.size()) return 0;
    const auto second = static_cast<uint8_t>(bytes[at + 1]);
    if (second < low || second > high) return 0;
    for (size_t i = 2; i < length; ++i)
        if (!IsContinuation(bytes, at + i)) return 0;
    return length;
}

}  // namespace

std::string ShownText(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (size_t at = 0; at < bytes.size();) {
        if (const size_t length = SequenceLength(bytes, at)) {
            out.append(bytes.substr(at, length));
            at += length;
        } else {
            AppendCp1252AsUtf8(out, static_cast<uint8_t>(bytes[at]));
            ++at;
        }
    }
    return out;
}

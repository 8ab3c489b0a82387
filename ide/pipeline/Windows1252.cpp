#include "ide/pipeline/Windows1252.h"

#include <algorithm>
#include <cstdint>

#include "editor/support/Cp1252.h"

namespace {

bool IsAscii(char c) { return static_cast<uint8_t>(c) < 0x80; }

}  // namespace

// Plain ASCII, the usual case, is copied as it is; from the first other
// byte on, each byte is mapped.
std::string Windows1252ToUtf8(std::string_view bytes)
{
    const auto firstHigh = std::find_if_not(bytes.begin(), bytes.end(), IsAscii);
    std::string out(bytes.begin(), firstHigh);
    if (firstHigh == bytes.end())
        return out;
    out.reserve(bytes.size() + (bytes.size() >> 1));
    for (auto at = firstHigh; at != bytes.end(); ++at) {
        if (IsAscii(*at))
            out += *at;
        else
            AppendCp1252AsUtf8(out, static_cast<uint8_t>(*at));
    }
    return out;
}

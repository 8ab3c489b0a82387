#include "ide/pipeline/Windows1252.h"

#include <cstdint>

#include "editor/support/Cp1252.h"

std::string Windows1252ToUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (char c : bytes) AppendCp1252AsUtf8(out, static_cast<uint8_t>(c));
    return out;
}

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "foundation/EError.h"
#include "linker/ORULinker.h"

namespace {
// Writes a whole file through a temporary beside it, so that a failed write
// never leaves a half file under the name. IDE-17 when it cannot be written.
void WriteWholeFile(const char* name, const std::string& bytes) {
    std::string temporary = std::string(name) + ".tmp";
    FILE* file = std::fopen(temporary.c_str(), "wb");
    bool written = file && std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    int error = errno;
    if (file && std::fclose(file) != 0 && written) {
        written = false;
        error = errno;
    }
    if (written && std::rename(temporary.c_str(), name) == 0) return;
    if (written) error = errno;
    std::remove(temporary.c_str());
    throw EError(ecIDE, 17, name, error, std::strerror(error));
}
}  // namespace

// "oru.hex": two hex digits and a blank per byte, no line end; "oru.bin":
// the bytes themselves.
void CORULinker::WriteImageFiles() const {
    static const char Digits[] = "0123456789ABCDEF";
    std::string hex;
    hex.reserve(size_t(WritePosition) * 3);
    for (int i = 0; i < WritePosition; ++i) {
        hex += Digits[Image[size_t(i)] >> 4];
        hex += Digits[Image[size_t(i)] & 0x0F];
        hex += ' ';
    }
    WriteWholeFile("oru.hex", hex);
    WriteWholeFile("oru.bin", std::string(Image.begin(), Image.begin() + WritePosition));
}

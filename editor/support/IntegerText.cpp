#include "editor/support/IntegerText.h"

#include <cerrno>
#include <cstdlib>

bool ParseInt32Bits(const std::string& Digits, int Base, bool Negative, int32_t& Value) {
    errno = 0;
    char* end = nullptr;
    unsigned long long number = std::strtoull(Digits.c_str(), &end, Base);
    if (errno != 0 || *end != '\0' || number > 0xFFFFFFFFull) {
        return false;
    }
    uint32_t bits = static_cast<uint32_t>(number);
    Value = static_cast<int32_t>(Negative ? 0u - bits : bits);
    return true;
}

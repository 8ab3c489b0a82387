#pragma once
#include <cstdint>
#include <string>

// Reads Digits (no sign, no prefix) in Base as a 32-bit pattern, negated
// modulo 2^32 when Negative. False when Digits is not wholly a number or
// does not fit in 32 bits.
bool ParseInt32Bits(const std::string& Digits, int Base, bool Negative, int32_t& Value);

#pragma once
#include <string>

// Converts well-formed UTF-8 into UTF-16 code units; false for malformed input.
bool Utf8ToUtf16(const std::string& text, std::u16string& out);

// Converts UTF-16 to UTF-8; an unpaired surrogate becomes U+FFFD.
std::string Utf16ToUtf8(const std::u16string& text);

bool IsAscii(const std::string& text);

#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Character classes and case mapping of the Windows-1252 code page, from
// fixed tables (independent of the C locale). Text is bytes throughout.

unsigned char Cp1252Upper(unsigned char c);
unsigned char Cp1252Lower(unsigned char c);

bool Cp1252IsAlpha(unsigned char c);
bool Cp1252IsDigit(unsigned char c);  // '0'..'9'
bool Cp1252IsAlnum(unsigned char c);
bool Cp1252IsUpper(unsigned char c);  // letters with a lower-case partner or capitals
bool Cp1252IsLower(unsigned char c);

// The Unicode character of a byte; the five bytes the code page leaves
// unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D) give `unassigned`, or their own
// value when that is 0.
char16_t Cp1252ToUnicode(unsigned char byte, char16_t unassigned = 0);
// Appends a byte's character in UTF-8; an unassigned byte gives U+FFFD.
void AppendCp1252AsUtf8(std::string& out, unsigned char byte);
// The byte of a Unicode character; -1 when the code page lacks it.
int Cp1252FromUnicode(char16_t code);
// UTF-16 text as bytes; a character the code page lacks (a surrogate pair
// is one) becomes "?".
std::string Cp1252FromUtf16(std::u16string_view text);

// Whole-buffer mappings, in place.
void Cp1252UpperBuff(char* text, size_t length);
void Cp1252LowerBuff(char* text, size_t length);

// Copies mapped to upper or lower case.
std::string Cp1252UpperString(const std::string& text);
std::string Cp1252LowerString(const std::string& text);

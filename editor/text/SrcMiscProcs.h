#pragma once
#include <bitset>
#include <cstdint>
#include <string>
#include <vector>

#include "editor/support/SrcCoord.h"

// A set of the 256 byte values.
using TSrcCharSet = std::bitset<256>;
TSrcCharSet CharSetOf(const std::string& chars);
TSrcCharSet CharRange(unsigned char first, unsigned char last);

// max(min(x, mi... ma), mi).
int MinMax(int x, int mi, int ma);
void SwapInt(int& l, int& r);

// The later (earlier) point, by y then x; the first one when equal.
TPoint MaxPoint(const TPoint& P1, const TPoint& P2);
TPoint MinPoint(const TPoint& P1, const TPoint& P2);
// The same on buffer positions (by line, then character).
TBufferCoord MaxPoint(const TBufferCoord& P1, const TBufferCoord& P2);
TBufferCoord MinPoint(const TBufferCoord& P1, const TBufferCoord& P2);

// Count integers, each InitialValue.
std::vector<int32_t> GetIntArray(int Count, int32_t InitialValue);

// First index >= Start (1-based) whose byte is in AChars; 0 when none.
int StrScanForCharInSet(const std::string& Line, int Start, const TSrcCharSet& AChars);
// Last index <= Start whose byte is in AChars; 0 when none.
int StrRScanForCharInSet(const std::string& Line, int Start, const TSrcCharSet& AChars);
// Double-byte lead bytes; the single-byte code page has none, so 0.
int StrScanForMultiByteChar(const std::string& Line, int Start);
int StrRScanForMultiByteChar(const std::string& Line, int Start);

// The first NUL, LF or CR of a NUL-terminated text.
const char* GetEOL(const char* Line);

// "\" -> "\\" and "/" -> "\." so that "/" can join encoded fields.
std::string EncodeString(const std::string& s);
// The inverse; a final lone "\" stays as it is.
std::string DecodeString(const std::string& s);

// A copy without trailing spaces and tabs.
std::string TrimTrailingSpaces(const std::string& s);

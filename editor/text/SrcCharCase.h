#pragma once
#include <string>

// Letter case of the Windows-1252 code page, independent of the C locale.
char SrcUpCase(char C);
char SrcLowCase(char C);
std::string SrcUpperCase(std::string S);
std::string SrcLowerCase(std::string S);

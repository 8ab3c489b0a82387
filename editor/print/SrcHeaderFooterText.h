#pragma once
#include <string>
#include <vector>

// The string forms of headers and footers: fields joined with "/" (each
// escaped by the caller) and the numbers in them.
std::string JoinFields(const std::vector<std::string>& Fields);
// Splits at "/"; the empty text has no fields.
std::vector<std::string> SplitFields(const std::string& Text);
// A decimal number within [Min, Max]; else EConvertError.
int FieldNumber(const std::string& Text, int Min, int Max);

#pragma once
#include <string>
#include <vector>

// A text cut at its line ends (CR LF, a lone CR or a lone LF), read up to
// its first NUL: n line ends give n + 1 pieces.
std::vector<std::string> SplitTextPieces(const std::string& Text);

// Whether a text holds anything before its first NUL, where it is read to.
inline bool HasText(const std::string& Text) { return !Text.empty() && Text[0] != '\0'; }

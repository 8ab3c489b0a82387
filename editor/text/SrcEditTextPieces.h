#pragma once
#include <string>
#include <vector>

// A text cut at its line ends (CR LF, a lone CR or a lone LF), read up to
// its first NUL: n line ends give n + 1 pieces.
std::vector<std::string> SplitTextPieces(const std::string& Text);

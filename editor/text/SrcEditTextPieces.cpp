#include "editor/text/SrcEditTextPieces.h"

std::vector<std::string> SplitTextPieces(const std::string& Text) {
    std::vector<std::string> pieces;
    size_t end = Text.find('\0');
    if (end == std::string::npos) {
        end = Text.size();
    }
    size_t start = 0;
    for (size_t i = 0; i < end; ++i) {
        char c = Text[i];
        if (c != '\r' && c != '\n') {
            continue;
        }
        pieces.emplace_back(Text, start, i - start);
        if (c == '\r' && i + 1 < end && Text[i + 1] == '\n') {
            ++i;
        }
        start = i + 1;
    }
    pieces.emplace_back(Text, start, end - start);
    return pieces;
}

#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Turns character offsets of a source into 1-based lines and characters, as
// the editor counts them: a tab is one character; CR, LF and CR LF each end
// a line. The text is Cp1252, so one byte is one character.
class TSourcePositions {
public:
    explicit TSourcePositions(const std::string& text);

    struct TPosition {
        int32_t Line;
        int32_t Char;
    };
    // An offset past the end lands on the last character.
    TPosition At(int64_t offset) const;

private:
    std::vector<int64_t> lineStarts_;
    int64_t length_;
};

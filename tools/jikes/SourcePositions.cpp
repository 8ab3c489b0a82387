#include "tools/jikes/SourcePositions.h"

#include <algorithm>

TSourcePositions::TSourcePositions(const std::string& text)
    : lineStarts_{0}, length_(static_cast<int64_t>(text.size())) {
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        if (text[i] == '\r' || text[i] == '\n') lineStarts_.push_back(static_cast<int64_t>(i + 1));
    }
}

TSourcePositions::TPosition TSourcePositions::At(int64_t offset) const {
    offset = std::clamp<int64_t>(offset, 0, std::max<int64_t>(length_ - 1, 0));
    auto next = std::upper_bound(lineStarts_.begin(), lineStarts_.end(), offset);
    int64_t line = next - lineStarts_.begin();
    return {static_cast<int32_t>(line), static_cast<int32_t>(offset - *(next - 1) + 1)};
}

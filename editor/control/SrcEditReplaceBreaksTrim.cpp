#include <algorithm>

#include "editor/control/SrcEditIntMath.h"
#include "editor/control/SrcEditReplaceRun.h"

// Under eoTrimTrailingSpaces a replacement that breaks a line trims the
// lines it puts, as inserting it alone does: the first loses the blanks
// before the occurrence where the replacement's first piece is blank, the
// inner ones their own. The last keeps its blanks while occurrences wait
// in them; the last replacement in an old line trims it. Blanks that were
// not inserted are recorded as silent deletions after the insertion.

size_t TSrcSearchReplaceRun::TrimmedLength(const std::string& Text) {
    const size_t end = Text.find_last_not_of(" \t");
    return end == std::string::npos ? 0 : end + 1;
}

bool TSrcSearchReplaceRun::PutTrimmedReplacement(TBrokenRegion& Region, const std::string& Text, size_t Origin,
                                                 std::string Found, const std::string& Replacement) {
    if (Replacement.find_first_of("\r\n") == std::string::npos) {
        return false;
    }
    const size_t first = Region.Lines.size();
    const size_t left = Region.Current.size() + (Origin - Region.Done);
    PutReplacement(Region, Text, Origin, std::move(Found), Replacement);
    Region.InsertRecord = Region.Records.size() - 1;
    TrimFirstLine(Region, first, left);
    for (size_t line = first + 1; line < Region.Lines.size(); ++line) {
        Region.Lines[line].resize(TrimmedLength(Region.Lines[line]));
    }
    return true;
}

// The blanks of the region's line Line that stood before the occurrence
// (its first Left bytes), where nothing but blanks follows them.
void TSrcSearchReplaceRun::TrimFirstLine(TBrokenRegion& Region, size_t Line, size_t Left) {
    std::string& text = Region.Lines[Line];
    const size_t trimmed = TrimmedLength(text);
    if (trimmed < Left) {
        const TBufferCoord at = BufferCoord(ClampToInt32(static_cast<int64_t>(trimmed) + 1),
                                            ClampToInt32(int64_t{Region.First} + static_cast<int64_t>(Line)));
        Region.Records.push_back(TRecord{crSilentDeleteAfterCursor, at,
                                         BufferCoord(ClampToInt32(static_cast<int64_t>(Left) + 1), at.Line),
                                         text.substr(trimmed, Left - trimmed)});
    }
    text.resize(trimmed);
}

// The line the last replacement in an old line ended, its last piece and
// the rest of the old line: trimmed, the caret of its insertion at most
// at the line's end.
void TSrcSearchReplaceRun::TrimLastLine(TBrokenRegion& Region) {
    std::string& text = Region.Current;
    const size_t piece = static_cast<size_t>(Region.Caret.Char - 1);
    const size_t trimmed = TrimmedLength(text);
    const size_t from = std::max(trimmed, piece);
    const TBufferCoord at = BufferCoord(ClampToInt32(static_cast<int64_t>(trimmed) + 1), Region.Caret.Line);
    if (from < text.size()) {
        Region.Records.push_back(
            TRecord{crSilentDeleteAfterCursor, at,
                    BufferCoord(ClampToInt32(int64_t{at.Char} + static_cast<int64_t>(text.size() - from)), at.Line),
                    text.substr(from)});
    }
    Region.InsertEnd = BufferCoord(std::min(Region.Caret.Char, at.Char), at.Line);
    Region.Records[Region.InsertRecord].End = Region.InsertEnd;
    text.resize(trimmed);
}

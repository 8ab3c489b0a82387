#include <gtest/gtest.h>

#include <random>

#include "editor/text/SrcLineSplicer.h"
#include "editor/text/SrcMiscProcs.h"
#include "editor/text/SrcTabConvert.h"

namespace {

// Reference expansion: each tab spans to the next stop.
std::string Reference(const std::string& line, int tabWidth) {
    std::string out;
    for (char c : line) {
        if (c != '\t') {
            out.push_back(c);
        } else if (tabWidth < 2) {
            out.push_back(' ');
        } else {
            out.append(static_cast<size_t>(tabWidth - static_cast<int>(out.size()) % tabWidth), '\t');
        }
    }
    return out;
}

}  // namespace

TEST(SrcTabConvert, BestConverterMatchesTheRuleOnWidths1_3_4_8) {
    const std::string lines[] = {"", "plain", "\t", "a\tb", "abc\t\tx", "\t\t\t", "abcdefgh\tz", "ab\tcdefghij\t"};
    for (int width : {1, 3, 4, 8}) {
        for (const std::string& line : lines) {
            bool hasTabs = false;
            std::string expanded = GetBestConvertTabsProcEx(width)(line, width, hasTabs);
            EXPECT_EQ(expanded, Reference(line, width)) << width << " [" << line << "]";
            EXPECT_EQ(hasTabs, line.find('\t') != std::string::npos);
            EXPECT_EQ(GetBestConvertTabsProc(width)(line, width), expanded);
            EXPECT_EQ(GetExpandedLength(line, width), static_cast<int>(Reference(line, width).size()));
        }
    }
    EXPECT_EQ(ConvertTabs("a\t", 4), "a\t\t\t");
    EXPECT_EQ(ConvertTabs("a\tb", 0), "a\tb");  // a width below 1 counts as 1
}

TEST(SrcTabConvert, CaretPositionsAndCharacterIndexesOnWidths1_3_4_8) {
    const std::string line = "a\tbc\t\td";
    for (int width : {1, 3, 4, 8}) {
        // Walk every character and check both directions against the
        // reference expansion.
        int column = 1;
        for (int index = 1; index <= static_cast<int>(line.size()) + 3; ++index) {
            int expected = width <= 1 ? index : column;
            EXPECT_EQ(CharIndex2CaretPos(index, width, line), expected) << width << " " << index;
            bool inside = true;
            EXPECT_EQ(CaretPos2CharIndex(expected, width, line, inside), index) << width << " " << index;
            EXPECT_FALSE(inside);
            bool isTab = index <= static_cast<int>(line.size()) && line[static_cast<size_t>(index - 1)] == '\t';
            int span = isTab ? width - (column - 1) % width : 1;
            if (width > 1 && span > 1) {
                EXPECT_EQ(CaretPos2CharIndex(column + span - 1, width, line, inside), index);
                EXPECT_TRUE(inside);
            }
            column += span;
        }
    }
    bool inside = true;
    EXPECT_EQ(CaretPos2CharIndex(0, 8, line, inside), 0);
    EXPECT_EQ(CharIndex2CaretPos(-3, 8, line), 1);
}

TEST(SrcMiscProcs, EncodeAndDecodeStrings) {
    EXPECT_EQ(DecodeString("\\.b"), "/b");
    EXPECT_EQ(DecodeString("\\\\"), "\\");
    EXPECT_EQ(EncodeString("/b"), "\\.b");
    EXPECT_EQ(EncodeString("\\"), "\\\\");
    const std::string samples[] = {"", "a/b\\c//", "\\\\/", "\x80/\xFF"};
    for (const std::string& s : samples) {
        EXPECT_EQ(DecodeString(EncodeString(s)), s);
    }
    // A final lone backslash stays; nothing past the end is read.
    EXPECT_EQ(DecodeString("ab\\"), "ab\\");
    EXPECT_EQ(DecodeString("\\"), "\\");
}

TEST(SrcMiscProcs, ScansPointsAndSmallHelpers) {
    TSrcCharSet brackets = CharSetOf("()");
    EXPECT_EQ(StrScanForCharInSet("a(b)c", 1, brackets), 2);
    EXPECT_EQ(StrScanForCharInSet("a(b)c", 3, brackets), 4);
    EXPECT_EQ(StrScanForCharInSet("a(b)c", 9, brackets), 0);
    EXPECT_EQ(StrRScanForCharInSet("a(b)c", 99, brackets), 4);
    EXPECT_EQ(StrRScanForCharInSet("a(b)c", 1, brackets), 0);
    EXPECT_EQ(StrScanForMultiByteChar("\x81\x40", 1), 0);

    EXPECT_EQ(MaxPoint(Point(5, 1), Point(1, 2)), Point(1, 2));  // rows first
    const char text[] = "abc\rdef";
    EXPECT_EQ(GetEOL(text), text + 3);
    EXPECT_EQ(*GetEOL("xy"), '\0');
    EXPECT_EQ(TrimTrailingSpaces("a b \t "), "a b");
    EXPECT_EQ(TrimTrailingSpaces(" \t"), "");
}

// Splices back and forth along a line, growing and shrinking it past its
// spare room, against the same edits on a plain string.
TEST(SrcLineSplicer, SplicesAnywhereAsAStringWould) {
    std::mt19937 rng(5);
    for (const std::string start : {"", "x", "line of text"}) {
        std::string expected = start;
        TSrcLineSplicer line(start);
        for (int i = 0; i < 400; ++i) {
            size_t from = rng() % (expected.size() + 3);  // past the end is clamped
            size_t count = rng() % 5;
            std::string text(rng() % (i < 200 ? 9 : 3), static_cast<char>('a' + i % 26));
            size_t at = std::min(from, expected.size());
            std::string removed = expected.substr(at, count);
            expected.replace(at, removed.size(), text);
            ASSERT_EQ(line.Splice(from, count, text), removed) << i;
            ASSERT_EQ(line.Length(), expected.size()) << i;
        }
        EXPECT_EQ(line.TakeResult(), expected);
        EXPECT_EQ(line.Length(), 0u);
    }
}

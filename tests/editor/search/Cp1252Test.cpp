#include "editor/support/Cp1252.h"

#include <gtest/gtest.h>

#include "editor/search/SrcSearchTypes.h"

TEST(Cp1252, CaseMappingPairsAndFixedPoints) {
    EXPECT_EQ(Cp1252Upper(0xE9), 0xC9);  // e acute
    EXPECT_EQ(Cp1252Lower(0x8A), 0x9A);  // S caron
    EXPECT_EQ(Cp1252Upper(0xFF), 0x9F);  // y diaeresis
    EXPECT_EQ(Cp1252Upper(0xDF), 0xDF);  // sharp s has no capital
    EXPECT_EQ(Cp1252Upper(0xF7), 0xF7);  // division sign
    EXPECT_EQ(Cp1252Lower(0xD7), 0xD7);  // multiplication sign
    EXPECT_EQ(Cp1252Upper('_'), '_');
    // Every mapping round-trips where a partner exists.
    for (unsigned c = 0; c < 256; ++c) {
        auto u = Cp1252Upper(static_cast<unsigned char>(c));
        auto l = Cp1252Lower(static_cast<unsigned char>(c));
        if (u != c) {
            EXPECT_EQ(Cp1252Lower(u), c) << c;
        }
        if (l != c) {
            EXPECT_EQ(Cp1252Upper(l), c) << c;
        }
    }
}

TEST(Cp1252, ClassesOfLettersDigitsAndSymbols) {
    EXPECT_TRUE(Cp1252IsAlpha(0xC4));
    EXPECT_TRUE(Cp1252IsAlpha(0x83));
    EXPECT_TRUE(Cp1252IsAlpha(0xAA));
    EXPECT_FALSE(Cp1252IsAlpha(0xD7));
    EXPECT_FALSE(Cp1252IsAlpha('_'));
    EXPECT_TRUE(Cp1252IsDigit('0'));
    EXPECT_FALSE(Cp1252IsDigit(0xB2));
    EXPECT_TRUE(Cp1252IsAlnum(0xFC));
    EXPECT_FALSE(Cp1252IsAlnum(' '));
    EXPECT_TRUE(Cp1252IsUpper(0xC0));
    EXPECT_TRUE(Cp1252IsLower(0xDF));
    EXPECT_EQ(Cp1252UpperString("ab\xE4z1"), "AB\xC4Z1");
    EXPECT_EQ(Cp1252LowerString("AB\xC4Z1"), "ab\xE4z1");
}

TEST(Cp1252, UnicodeMappingRoundTripsEveryByte) {
    EXPECT_EQ(Cp1252ToUnicode(0x80), u'\u20AC');
    EXPECT_EQ(Cp1252ToUnicode(0x9F), u'\u0178');
    EXPECT_EQ(Cp1252ToUnicode(0xE9), u'\u00E9');
    EXPECT_EQ(Cp1252ToUnicode(0x81), u'\u0081');          // unassigned keeps its value
    EXPECT_EQ(Cp1252ToUnicode(0x8D, 0xFFFD), u'\uFFFD');  // or becomes the given mark
    EXPECT_EQ(Cp1252ToUnicode(0x8A, 0xFFFD), u'\u0160');
    for (unsigned c = 0; c < 256; ++c) {
        EXPECT_EQ(Cp1252FromUnicode(Cp1252ToUnicode(static_cast<unsigned char>(c))), int(c)) << c;
    }
    EXPECT_EQ(Cp1252FromUnicode(u'\u0080'), -1);  // the euro's byte is not its C1 control
    EXPECT_EQ(Cp1252FromUnicode(u'\u20AD'), -1);
    EXPECT_EQ(Cp1252FromUnicode(0xD800), -1);
}

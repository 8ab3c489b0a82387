// Roman numerals, the row-break search and the header and footer macros,
// each against a reference written here.
#include <gtest/gtest.h>

#include <random>

#include "editor/print/SrcEditPrintTypes.h"
#include "editor/print/SrcHeaderFooter.h"

namespace {

std::string ReferenceRoman(int n) {
    static const char* thousands[] = {"", "M", "MM", "MMM"};
    static const char* hundreds[] = {"", "C", "CC", "CCC", "CD", "D", "DC", "DCC", "DCCC", "CM"};
    static const char* tens[] = {"", "X", "XX", "XXX", "XL", "L", "LX", "LXX", "LXXX", "XC"};
    static const char* ones[] = {"", "I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX"};
    return std::string(thousands[n / 1000]) + hundreds[n / 100 % 10] + tens[n / 10 % 10] + ones[n % 10];
}

// Rows as the break rules describe them: a row ends after the last break
// character that keeps it within n, or runs on to the next one.
std::vector<int> ReferenceWrap(const std::string& line, const std::string& chars, int n, bool& ok) {
    std::vector<int> breaks;
    ok = true;
    if (static_cast<int>(line.size()) <= n) return breaks;
    int last = 0;
    int candidate = 0;
    int p = 1;
    const int len = static_cast<int>(line.size());
    while (p <= len) {
        bool over = p - last > n;
        if (over && candidate) {
            breaks.push_back(candidate);
            last = candidate;
            candidate = 0;
            if (len - last <= n || p >= len) break;
            ++p;
            continue;
        }
        if (chars.find(line[p - 1]) != std::string::npos) candidate = p;
        ++p;
    }
    ok = !breaks.empty();
    return breaks;
}

std::string Expand(const std::string& text, const std::vector<std::pair<std::string, std::string>>& macros) {
    // Reference: a left-to-right rewrite over the '$' positions.
    std::string out;
    size_t i = 0;
    for (;;) {
        size_t a = text.find('$', i);
        if (a == std::string::npos) return out + text.substr(i);
        size_t b = text.find('$', a + 1);
        if (b == std::string::npos) return out + text.substr(i);
        std::string name = text.substr(a + 1, b - a - 1);
        for (char& c : name) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
        const std::string* value = nullptr;
        for (const auto& m : macros) {
            if (m.first == name) value = &m.second;
        }
        out += text.substr(i, a - i);
        if (value) {
            out += *value;
            i = b + 1;
        } else {
            out += text.substr(a, b - a);
            i = b;
        }
    }
}

}  // namespace

TEST(PrintTextRoutines, RomanNumeralsFrom0To3999) {
    for (int n = 0; n <= 3999; ++n) {
        ASSERT_EQ(IntToRoman(n), ReferenceRoman(n)) << n;
    }
    EXPECT_EQ(IntToRoman(1994), "MCMXCIV");
    EXPECT_EQ(IntToRoman(-5), "");
}

TEST(PrintTextRoutines, WrapTextExAgreesWithTheReference) {
    std::vector<TWrapPos> list;
    EXPECT_TRUE(WrapTextEx("abc d,efghijklmnop", CharSetOf("\t ,-"), 4, list));
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].Index, 4);
    EXPECT_EQ(list[1].Index, 6);  // "efghijklmnop" stays longer than 4

    std::mt19937 random(27);
    const std::string alphabet = "ab ,-.;)x";
    for (int round = 0; round < 3000; ++round) {
        std::string line(random() % 60, ' ');
        for (char& c : line) c = alphabet[random() % alphabet.size()];
        int n = 1 + static_cast<int>(random() % 12);
        std::string chars = round % 2 ? " ,-" : ").;";
        std::vector<TWrapPos> got;
        bool ok = WrapTextEx(line, CharSetOf(chars), n, got);
        bool refOk;
        std::vector<int> want = ReferenceWrap(line, chars, n, refOk);
        ASSERT_EQ(ok, refOk) << line << " n=" << n;
        ASSERT_EQ(got.size(), want.size()) << line << " n=" << n;
        for (size_t i = 0; i < want.size(); ++i) ASSERT_EQ(got[i].Index, want[i]) << line;
    }
}

TEST(PrintTextRoutines, MacrosAgreeWithTheReference) {
    THeaderFooterItem item;
    const std::vector<std::pair<std::string, std::string>> macros = {
        {"PAGENUM", "3"},      {"PAGECOUNT", "12"},           {"TITLE", "A.java"},        {"DATE", "1/2/26"},
        {"TIME", "10:30"},     {"DATETIME", "1/2/26 10:30"}, {"TIMEDATE", "10:30 1/2/26"}};
    std::mt19937 random(7);
    const std::vector<std::string> pieces = {"$", "page", "PageNum", "pagecount", "TITLE", "date", "Time",
                                             "datetime", "timedate", "x", " ", "$$", "nope"};
    for (int round = 0; round < 2000; ++round) {
        std::string text;
        for (int k = random() % 8; k > 0; --k) text += pieces[random() % pieces.size()];
        item.Text = text;
        ASSERT_EQ(item.GetText(12, 3, false, "A.java", "10:30", "1/2/26"), Expand(text, macros)) << text;
    }
    item.Text = "$pagenum$ of $PAGECOUNT$";
    EXPECT_EQ(item.GetText(12, 3, true, "", "", ""), "III of XII");
    item.Text = "cost $5 in $TITLE$ and $UNKNOWN$ stays";
    EXPECT_EQ(item.GetText(1, 1, false, "T", "", ""), "cost $5 in T and $UNKNOWN$ stays");
}

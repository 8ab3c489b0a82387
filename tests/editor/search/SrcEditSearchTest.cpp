#include <gtest/gtest.h>

#include <random>

#include "editor/support/Cp1252.h"
#include "editor/search/SrcEditSearch.h"
#include "editor/support/SrcExceptions.h"

namespace {

std::vector<int> FindAll(TSrcEditSearch& s, const std::string& text) {
    std::vector<int> out;
    int n = s.FindAll(text);
    for (int i = 0; i < n; ++i) out.push_back(s.GetResult(i));
    return out;
}

using V = std::vector<int>;

// Matching itself is checked against a naive scan below.
TEST(SrcEditSearch, ChangingTheCaseSensitivityRebuildsTheTables) {
    TSrcEditSearch s;
    s.SetPattern("Ab");
    EXPECT_EQ(FindAll(s, "ab AB"), (V{1, 4}));
    s.SetOptions({ssoMatchCase});  // a change of sensitivity rebuilds the tables
    EXPECT_EQ(FindAll(s, "ab AB Ab"), V{7});
    s.SetOptions({});
    EXPECT_EQ(FindAll(s, "ab AB"), (V{1, 4}));
}

TEST(SrcEditSearch, ResultsLengthsAndFixing) {
    TSrcEditSearch s;
    s.SetPattern("abc");
    EXPECT_EQ(s.FindAll("abc abc abc"), 3);
    EXPECT_EQ(s.GetResultCount(), 3);
    EXPECT_EQ(s.GetLength(0), 3);
    EXPECT_EQ(s.GetLength(99), 3);
    EXPECT_EQ(s.GetResult(-1), 0);
    EXPECT_EQ(s.GetResult(3), 0);
    EXPECT_EQ(s.GetMatchCount(), 3);
    s.FixResults(1, -2);  // "abc" at 1 replaced by five characters
    EXPECT_EQ(s.GetResult(0), 1);
    EXPECT_EQ(s.GetResult(1), 7);
    EXPECT_EQ(s.GetResult(2), 11);
    s.FixResults(3, 0);
    EXPECT_EQ(s.GetResult(2), 11);
    s.FindAll("xxabc abc abc");
    s.FixResults(3, -2);  // "abc" at 3 replaced by five characters
    EXPECT_EQ(s.GetResult(0), 3);
    EXPECT_EQ(s.GetResult(1), 9);
    EXPECT_EQ(s.GetResult(2), 13);
    EXPECT_EQ(s.Replace("abc", "xyz"), "xyz");
    EXPECT_EQ(s.GetPattern(), "abc");
    s.SetPattern("abc");
    EXPECT_EQ(s.GetMatchCount(), 0);
    EXPECT_TRUE(s.Finished());
    s.SetPattern("abcdef");
    s.FindAll("abc");
    EXPECT_EQ(s.GetResultCount(), 0);
    EXPECT_TRUE(s.Finished());
}

TEST(SrcEditSearch, EmptyPattern) {
    TComponent owner;
    TSrcEditSearch s(&owner);
    EXPECT_EQ(s.Owner(), &owner);
    try {
        s.FindAll("text");
        FAIL();
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "Pattern is empty");
    }
    s.SetPattern("a");
    EXPECT_EQ(s.FindAll("a"), 1);
    s.SetPattern("");
    EXPECT_THROW(s.FindAll("a"), Exception);
}

// The naive scan: leftmost matches, no overlap.
std::vector<int> NaiveFind(const std::string& pattern, const std::string& text, bool matchCase, bool wholeWord) {
    auto fold = [&](char c) {
        return matchCase ? static_cast<unsigned char>(c) : Cp1252Lower(static_cast<unsigned char>(c));
    };
    auto delimiter = [](char c) {
        auto u = static_cast<unsigned char>(c);
        return !Cp1252IsAlnum(u) && u != '_';
    };
    std::vector<int> out;
    size_t L = pattern.size();
    for (size_t i = 0; i + L <= text.size();) {
        bool equal = true;
        for (size_t k = 0; k < L && equal; ++k) equal = fold(text[i + k]) == fold(pattern[k]);
        if (equal && wholeWord)
            equal = (i == 0 || delimiter(text[i - 1])) && (i + L == text.size() || delimiter(text[i + L]));
        if (equal) {
            out.push_back(static_cast<int>(i) + 1);
            i += L;
        } else {
            ++i;
        }
    }
    return out;
}

TEST(SrcEditSearch, AgreesWithNaiveSearch) {
    std::mt19937 rng(4242);
    const std::string alphabet = "abAB_ .\xE9\xC9";
    auto randomText = [&](size_t maxLen) {
        std::string s(rng() % (maxLen + 1), ' ');
        for (char& c : s) c = alphabet[rng() % alphabet.size()];
        return s;
    };
    TSrcEditSearch s;
    for (int round = 0; round < 20000; ++round) {
        std::string pattern = randomText(4);
        if (pattern.empty()) pattern = "a";
        std::string text = randomText(round % 4 == 0 ? 90 : 40);  // long ones pass the block scan
        bool matchCase = rng() % 2 == 0, wholeWord = rng() % 2 == 0;
        TSrcSearchOptions options;
        if (matchCase) options.Include(ssoMatchCase);
        if (wholeWord) options.Include(ssoWholeWord);
        s.SetOptions(options);
        s.SetPattern(pattern);
        ASSERT_EQ(FindAll(s, text), NaiveFind(pattern, text, matchCase, wholeWord))
            << "pattern \"" << pattern << "\" text \"" << text << "\" case " << matchCase << " word " << wholeWord;
    }
}

}  // namespace

#include <gtest/gtest.h>

#include <utility>

#include "editor/highlight/SrcHighlighterAttributes.h"
#include "editor/highlight/SrcHighlighterJava.h"
#include "editor/highlight/SrcHighlighterList.h"
#include "tests/editor/common/HighlighterTokens.h"

namespace {

using Piece = std::pair<std::string, int>;  // token text and kind

class JavaHighlighterTest : public ::testing::Test {
protected:
    std::vector<Piece> Pieces(const std::string& line) {
        std::vector<Piece> pieces;
        for (const RefToken& t : ScanTokens(java, line)) {
            pieces.emplace_back(line.substr(static_cast<size_t>(t.pos), static_cast<size_t>(t.len)), t.kind);
        }
        return pieces;
    }

    TSrcJavaSrc java;
};

TEST_F(JavaHighlighterTest, KeywordsMatchCaseSensitively) {
    EXPECT_EQ(Pieces("If IF if"), (std::vector<Piece>{{"If", tkIdentifier}, {" ", tkSpace}, {"IF", tkIdentifier},
                                                       {" ", tkSpace}, {"if", tkKey}}));
    EXPECT_EQ(Pieces("synchronized synchronizedsynchronized ifx"),
              (std::vector<Piece>{{"synchronized", tkKey}, {" ", tkSpace},
                                  {"synchronizedsynchronized", tkIdentifier}, {" ", tkSpace}, {"ifx", tkIdentifier}}));
    // Both words of a shared hash are found.
    EXPECT_EQ(Pieces("for break"), (std::vector<Piece>{{"for", tkKey}, {" ", tkSpace}, {"break", tkKey}}));
    EXPECT_EQ(Pieces("caf\xE9 \xE9"), (std::vector<Piece>{{"caf\xE9", tkIdentifier}, {" ", tkSpace},
                                                          {"\xE9", tkUnknown}}));
}

TEST_F(JavaHighlighterTest, AnOperatorTakesItsLongestForm) {
    EXPECT_EQ(Pieces("x>>>=1"), (std::vector<Piece>{{"x", tkIdentifier}, {">>>=", tkSymbol}, {"1", tkNumber}}));
    // The other forms are checked against the reference tokenizer.
}

TEST_F(JavaHighlighterTest, NumbersStopBeforeTwoPointsAndTakeHexAndMinus) {
    EXPECT_EQ(Pieces("1..5"), (std::vector<Piece>{{"1", tkNumber}, {".", tkSymbol}, {".5", tkNumber}}));
    EXPECT_EQ(Pieces("0x1FL 3-4 1.5e-3f"),
              (std::vector<Piece>{{"0x1FL", tkNumber}, {" ", tkSpace}, {"3-4", tkNumber}, {" ", tkSpace},
                                  {"1.5e-3f", tkNumber}}));
    EXPECT_EQ(Pieces("a.b"), (std::vector<Piece>{{"a", tkIdentifier}, {".", tkSymbol}, {"b", tkIdentifier}}));
}

TEST_F(JavaHighlighterTest, AnUnclosedCommentCarriesItsRangeToTheClosingLine) {
    EXPECT_EQ(Pieces("int a; /* open"), (std::vector<Piece>{{"int", tkKey}, {" ", tkSpace}, {"a", tkIdentifier},
                                                            {";", tkSymbol}, {" ", tkSpace}, {"/* open", tkComment}}));
    EXPECT_EQ(java.GetRange(), rsComment);
    EXPECT_EQ(Pieces("still */ x"),
              (std::vector<Piece>{{"still */", tkComment}, {" ", tkSpace}, {"x", tkIdentifier}}));
    EXPECT_EQ(java.GetRange(), rsUnknown);
    Pieces("/** doc");
    EXPECT_EQ(java.GetRange(), rsDocument);
    EXPECT_EQ(Pieces(""), (std::vector<Piece>{}));
    EXPECT_EQ(java.GetRange(), rsDocument);
    EXPECT_EQ(Pieces("end */"), (std::vector<Piece>{{"end */", tkDocument}}));
}

TEST_F(JavaHighlighterTest, DocumentationCommentsOnOneLineAreOneTokenAndTheEmptyOneIsClosed) {
    EXPECT_EQ(Pieces("/** one */x"), (std::vector<Piece>{{"/** one */", tkDocument}, {"x", tkIdentifier}}));
    EXPECT_EQ(java.GetRange(), rsUnknown);
    EXPECT_EQ(Pieces("a /**/ b"), (std::vector<Piece>{{"a", tkIdentifier}, {" ", tkSpace}, {"/**/", tkDocument},
                                                      {" ", tkSpace}, {"b", tkIdentifier}}));
    EXPECT_EQ(java.GetRange(), rsUnknown);
    EXPECT_EQ(Pieces("/***/"), (std::vector<Piece>{{"/***/", tkDocument}}));
    EXPECT_EQ(Pieces("/*/ x"), (std::vector<Piece>{{"/*/ x", tkComment}}));
    EXPECT_EQ(java.GetRange(), rsComment);
}

TEST_F(JavaHighlighterTest, StringsEndAtTheirQuoteOrBeforeTheLineBreak) {
    EXPECT_EQ(Pieces("s = \"a\\\"b\";"),
              (std::vector<Piece>{{"s", tkIdentifier}, {" ", tkSpace}, {"=", tkSymbol}, {" ", tkSpace},
                                  {"\"a\\\"b\"", tkString}, {";", tkSymbol}}));
    EXPECT_EQ(Pieces("\"open"), (std::vector<Piece>{{"\"open", tkString}}));
    EXPECT_EQ(Pieces("x"), (std::vector<Piece>{{"x", tkIdentifier}}));
    EXPECT_EQ(Pieces("'\\''c"), (std::vector<Piece>{{"'\\''", tkString}, {"c", tkIdentifier}}));
    EXPECT_EQ(Pieces("\"ends\\"), (std::vector<Piece>{{"\"ends\\", tkString}}));
    // An unclosed literal leaves the line break to the next token.
    EXPECT_EQ(Pieces("'a\r\nb"), (std::vector<Piece>{{"'a", tkString}, {"\r\n", tkSpace}, {"b", tkIdentifier}}));
    EXPECT_EQ(Pieces("\"a\nb\""), (std::vector<Piece>{{"\"a", tkString}, {"\n", tkSpace}, {"b", tkIdentifier},
                                                      {"\"", tkString}}));
}

TEST_F(JavaHighlighterTest, InvalidSymbolsAndUnknownBytesAreOneCharacter) {
    EXPECT_EQ(Pieces("@#\\`\x80\x7F"),
              (std::vector<Piece>{{"@", tkInvalid}, {"#", tkInvalid}, {"\\", tkUnknown}, {"`", tkUnknown},
                                  {"\x80", tkUnknown}, {"\x7F", tkUnknown}}));
    EXPECT_EQ(java.GetTokenAttribute(), nullptr);  // at the end
}

TEST_F(JavaHighlighterTest, ALineEndsAtItsLengthNotAtANul) {
    const std::string line("a\0b /* c\0d */ \"e\0f\" // g\0h", 26);
    EXPECT_EQ(Pieces(line), (std::vector<Piece>{{"a", tkIdentifier},
                                                {std::string(1, '\0'), tkUnknown},
                                                {"b", tkIdentifier},
                                                {" ", tkSpace},
                                                {std::string("/* c\0d */", 9), tkComment},
                                                {" ", tkSpace},
                                                {std::string("\"e\0f\"", 5), tkString},
                                                {" ", tkSpace},
                                                {std::string("// g\0h", 6), tkComment}}));
}

TEST_F(JavaHighlighterTest, RangesStartUnknownAndForeignValuesReadAsUnknown) {
    EXPECT_EQ(java.GetRange(), rsUnknown);
    java.SetRange(rsComment);
    EXPECT_EQ(java.GetRange(), rsComment);
    for (TSrcEditRange bad : {TSrcEditRange{4}, TSrcEditRange{-1}, TSrcEditRange{1} << 40}) {
        java.SetRange(bad);
        EXPECT_EQ(java.GetRange(), rsUnknown);
    }
    java.SetRange(rsANil);
    Pieces("x");
    EXPECT_EQ(java.GetRange(), rsUnknown);
    java.SetRange(rsDocument);
    java.ResetRange();
    EXPECT_EQ(java.GetRange(), rsUnknown);
}

TEST_F(JavaHighlighterTest, AttributesKeepTheirNamesAndRoles) {
    const std::vector<std::pair<TSrcHighlighterAttributes*, const char*>> named = {
        {java.CommentAttri, "Comment"},   {java.DocumentAttri, "Documentation"},
        {java.IdentifierAttri, "Identifier"}, {java.InvalidAttri, "Invalid Symbol"},
        {java.KeyAttri, "Reserved Word"}, {java.NumberAttri, "Number"},
        {java.SpaceAttri, "Space"},       {java.StringAttri, "String"},
        {java.SymbolAttri, "Symbol"}};
    ASSERT_EQ(java.GetAttribCount(), 9);
    for (const auto& [attribute, name] : named) {
        EXPECT_EQ(attribute->Name(), name);
    }

    const std::vector<std::pair<std::string, TSrcHighlighterAttributes*>> byToken = {
        {"// c", java.CommentAttri}, {"/** d */", java.DocumentAttri}, {"x", java.IdentifierAttri},
        {"@", java.InvalidAttri},    {"\\", java.InvalidAttri},        {"if", java.KeyAttri},
        {"1", java.NumberAttri},     {" ", java.SpaceAttri},           {"'c'", java.StringAttri},
        {";", java.SymbolAttri}};
    for (const auto& [text, attribute] : byToken) {
        java.SetLine(text, 0);
        EXPECT_EQ(java.GetTokenAttribute(), attribute) << text;
    }
    EXPECT_EQ(java.GetDefaultAttribute(SRC_ATTR_COMMENT), java.CommentAttri);
    EXPECT_EQ(java.GetDefaultAttribute(SRC_ATTR_IDENTIFIER), java.IdentifierAttri);
    EXPECT_EQ(java.GetDefaultAttribute(SRC_ATTR_KEYWORD), java.KeyAttri);
    EXPECT_EQ(java.GetDefaultAttribute(SRC_ATTR_STRING), java.StringAttri);
    EXPECT_EQ(java.GetDefaultAttribute(SRC_ATTR_WHITESPACE), java.SpaceAttri);
    EXPECT_EQ(java.GetDefaultAttribute(SRC_ATTR_SYMBOL), java.SymbolAttri);
    EXPECT_EQ(java.GetDefaultAttribute(6), nullptr);
}

TEST_F(JavaHighlighterTest, LanguageFilterAndIdentifierCharacters) {
    EXPECT_EQ(java.LanguageName(), "Java");
    EXPECT_EQ(java.DefaultFilter(), "Java Files (*.java)|*.java");
    EXPECT_FALSE(java.IsFilterStored());
    java.SetDefaultFilter("Java (*.jav)|*.jav");
    EXPECT_TRUE(java.IsFilterStored());
    TSrcCharSet ident = java.IdentChars();
    EXPECT_EQ(ident.count(), 64u + 23u + 31u + 8u);
    EXPECT_TRUE(ident['$'] && ident['_'] && ident['7'] && ident[192] && ident[255]);
    EXPECT_FALSE(ident[215] || ident[247] || ident[191] || ident['-']);
}

TEST_F(JavaHighlighterTest, TheClassIsRegisteredUnderItsLanguageName) {
    TSrcHighlighterList& list = GetPlaceableHighlighters();
    int index = list.FindByName("Java");
    ASSERT_GE(index, 0);
    auto made = list.Items(index)->Create(nullptr);
    EXPECT_NE(dynamic_cast<TSrcJavaSrc*>(made.get()), nullptr);
    EXPECT_EQ(list.FindByClass(&java), index);
}

TEST_F(JavaHighlighterTest, SetLineCopiesItsArgument) {
    java.SetLine(std::string("abc def") + std::string(40, 'x'), 0);
    EXPECT_EQ(java.GetToken(), "abc");
    java.Next();
    java.Next();
    EXPECT_EQ(java.GetToken(), "def" + std::string(40, 'x'));
}

}  // namespace

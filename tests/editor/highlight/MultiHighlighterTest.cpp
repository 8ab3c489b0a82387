#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <future>
#include <random>

#include "editor/highlight/SrcEnumAttributes.h"
#include "editor/highlight/SrcHighlighterAttributes.h"
#include "editor/search/SrcRegex.h"
#include "editor/support/SrcExceptions.h"
#include "tests/editor/common/MultiSetup.h"
#include "tests/editor/common/NotifyCounter.h"
#include "tests/editor/common/TestSettingsStore.h"

namespace {

class MultiHighlighterTest : public ::testing::Test, public MultiSetup {
protected:
    uint32_t Range() const { return static_cast<uint32_t>(multi.GetRange()); }
};

// Java text with regions of both schemes at random, markers in any case.
std::vector<std::string> RegionLines(unsigned seed, int count) {
    static const std::vector<std::string> pieces = {
        "<%", "%>", "<script>", "</script>", "<SCRIPT>", "</Script>", ";", "/*", "*/", "/**", "//", "\"", "'",
        "if", "class", "x", "= 1;", "a.b()", " ", "  ", "{", "}", "<", "%", ">", "/", "\xE9", std::string(1, '\0'),
    };
    std::mt19937 random(seed);
    std::vector<std::string> lines;
    for (int i = 0; i < count; ++i) {
        std::string line;
        for (int n = static_cast<int>(random() % 12); n > 0; --n) line += pieces[random() % pieces.size()];
        lines.push_back(line);
    }
    return lines;
}

TEST_F(MultiHighlighterTest, RegionsAtRandomScanLikeTheReferenceWithExactRanges) {
    for (unsigned seed = 1; seed <= 3; ++seed) {
        multi.ResetRange();
        MultiRefState state;
        std::vector<std::string> lines = RegionLines(seed, 800);
        for (size_t i = 0; i < lines.size(); ++i) {
            std::vector<MultiToken> expected = ReferenceMultiLine(lines[i], state);
            ASSERT_EQ(Scan(lines[i], static_cast<int>(i)), expected) << "seed " << seed << " line " << i << ": "
                                                                      << lines[i];
            ASSERT_EQ(Range(), state.Packed()) << "seed " << seed << " line " << i << ": " << lines[i];
        }
    }
}

// Tokens and ranges of a continuous scan are the reference scan's; here a
// stored range alone brings the scheme back.
TEST_F(MultiHighlighterTest, AStoredRangeReopensTheSchemeAndItsClosingMarkerIsListed) {
    multi.ResetRange();
    multi.SetRange((uint32_t{rsComment} << 7) | (2u << 3) | 2u);
    EXPECT_EQ(Scan("a</SCRIPT>still"),
              (std::vector<MultiToken>{{0, 1, 1, 'S'}, {1, 9, 0, 'M'}, {10, 5, tkComment, 'D'}}));
    EXPECT_EQ(Range(), uint32_t{rsComment} << 3);
    EXPECT_EQ(multi.Markers().size(), 1u);
    EXPECT_EQ(multi.Markers()[0].StartPos, 2);
    EXPECT_EQ(multi.Markers()[0].MarkerText, "</SCRIPT>");
    EXPECT_FALSE(multi.Markers()[0].IsOpenMarker);
}

TEST_F(MultiHighlighterTest, AnchorsSeeTheRemainingText) {
    multi.ResetRange();
    jsp->SetStartExpr("^<%");
    Scan("x%><%a");
    EXPECT_EQ(multi.CurrScheme(), -1);
    Scan("<%a%><%b");
    EXPECT_EQ(multi.CurrScheme(), 0);
    ASSERT_EQ(multi.Markers().size(), 3u);
    EXPECT_EQ(multi.Markers()[2].StartPos, 6);
}

TEST_F(MultiHighlighterTest, TheOlderPackingKeepsTheRangeInChargeAndRestoresTheDefaultsReset) {
    TSrcMultiSrc nested;
    nested.SetDefaultHighlighter(new TSrcJavaSrc(&nested));
    TScheme* third = multi.Schemes().Add();
    third->SetStartExpr("<<");
    third->SetEndExpr(">>");
    third->SetHighlighter(&nested);
    multi.ResetRange();
    Scan("/* open");
    EXPECT_EQ(Range(), uint32_t{rsComment} * 16 + 1);
    Scan("*/ <% /** doc");
    EXPECT_EQ(Range(), uint32_t{rsDocument} * 16 + 2);
    Scan("*/ %> x");
    EXPECT_EQ(Range(), uint32_t{rsUnknown} * 16 + 1);
    // A stored 0 changes nothing.
    multi.SetRange(0);
    EXPECT_EQ(Range(), uint32_t{rsUnknown} * 16 + 1);
    // While a scheme is open the value does not hold the default's range:
    // after the closing marker the default starts from its reset range,
    // whatever line was scanned last.
    Scan("/* left open");
    multi.SetRange(uint32_t{rsUnknown} * 16 + 2);
    EXPECT_EQ(Scan("%>x")[1], (MultiToken{2, 1, tkIdentifier, 'D'}));
    EXPECT_EQ(Range(), uint32_t{rsUnknown} * 16 + 1);
    delete nested.DefaultHighlighter();
}

TEST_F(MultiHighlighterTest, ACustomRangeHandlerBuildsAndTakesTheValueZeroExtended) {
    std::vector<std::pair<TRangeOperation, uint32_t>> calls;
    multi.SetOnCustomRange([&](TSrcMultiSrc* sender, TRangeOperation op, uint32_t& range) {
        EXPECT_EQ(sender, &multi);
        if (op == roGet) range = 0x80000000u | static_cast<uint32_t>(sender->CurrScheme() + 1);
        calls.emplace_back(op, range);
    });
    multi.ResetRange();
    Scan("<script>");
    EXPECT_EQ(multi.GetRange(), TSrcEditRange{0x80000002});
    multi.SetRange(TSrcEditRange{0x80000001});
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[1], std::make_pair(roSet, 0x80000001u));
    multi.SetOnCustomRange(nullptr);
    Scan("x");
    EXPECT_EQ(calls.size(), 2u);
    EXPECT_EQ(Range() & 7u, 2u);  // back to the newer packing
}

TEST_F(MultiHighlighterTest, SizeChecksRaiseAssertionFailures) {
    class Wide : public ScriptHighlighter {
    public:
        TSrcEditRange GetRange() const override { return 16; }
    } wide;
    jsp->SetHighlighter(&wide);
    multi.ResetRange();
    Scan("<%x");
    try {
        multi.GetRange();
        FAIL() << "no assertion failure";
    } catch (const ESrcEditError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Assertion failed:", 0), 0u) << e.what();
    }
}

TEST_F(MultiHighlighterTest, SchemesThePackingCannotHoldNeverOpen) {
    auto addSchemes = [&](int from, int to) {
        for (int i = from; i < to; ++i) {
            TScheme* scheme = multi.Schemes().Add();
            scheme->SetStartExpr("<" + std::to_string(i) + ">");
            scheme->SetEndExpr("</>");
            scheme->SetHighlighter(&lang);
        }
    };
    addSchemes(2, 8);
    multi.ResetRange();
    Scan("<7>x");
    EXPECT_EQ(multi.CurrScheme(), -1);  // the eighth scheme
    Scan("<6>x");
    EXPECT_EQ(multi.CurrScheme(), 6);
    EXPECT_EQ(Range() & 7u, 7u);
    TSrcMultiSrc nested;  // the older packing holds fourteen
    multi.Schemes().Items(2)->SetHighlighter(&nested);
    addSchemes(8, 15);
    multi.ResetRange();
    Scan("<13>x");
    EXPECT_EQ(multi.CurrScheme(), 13);
    EXPECT_EQ(Range() & 15u, 15u);
    multi.ResetRange();
    Scan("<14>x");
    EXPECT_EQ(multi.CurrScheme(), -1);
}

TEST_F(MultiHighlighterTest, InvalidExpressionsAreRefusedWithTheEnginesPositionAndMessage) {
    TRegex probe;
    probe.SetExpression("a(b");
    int code = 0;
    int pos = 0;
    try {
        probe.Compile();
    } catch (const ERegex& e) {
        code = e.ErrorCode;
        pos = e.CompilerErrorPos;
    }
    ASSERT_NE(code, 0);
    try {
        jsp->SetStartExpr("a(b");
        FAIL() << "accepted";
    } catch (const Exception& e) {
        EXPECT_EQ(std::string(e.what()), "\"a(b\" is not a valid Regular Expression.\rError (pos " +
                                             std::to_string(pos) + "): " + TRegex::ErrorMsg(code));
    }
    EXPECT_EQ(jsp->StartExpr(), "<%");
    EXPECT_THROW(jsp->SetEndExpr("[z"), Exception);
    EXPECT_EQ(jsp->EndExpr(), "%>");
}

TEST_F(MultiHighlighterTest, AMultiHighlighterThatWouldReachItselfIsRefused) {
    const std::string text = "A SrcMultiSrc cannot be its own DefaultHighlighter.";
    auto refused = [&](auto assign) {
        try {
            assign();
        } catch (const Exception& e) {
            return std::string(e.what()) == text;
        }
        return false;
    };
    EXPECT_TRUE(refused([&] { multi.SetDefaultHighlighter(&multi); }));
    EXPECT_TRUE(refused([&] { jsp->SetHighlighter(&multi); }));
    TSrcMultiSrc outer;
    outer.SetDefaultHighlighter(&multi);
    EXPECT_TRUE(refused([&] { script->SetHighlighter(&outer); }));
    TSrcMultiSrc middle;
    middle.Schemes().Add()->SetHighlighter(&outer);
    EXPECT_TRUE(refused([&] { multi.SetDefaultHighlighter(&middle); }));
    EXPECT_EQ(multi.DefaultHighlighter(), &java);
    EXPECT_EQ(jsp->Highlighter(), &inner);
    EXPECT_EQ(script->Highlighter(), &lang);
    Scan("x <%y%> <script>z</script>");  // no endless recursion
}

TEST_F(MultiHighlighterTest, MarkerHandlersMoveShortenRetextOrDropMarkers) {
    std::vector<int> lines;
    jsp->OnCheckStartMarker = [&](TObject* sender, int& startPos, int& len, std::string& text, int line) {
        EXPECT_EQ(sender, &multi);
        lines.push_back(line);
        if (text == "<%") {
            startPos += 1;
            len = 1;
            text = "%";
        }
    };
    multi.ResetRange();
    std::vector<MultiToken> tokens = Scan("a<%b", 7);
    EXPECT_EQ(lines, std::vector<int>{7});
    ASSERT_EQ(multi.Markers().size(), 1u);
    EXPECT_EQ(multi.Markers()[0].StartPos, 3);
    EXPECT_EQ(multi.Markers()[0].MarkerText, "%");
    EXPECT_EQ(tokens[1], (MultiToken{1, 1, tkSymbol, 'D'}));
    EXPECT_EQ(tokens[2], (MultiToken{2, 1, 0, 'M'}));

    script->OnCheckStartMarker = [](TObject*, int&, int& len, std::string&, int) { len = 0; };
    multi.ResetRange();
    Scan("<script>x");
    EXPECT_TRUE(multi.Markers().empty());
    EXPECT_EQ(multi.CurrScheme(), -1);
    script->OnCheckStartMarker = [](TObject*, int& startPos, int&, std::string&, int) { startPos = 100; };
    Scan("<script>x");
    EXPECT_TRUE(multi.Markers().empty());
    script->OnCheckStartMarker = [](TObject*, int&, int&, std::string& text, int) { text.clear(); };
    Scan("<script>x");
    EXPECT_TRUE(multi.Markers().empty());
}

TEST_F(MultiHighlighterTest, EmptyMarkersNeitherHangNorOpen) {
    jsp->SetStartExpr("x*");
    auto scan = std::async(std::launch::async, [&] {
        multi.ResetRange();
        Scan("abc xxd");
        return multi.Markers();
    });
    if (scan.wait_for(std::chrono::seconds(20)) != std::future_status::ready) {
        std::fprintf(stderr, "the marker search for an empty marker hangs\n");
        std::_Exit(1);  // the waiting future could never be destroyed
    }
    std::vector<TMarker> markers = scan.get();
    ASSERT_EQ(markers.size(), 1u);
    EXPECT_EQ(markers[0].StartPos, 5);
    EXPECT_EQ(markers[0].MarkerLen, 2);
}

TEST_F(MultiHighlighterTest, ADisabledSchemeHighlighterIsSkipped) {
    inner.SetEnabled(false);
    multi.ResetRange();
    Scan("<%a%><script>");
    ASSERT_EQ(multi.Markers().size(), 1u);
    EXPECT_EQ(multi.Markers()[0].Scheme, 1);
}

TEST_F(MultiHighlighterTest, ASchemeWithoutHighlighterGivesOnePlainTokenAndStaleIndicesReadAsNone) {
    multi.ResetRange();
    Scan("<%");
    jsp->SetHighlighter(nullptr);
    std::vector<MultiToken> tokens = Scan("int x %> y");
    ASSERT_EQ(tokens.size(), 4u);
    EXPECT_EQ(tokens[0], (MultiToken{0, 6, 0, '?'}));
    EXPECT_EQ(tokens[1], (MultiToken{6, 2, 0, 'M'}));
    multi.SetRange(TSrcEditRange{(uint32_t{rsComment} << 7) | 7u});  // a seventh scheme that is not there
    EXPECT_EQ(multi.CurrScheme(), -1);
    EXPECT_EQ(Scan("x */")[0].kind, tkComment);
}

TEST_F(MultiHighlighterTest, AFreedSubHighlighterIsForgotten) {
    auto* freed = new TSrcJavaSrc;
    jsp->SetHighlighter(freed);
    multi.ResetRange();
    Scan("<%int");
    delete freed;
    EXPECT_EQ(jsp->Highlighter(), nullptr);
    Scan("a%>b");
    auto* defaultFreed = new TSrcJavaSrc;
    multi.SetDefaultHighlighter(defaultFreed);
    delete defaultFreed;
    EXPECT_EQ(multi.DefaultHighlighter(), nullptr);
    EXPECT_EQ(Scan("int a"), (std::vector<MultiToken>{{0, 5, 0, '?'}}));
    EXPECT_EQ(multi.GetAttribCount(), 2 + lang.GetAttribCount());
}

TEST_F(MultiHighlighterTest, AttributesListMarkersFirstThenDefaultThenSchemes) {
    ASSERT_EQ(multi.GetAttribCount(), 2 + 9 + 9 + 2);
    EXPECT_EQ(multi.GetAttribute(0), jsp->MarkerAttri());
    EXPECT_EQ(multi.GetAttribute(1), script->MarkerAttri());
    EXPECT_EQ(multi.GetAttribute(2), java.GetAttribute(0));
    EXPECT_EQ(multi.GetAttribute(11), inner.GetAttribute(0));
    EXPECT_EQ(multi.GetAttribute(20), lang.GetAttribute(0));
    EXPECT_EQ(multi.GetAttribute(22), nullptr);
    EXPECT_EQ(jsp->MarkerAttri()->Name(), "Marker");
    EXPECT_EQ(jsp->MarkerAttri()->Background(), 0x00FFFF);
    EXPECT_EQ(jsp->MarkerAttri()->Style(), TFontStyles{fsBold});
    EXPECT_EQ(multi.LanguageName(), "General Multi-Highlighter");
    multi.ResetRange();
    Scan("<script>");
    EXPECT_EQ(multi.GetDefaultAttribute(SRC_ATTR_IDENTIFIER), lang.word);
    EXPECT_EQ(multi.GetDefaultAttribute(SRC_ATTR_KEYWORD), nullptr);
    multi.ResetRange();
    EXPECT_EQ(multi.GetDefaultAttribute(SRC_ATTR_KEYWORD), java.KeyAttri);
    EXPECT_EQ(multi.IdentChars(), java.IdentChars());
    // The walk gives each attribute in list order under the class's stem.
    auto keysOf = [](const TSrcCustomHighlighter& Highlighter) {
        std::vector<std::string> keys;
        EnumHighlighterAttris(Highlighter, [&](TSrcHighlighterAttributes& Attri, const std::string& KeyName) {
            EXPECT_EQ(&Attri, Highlighter.GetAttribute(static_cast<int>(keys.size()))) << KeyName;
            keys.push_back(KeyName);
        });
        return keys;
    };
    const std::vector<std::string> javaNames = {"Comment", "Documentation", "Identifier", "Invalid Symbol",
                                                "Number", "Reserved Word", "Space", "String", "Symbol"};
    std::vector<std::string> javaKeys, multiKeys = {"Multi.Marker", "Multi.Marker"};
    for (const std::string& name : javaNames) javaKeys.push_back("Java." + name);
    for (int twice = 0; twice < 2; ++twice) {
        for (const std::string& name : javaNames) multiKeys.push_back("Multi." + name);
    }
    multiKeys.insert(multiKeys.end(), {"Multi.Gap", "Multi.Word"});
    EXPECT_EQ(keysOf(java), javaKeys);
    EXPECT_EQ(keysOf(multi), multiKeys);
    EXPECT_EQ(keysOf(lang), (std::vector<std::string>{"ScriptHighlighter.Gap", "ScriptHighlighter.Word"}));
}

TEST_F(MultiHighlighterTest, RegistrySettingsRoundTrip) {
    TestSettingsStore store;
    java.KeyAttri->SetForeground(clRed);
    inner.StringAttri->SetBackground(clAqua);
    lang.word->SetStyle({fsUnderline});
    script->MarkerAttri()->SetForeground(clGreen);
    ASSERT_TRUE(multi.SaveToRegistry(store, "Software\\Multi"));
    EXPECT_TRUE(store.HasKey("Software\\Multi\\DefaultHighlighter\\Reserved Word"));
    EXPECT_TRUE(store.HasKey("Software\\Multi\\Script\\Marker"));
    EXPECT_TRUE(store.HasKey("Software\\Multi\\Jsp\\String"));

    MultiSetup other;
    ASSERT_TRUE(other.multi.LoadFromRegistry(store, "Software\\Multi"));
    EXPECT_EQ(other.java.KeyAttri->Foreground(), clRed);
    EXPECT_EQ(other.inner.StringAttri->Background(), clAqua);
    EXPECT_EQ(other.lang.word->Style(), TFontStyles{fsUnderline});
    EXPECT_EQ(other.script->MarkerAttri()->Foreground(), clGreen);

    other.multi.Schemes().Add()->SetSchemeName("Bare");  // no highlighter
    EXPECT_FALSE(other.multi.SaveToRegistry(store, "Software\\Multi"));
    other.multi.Schemes().Items(2)->SetSchemeName("");
    EXPECT_FALSE(other.multi.SaveToRegistry(store, "Software\\Multi"));
}

TEST_F(MultiHighlighterTest, DeletedSchemesLetGoOfTheirHighlightersAndSharedOnesStayHooked) {
    NotifyCounter changes;
    multi.HookAttrChangeEvent(changes.Event());
    TScheme* shared = multi.Schemes().Add();
    shared->SetHighlighter(&lang);  // lang now serves two schemes
    multi.Schemes().Delete(1);
    EXPECT_EQ(multi.Schemes().Count(), 2);
    EXPECT_EQ(multi.Schemes().Items(1), shared);
    changes.count = 0;
    lang.word->SetForeground(clRed);
    EXPECT_EQ(changes.count, 1);
    multi.Schemes().Delete(1);
    changes.count = 0;
    lang.word->SetForeground(clBlue);
    EXPECT_EQ(changes.count, 0);
    inner.KeyAttri->SetForeground(clRed);
    EXPECT_EQ(changes.count, 1);
    multi.Schemes().Clear();
    changes.count = 0;
    inner.KeyAttri->SetForeground(clBlue);
    EXPECT_EQ(changes.count, 0);
    EXPECT_THROW(multi.Schemes().Delete(0), EListError);
    multi.UnhookAttrChangeEvent(changes.Event());
}

}  // namespace

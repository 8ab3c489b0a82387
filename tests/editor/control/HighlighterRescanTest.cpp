// What an edit costs the highlighters: the lines scanned again, through an
// editor over a fake window.
#include <gtest/gtest.h>

#include <memory>

#include "editor/highlight/SrcHighlighterAttributes.h"
#include "editor/highlight/SrcHighlighterJava.h"
#include "editor/highlight/SrcHighlighterMulti.h"
#include "editor/search/SrcEditSearch.h"
#include "tests/editor/common/FakeSrcPlatform.h"
#include "tests/editor/common/MultiSetup.h"
#include "tests/editor/common/ScriptHighlighter.h"

namespace {

template <typename Base>
class Counting : public Base {
public:
    void SetLine(const std::string& NewValue, int LineNumber) override {
        ++linesScanned;
        Base::SetLine(NewValue, LineNumber);
    }
    int linesScanned = 0;
};

// A class of Count lines, methods of ten lines each; line 150 (0-based)
// holds a "*/" outside any comment.
void FillJava(TSrcEditStringList& lines, int Count, const std::string& RegionStart = "",
              const std::string& RegionEnd = "") {
    lines.BeginUpdate();
    lines.Add("public class Big {");
    while (lines.Count() < Count - 1) {
        int n = lines.Count();
        switch (n % 10) {
        case 1: lines.Add("  int method" + std::to_string(n) + "(int a) {"); break;
        case 9: lines.Add("  }"); break;
        default: lines.Add("    a = a * " + std::to_string(n) + " + 1; // step"); break;
        }
    }
    lines.Add("}");
    lines.Put(150, "    x = y; */ z++;");
    if (!RegionStart.empty()) {
        lines.Put(99, lines[99] + RegionStart);
        lines.Put(300, RegionEnd);
    }
    lines.EndUpdate();
}

class HighlighterRescanTest : public ::testing::Test, public SrcEditTestBase {
protected:
    std::vector<TSrcEditRange> Ranges(int From, int To) const {
        std::vector<TSrcEditRange> ranges;
        for (int i = From; i < To; ++i) ranges.push_back(edit->Lines().Ranges(i));
        return ranges;
    }
    void TypeAt(int Line, const std::string& Text) {
        edit->SetCaretXY(BufferCoord(5, Line + 1));
        edit->SetSelTextPrimitive(Text);
    }
};

TEST_F(HighlighterRescanTest, AssigningScansEveryLineAndMeasuresItsStylesAndAFreedOneIsUnassigned) {
    SetLines({"a", "/* b", "c", "d */", "e"});
    auto java = std::make_unique<TSrcJavaSrc>();
    EXPECT_EQ(edit->CharWidth(), 8);
    edit->SetHighlighter(java.get());
    EXPECT_EQ(Ranges(0, 5), (std::vector<TSrcEditRange>{rsUnknown, rsComment, rsComment, rsUnknown, rsUnknown}));
    EXPECT_EQ(edit->CharWidth(), 9);  // the bold attribute's cell is wider
    java.reset();
    EXPECT_EQ(edit->Highlighter(), nullptr);
    EXPECT_EQ(edit->CharWidth(), 8);
    edit->Lines().Add("/* still editable");
}

TEST_F(HighlighterRescanTest, AnEditInsideAMethodScansOneLine) {
    Counting<TSrcJavaSrc> java;
    FillJava(edit->Lines(), 100000);
    edit->SetHighlighter(&java);
    EXPECT_EQ(java.linesScanned, 100000);
    java.linesScanned = 0;
    TypeAt(5004, "b = 2; ");
    EXPECT_EQ(java.linesScanned, 1);
    EXPECT_EQ(edit->Lines()[5004].substr(0, 11), "    b = 2; ");
}

TEST_F(HighlighterRescanTest, ReplaceAllItsUndoAndItsRedoScanEachChangedLineOnce) {
    Counting<TSrcJavaSrc> java;
    FillJava(edit->Lines(), 1000);
    edit->SetHighlighter(&java);
    TSrcEditSearch engine;
    edit->SetSearchEngine(&engine);
    int changed = 0;
    for (int i = 0; i < edit->Lines().Count(); ++i) {
        changed += edit->Lines()[i].find('a') != std::string::npos;
    }
    java.linesScanned = 0;
    EXPECT_GT(edit->SearchReplace("a", "bb", {ssoReplaceAll, ssoEntireScope, ssoMatchCase}), changed + 700);
    EXPECT_EQ(java.linesScanned, changed);
    java.linesScanned = 0;
    edit->Undo();
    EXPECT_EQ(java.linesScanned, changed);
    EXPECT_EQ(edit->Lines()[5], "    a = a * 5 + 1; // step");
    java.linesScanned = 0;
    edit->Redo();
    EXPECT_EQ(java.linesScanned, changed);
    EXPECT_EQ(edit->Lines()[5], "    bb = bb * 5 + 1; // step");
    edit->SetSearchEngine(nullptr);
}

TEST_F(HighlighterRescanTest, OpeningACommentScansUpToTheLineWhoseEndStateComesBack) {
    Counting<TSrcJavaSrc> java;
    FillJava(edit->Lines(), 1000);
    edit->SetHighlighter(&java);
    java.linesScanned = 0;
    TypeAt(100, "/*");
    EXPECT_EQ(java.linesScanned, 51);  // lines 100 to 150
    EXPECT_EQ(Ranges(99, 152), [] {
        std::vector<TSrcEditRange> expected(53, rsComment);
        expected.front() = expected[51] = expected[52] = rsUnknown;
        return expected;
    }());
    java.linesScanned = 0;
    TypeAt(100, "*/");  // closes it again at once
    EXPECT_EQ(java.linesScanned, 51);
    EXPECT_EQ(Ranges(99, 152), std::vector<TSrcEditRange>(53, rsUnknown));
}

TEST_F(HighlighterRescanTest, TheSameHoldsInsideAMultiHighlighterRegion) {
    Counting<TSrcMultiSrc> multi;
    TSrcJavaSrc outer;
    TSrcJavaSrc inner;
    multi.SetDefaultHighlighter(&outer);
    TScheme* jsp = multi.Schemes().Add();
    jsp->SetStartExpr("<%");
    jsp->SetEndExpr("%>");
    jsp->SetHighlighter(&inner);
    FillJava(edit->Lines(), 1000, "<%", "%>");
    edit->SetHighlighter(&multi);
    const TSrcEditRange inRegion = (TSrcEditRange{rsUnknown} << 7) | (rsUnknown << 3) | 1;
    EXPECT_EQ(edit->Lines().Ranges(120), inRegion);
    multi.linesScanned = 0;
    TypeAt(120, "q = 3; ");
    EXPECT_EQ(multi.linesScanned, 1);
    multi.linesScanned = 0;
    TypeAt(120, "/*");
    EXPECT_EQ(multi.linesScanned, 31);  // lines 120 to 150
    EXPECT_EQ(edit->Lines().Ranges(149), (TSrcEditRange{rsUnknown} << 7) | (rsComment << 3) | 1);
    EXPECT_EQ(edit->Lines().Ranges(150), inRegion);
    EXPECT_EQ(edit->Lines().Ranges(300), TSrcEditRange{rsUnknown} << 3);
}

TEST_F(HighlighterRescanTest, SubHighlighterAttributeChangesReachTheEditor) {
    MultiSetup setup;
    FillJava(edit->Lines(), 400);
    edit->SetHighlighter(&setup.multi);
    window.invalidated.clear();
    setup.inner.StringAttri->SetForeground(clRed);
    EXPECT_FALSE(window.invalidated.empty());
    window.invalidated.clear();
    setup.script->MarkerAttri()->SetBackground(clRed);
    EXPECT_FALSE(window.invalidated.empty());
    // Replacing a sub-highlighter rescans the text.
    setup.lang.linesScanned = 0;
    edit->Lines().Put(3, "<script>;");
    const int before = setup.lang.linesScanned;
    setup.jsp->SetHighlighter(nullptr);
    EXPECT_GT(setup.lang.linesScanned, before);
    EXPECT_EQ(edit->Lines().Ranges(3) & 7, 2);
    edit->SetHighlighter(nullptr);
}

TEST_F(HighlighterRescanTest, WordCharactersComeFromTheHighlighterLessItsBreakCharacters) {
    TSrcCharSet ident;
    TSrcCharSet white;
    edit->PrepareIdentChars(ident, white);
    EXPECT_EQ(ident, CharSetOf("0123456789_") | CharRange('A', 'Z') | CharRange('a', 'z') | CharRange(192, 214) |
                         CharRange(216, 246) | CharRange(248, 255));
    EXPECT_EQ(white, CharRange(1, 255) & ~ident);

    // A wrapped line breaks after '$' only while it is not a word character.
    SetLines({"aaaaaaaaaaaaaaaaaaaaaaaaa$bbbbbbbbbbbbbbbb"});
    window.client.Right = edit->GutterWidth() + 2 + 30 * 8;
    edit->SizeOrFontChanged(false);
    edit->SetWordWrap(true);
    EXPECT_EQ(edit->BufferToDisplayPos(BufferCoord(27, 1)), DisplayCoord(1, 2));
    ScriptHighlighter highlighter;
    edit->SetHighlighter(&highlighter);
    edit->PrepareIdentChars(ident, white);
    EXPECT_EQ(ident, CharRange(33, 255) & ~SrcDefaultWordBreakChars());
    window.client.Right = edit->GutterWidth() + 2 + 30 * edit->CharWidth();
    edit->SizeOrFontChanged(false);
    ASSERT_EQ(edit->CharsInWindow(), 30);
    EXPECT_EQ(edit->BufferToDisplayPos(BufferCoord(27, 1)), DisplayCoord(27, 1));
    edit->SetWordWrap(false);
    edit->SetHighlighter(nullptr);
}

}  // namespace

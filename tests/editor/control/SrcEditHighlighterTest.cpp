#include <gtest/gtest.h>

#include "tests/editor/common/FakeSrcPlatform.h"
#include "editor/highlight/SrcCustomHighlighter.h"
#include "editor/highlight/SrcHighlighterAttributes.h"

namespace {

// One token per line; "/*" opens a comment range that "*/" closes.
class CommentHighlighter : public TSrcCustomHighlighter {
public:
    CommentHighlighter() {
        comment_ = new TSrcHighlighterAttributes("Comment");
        comment_->SetStyle({fsBold});
        AddAttribute(comment_);
        text_ = new TSrcHighlighterAttributes("Text");
        AddAttribute(text_);
    }
    TSrcHighlighterAttributes* GetDefaultAttribute(int Index) const override {
        return Index == SRC_ATTR_COMMENT ? comment_ : nullptr;
    }
    bool GetEol() const override { return eol_; }
    TSrcEditRange GetRange() const override { return range_; }
    void SetRange(TSrcEditRange Value) override { range_ = Value; }
    void ResetRange() override { range_ = 0; }
    std::string GetToken() const override { return line_; }
    TSrcHighlighterAttributes* GetTokenAttribute() const override { return range_ ? comment_ : text_; }
    int GetTokenKind() const override { return 0; }
    int GetTokenPos() const override { return 0; }
    void Next() override {
        if (line_.find("/*") != std::string::npos) {
            range_ = 1;
        }
        if (line_.find("*/") != std::string::npos) {
            range_ = 0;
        }
        eol_ = true;
        ++scanned;
    }
    void SetLine(const std::string& NewValue, int) override {
        line_ = NewValue;
        eol_ = false;
    }

    int scanned = 0;

private:
    TSrcHighlighterAttributes* comment_;
    TSrcHighlighterAttributes* text_;
    std::string line_;
    TSrcEditRange range_ = 0;
    bool eol_ = false;
};

class SrcEditHighlighterTest : public ::testing::Test, public SrcEditTestBase {
protected:
    std::vector<TSrcEditRange> Ranges() const {
        std::vector<TSrcEditRange> ranges;
        for (int i = 0; i < edit->Lines().Count(); ++i) {
            ranges.push_back(edit->Lines().Ranges(i));
        }
        return ranges;
    }
};

TEST_F(SrcEditHighlighterTest, AssigningAHighlighterScansEveryLineAndMeasuresItsStyles) {
    SetLines({"a", "/* b", "c", "d */", "e"});
    CommentHighlighter highlighter;
    EXPECT_EQ(edit->CharWidth(), 8);
    edit->SetHighlighter(&highlighter);
    EXPECT_EQ(Ranges(), (std::vector<TSrcEditRange>{0, 1, 1, 0, 0}));
    EXPECT_EQ(edit->CharWidth(), 9);  // the bold attribute's cell is wider
    edit->SetHighlighter(nullptr);
    EXPECT_EQ(edit->CharWidth(), 8);
}

TEST_F(SrcEditHighlighterTest, EditsRescanOnlyUntilTheRangesSettle) {
    FillNumbered(200);
    CommentHighlighter highlighter;
    edit->SetHighlighter(&highlighter);
    highlighter.scanned = 0;
    edit->SetCaretXY(BufferCoord(1, 100));
    edit->SetSelTextPrimitive("x");
    EXPECT_LE(highlighter.scanned, 2);
    highlighter.scanned = 0;
    edit->SetCaretXY(BufferCoord(1, 190));
    edit->SetSelTextPrimitive("/* ");
    EXPECT_EQ(edit->Lines().Ranges(199), 1);
    EXPECT_EQ(edit->Lines().Ranges(188), 0);
    edit->SetCaretXY(BufferCoord(1, 195));
    edit->SetSelTextPrimitive("*/\r\n");
    EXPECT_EQ(edit->Lines().Ranges(194), 0);
    EXPECT_EQ(edit->Lines().Ranges(200), 0);
    EXPECT_EQ(edit->Lines().Ranges(193), 1);
    edit->SetCaretAndSelection(BufferCoord(1, 190), BufferCoord(1, 190), BufferCoord(1, 191));
    edit->SetSelTextPrimitive("");
    EXPECT_EQ(edit->Lines().Ranges(192), 0);
    edit->SetHighlighter(nullptr);
}

TEST_F(SrcEditHighlighterTest, AFreedHighlighterIsUnassigned) {
    SetLines({"a"});
    auto highlighter = std::make_unique<CommentHighlighter>();
    edit->SetHighlighter(highlighter.get());
    highlighter.reset();
    EXPECT_EQ(edit->Highlighter(), nullptr);
    edit->Lines().Add("/* still editable");
}

TEST_F(SrcEditHighlighterTest, WordCharactersComeFromTheHighlighterLessItsBreakCharacters) {
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
    CommentHighlighter highlighter;
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

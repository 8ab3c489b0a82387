#include <gtest/gtest.h>

#include <functional>

#include "editor/control/SrcEditMark.h"
#include "editor/control/SrcEditPlugin.h"
#include "editor/control/SrcPaintRoutines.h"
#include "editor/support/SrcImageList.h"
#include "tests/editor/common/FakeSrcPlatform.h"
#include "tests/editor/common/RecordingCanvas.h"
#include "tests/editor/common/TenColumnWrapper.h"
#include "tests/editor/common/TokenHighlighter.h"

namespace {

std::string Num(TColor Color) { return std::to_string(Color); }

class SrcEditPaintTest : public ::testing::Test, public SrcEditTestBase {
protected:
    FakeTextDrawer& Drawer() { return dynamic_cast<FakeTextDrawer&>(edit->TextDrawer()); }
    // Paints the whole client area; returns the drawer's outputs.
    std::vector<std::string> PaintAll() { return PaintClip(window.client); }
    std::vector<std::string> PaintClip(const TRect& Clip) {
        Drawer().Calls.clear();
        canvas.Calls.clear();
        edit->Paint(canvas, Clip);
        return Drawer().Calls;
    }
    // Outputs of row Row (1-based in the view) in the text area.
    std::vector<std::string> Row(int RowNumber) {
        std::vector<std::string> result;
        std::string y = " " + std::to_string((RowNumber - 1) * edit->LineHeight()) + " ";
        for (const std::string& call : Drawer().Calls) {
            size_t space = call.find(' ');
            if (call.compare(space, y.size(), y) == 0 && std::stoi(call) >= edit->GutterWidth()) {
                result.push_back(call);
            }
        }
        return result;
    }
    int X(int Column) const { return (Column - 1) * edit->CharWidth() + edit->TextOffset(); }
    std::string Out(int Column, int RowNumber, const std::string& Text, TFontStyles Style, TColor Fg, TColor Bg) {
        int x = X(Column);
        return std::to_string(x) + " " + std::to_string((RowNumber - 1) * edit->LineHeight()) + " " + Text + " " +
               std::to_string(Style.ToBits()) + " " + Num(Fg) + " " + Num(Bg) + " o " + std::to_string(x) + "-" +
               std::to_string(x + static_cast<int>(Text.size()) * edit->CharWidth());
    }

    // One run of Cell from Column to the cell that the right edge cuts.
    std::vector<std::string> Across(int Column, int RowNumber, char Cell, TFontStyles Style, TColor Fg) {
        int cells = (window.client.Right - X(Column) - 1) / edit->CharWidth() + 2;
        return {Out(Column, RowNumber, std::string(cells, Cell), Style, Fg, edit->Color)};
    }

    RecordingCanvas canvas;
    const TColor text = clWindowText;
};

TEST_F(SrcEditPaintTest, EmptyBufferPaintsOnlyBackgroundGutterAndEdge) {
    EXPECT_TRUE(PaintAll().empty());
    for (const std::string& call : canvas.Calls) {
        bool known = call.rfind("clip", 0) == 0 || call.rfind("fill", 0) == 0 || call.rfind("line", 0) == 0;
        EXPECT_TRUE(known) << call;
    }
    std::string textArea = "fill 30 0 " + std::to_string(window.client.Right) + " " +
                           std::to_string(window.client.Bottom) + " " + Num(edit->Color);
    EXPECT_EQ(canvas.Only("fill 30"), std::vector<std::string>{textArea});
    EXPECT_EQ(canvas.Only("fill 0"), std::vector<std::string>{"fill 0 0 30 320 " + Num(clBtnFace)});
}

TEST_F(SrcEditPaintTest, TokensOfEqualLooksMergeBlanksJoinAnyRunAndTheSelectionCutsThem) {
    TokenHighlighter highlighter;
    edit->SetHighlighter(&highlighter);
    SetLines({"int a = \"x\";"});
    PaintAll();
    EXPECT_EQ(Row(1), (std::vector<std::string>{Out(1, 1, "int ", {fsBold}, clNavy, edit->Color),
                                                Out(5, 1, "a = ", {}, text, edit->Color),
                                                Out(9, 1, "\"x\"", {}, clRed, edit->Color),
                                                Out(12, 1, ";", {}, text, edit->Color)}));
    // A selection cuts a merged run and takes the selection colours.
    SetLines({"a = b + c"});
    edit->SetCaretAndSelection(BufferCoord(6, 1), BufferCoord(3, 1), BufferCoord(6, 1));
    PaintAll();
    EXPECT_EQ(Row(1), (std::vector<std::string>{Out(1, 1, "a ", {}, text, edit->Color),
                                                Out(3, 1, "= b", {}, clHighlightText, clHighlight),
                                                Out(6, 1, " + c", {}, text, edit->Color)}));
    edit->SetHighlighter(nullptr);
}

TEST_F(SrcEditPaintTest, ClipPaintsOnlyTheRowsAndColumnsItMeets) {
    FillNumbered(30);
    int h = edit->LineHeight();
    PaintClip(Rect(X(3), h * 2, X(5), h * 3));
    // The row after the clip is begun too (the canvas clip cuts it off).
    ASSERT_EQ(Drawer().Calls.size(), 2u);
    EXPECT_EQ(Drawer().Calls[0], Out(3, 3, "ne ", {}, text, edit->Color));
    EXPECT_EQ(canvas.Calls.front(), "clip " + RecordingCanvas::RectText(Rect(X(3), h * 2, X(5), h * 3)));
    EXPECT_TRUE(canvas.Only("fill 0").empty());  // the gutter lies left of the clip
}

TEST_F(SrcEditPaintTest, SpecialCharactersSitAtTheirCells) {
    edit->SetTabWidth(4);
    WithOption(eoShowSpecialChars, true);
    SetLines({"a\tb c", "ab\tc"});
    PaintAll();
    int cw = edit->CharWidth();
    std::vector<std::string> row1 = Row(1);
    ASSERT_EQ(row1.size(), 3u);
    EXPECT_EQ(row1[0], Out(1, 1, "a   b\xB7" "c", {}, text, edit->Color));
    // A tab over columns 2 to 4 (odd width): the glyph fills the middle cell.
    EXPECT_EQ(row1[1].substr(0, row1[1].find(' ', row1[1].find(' ') + 1) + 2),
              std::to_string(X(3)) + " 0 \xBB");
    EXPECT_EQ(row1[2].rfind(std::to_string(X(8)) + " 0 \xB6 ", 0), 0u) << row1[2];
    // A tab over columns 3 and 4 (even width): the glyph straddles them.
    std::vector<std::string> row2 = Row(2);
    ASSERT_EQ(row2.size(), 3u);
    EXPECT_EQ(row2[1].rfind(std::to_string(X(3) + cw / 2) + " 16 \xBB", 0), 0u) << row2[1];
    EXPECT_EQ(row2[2].rfind(std::to_string(X(6)) + " 16 \xB6", 0), 0u) << row2[2];
}

TEST_F(SrcEditPaintTest, LineEndMarkOnlyOnTheLastRowOfALineAndNeverOnRowsBelow) {
    WithOption(eoShowSpecialChars, true);
    SetLines({""});
    PaintAll();
    EXPECT_EQ(Drawer().Calls.size(), 1u);  // the mark of the one empty line
}

TEST_F(SrcEditPaintTest, ColumnSelectionPaintsTheRectangleAlsoPastShortLines) {
    SetLines({"abcdefgh", "ab", "abcdefgh"});
    edit->SetSelectionMode(smColumn);
    edit->SetCaretAndSelection(BufferCoord(6, 3), BufferCoord(2, 1), BufferCoord(6, 3));
    PaintAll();
    EXPECT_EQ(Row(2), (std::vector<std::string>{Out(1, 2, "a", {}, text, edit->Color),
                                                Out(2, 2, "b", {}, clHighlightText, clHighlight)}));
    int h = edit->LineHeight();
    std::string past = "fill " + std::to_string(X(3)) + " " + std::to_string(h) + " " + std::to_string(X(6)) + " " +
                       std::to_string(2 * h) + " " + Num(clHighlight);
    EXPECT_EQ(canvas.Only(past).size(), 1u);
    EXPECT_EQ(Row(3)[1], Out(2, 3, "bcde", {}, clHighlightText, clHighlight));
}

TEST_F(SrcEditPaintTest, LineAndNormalSelectionsRunPastTheLineEnd) {
    SetLines({"ab", "cd", "ef"});
    edit->SetCaretAndSelection(BufferCoord(2, 2), BufferCoord(2, 1), BufferCoord(2, 2));
    PaintAll();
    int right = window.client.Right;
    EXPECT_EQ(canvas.Only("fill " + std::to_string(X(3)) + " 0 " + std::to_string(right) + " 16 " + Num(clHighlight))
                  .size(),
              1u);
    // The last row of a normal selection ends at its column.
    EXPECT_EQ(canvas.Only("fill " + std::to_string(X(3)) + " 16 " + std::to_string(right) + " 32 " + Num(edit->Color))
                  .size(),
              1u);
    edit->SetSelectionMode(smLine);
    edit->SetCaretAndSelection(BufferCoord(1, 2), BufferCoord(1, 2), BufferCoord(1, 2));
    edit->SetCaretAndSelection(BufferCoord(1, 2), BufferCoord(1, 1), BufferCoord(1, 2));
    PaintAll();
    EXPECT_EQ(Row(2), std::vector<std::string>{Out(1, 2, "cd", {}, clHighlightText, clHighlight)});
    EXPECT_EQ(canvas.Only("fill " + std::to_string(X(3)) + " 16 " + std::to_string(right) + " 32 " + Num(clHighlight))
                  .size(),
              1u);
}

TEST_F(SrcEditPaintTest, HiddenSelectionWithoutFocusPaintsNoSelectionColours) {
    SetLines({"hello"});
    edit->SetCaretAndSelection(BufferCoord(3, 1), BufferCoord(1, 1), BufferCoord(3, 1));
    edit->SetHideSelection(true);
    window.focused = false;
    PaintAll();
    EXPECT_EQ(Row(1), std::vector<std::string>{Out(1, 1, "hello", {}, text, edit->Color)});
    window.focused = true;
    PaintAll();
    EXPECT_EQ(Row(1).size(), 2u);
}

TEST_F(SrcEditPaintTest, SpecialLineColoursApplyAndSwapUnderTheSelection) {
    struct Handler {
        void Colors(TObject*, int Line, bool& Special, TColor& Fg, TColor& Bg) {
            if (Line == 2) {
                Special = true;
                Fg = clWhite;
                Bg = clMaroon;
            }
        }
    } handler;
    edit->OnSpecialLineColors = TSpecialLineColorsEvent::Of<&Handler::Colors>(&handler);
    SetLines({"one", "two"});
    edit->SetCaretAndSelection(BufferCoord(2, 2), BufferCoord(1, 2), BufferCoord(2, 2));
    PaintAll();
    EXPECT_EQ(Row(2), (std::vector<std::string>{Out(1, 2, "t", {}, clMaroon, clWhite),
                                                Out(2, 2, "wo", {}, clWhite, clMaroon)}));
    EXPECT_EQ(Row(1), std::vector<std::string>{Out(1, 1, "one", {}, text, edit->Color)});
}

TEST_F(SrcEditPaintTest, ALongLineIsReadOnlyAsFarAsItShows) {
    TokenHighlighter highlighter;
    edit->SetHighlighter(&highlighter);
    // A comment opens in view and closes far right of it.
    const std::string shown = "int a = \"x\";\t" + std::string(60, ' ') + "/*" + std::string(3000, 'c') + "*/ b";
    SetLines({(shown + std::string(200000, 'x')).c_str()});
    highlighter.bytesGiven = 0;  // after the range scan of the new line
    PaintAll();
    std::vector<std::string> longRow = Row(1);
    EXPECT_LT(highlighter.bytesGiven, 20000u);
    highlighter.bytesGiven = 0;
    PaintClip(Rect(X(1), 0, X(2), edit->LineHeight()));  // the caret's cell, as a blink repaints it
    EXPECT_LT(highlighter.bytesGiven, 1000u);
    SetLines({shown.c_str()});
    PaintAll();
    EXPECT_EQ(longRow, Row(1));
    // Deep in a 10 MB line, in a token that runs to its end or closes in
    // view: the whole line's colours, and a blink reads a few kilobytes.
    edit->SetMaxScrollWidth(SRCEDIT_MAX_INT);
    const int deep = 5000000;  // the first column in view
    const std::pair<std::string, std::function<std::vector<std::string>()>> deepCases[] = {
        {"/*" + std::string(10u << 20, 'c'), [&] { return Across(deep, 1, 'c', {fsItalic}, clGreen); }},
        {"\"" + std::string(10u << 20, 's'), [&] { return Across(deep, 1, 's', {}, clRed); }},
        {"\"" + std::string(deep + 38, 's') + "\" int a",
         [&] {
             return std::vector<std::string>{Out(deep, 1, std::string(40, 's') + "\" ", {}, clRed, edit->Color),
                                             Out(deep + 42, 1, "int ", {fsBold}, clNavy, edit->Color),
                                             Out(deep + 46, 1, "a", {}, text, edit->Color)};
         }},
    };
    for (const auto& [line, row] : deepCases) {
        SetLines({line});
        edit->SetLeftChar(deep);
        edit->SetCaretXY(BufferCoord(deep + 2, 1));
        PaintAll();
        EXPECT_EQ(Row(1), row()) << line.substr(0, 2);
        highlighter.bytesGiven = 0;
        PaintClip(Rect(X(deep + 2), 0, X(deep + 3), edit->LineHeight()));
        EXPECT_LT(highlighter.bytesGiven, 4096u) << line.substr(0, 2);
    }
    // An edit above a long line painted before changes the range it starts in.
    SetLines({"/*", std::string(100000, 'w')});
    edit->SetLeftChar(50000);
    PaintAll();
    EXPECT_EQ(Row(2), Across(50000, 2, 'w', {fsItalic}, clGreen));
    edit->Lines().Put(0, "//");
    PaintAll();
    EXPECT_EQ(Row(2), Across(50000, 2, 'w', {}, text));
    edit->SetHighlighter(nullptr);
}

TEST_F(SrcEditPaintTest, ActiveLineColourBacksTheCaretLineOnly) {
    SetLines({"one", "two"});
    edit->SetActiveLineColor(clYellow);
    edit->SetCaretXY(BufferCoord(1, 2));
    PaintAll();
    EXPECT_EQ(Row(1), std::vector<std::string>{Out(1, 1, "one", {}, text, edit->Color)});
    EXPECT_EQ(Row(2), std::vector<std::string>{Out(1, 2, "two", {}, text, clYellow)});
    window.invalidated.clear();
    edit->SetCaretXY(BufferCoord(1, 1));
    EXPECT_EQ(window.invalidated.size(), 2u);  // the old and the new caret line
}

TEST_F(SrcEditPaintTest, RightEdgeIsAOnePixelLineThatMovesWithLeftChar) {
    SetLines({"x"});
    edit->SetRightEdge(60);
    PaintAll();
    int x = X(61);
    EXPECT_EQ(canvas.Only("line " + std::to_string(x) + " 0 " + std::to_string(x) + " 16").size(), 1u);
    EXPECT_EQ(canvas.Only("line " + std::to_string(x) + " 16 " + std::to_string(x) + " 320").size(), 1u);
    edit->SetLeftChar(3);
    PaintAll();
    int moved = x - 2 * edit->CharWidth();
    EXPECT_EQ(moved, X(61));
    EXPECT_EQ(canvas.Only("line " + std::to_string(moved) + " 0").size(), 1u);
}

TEST_F(SrcEditPaintTest, LineNumbersAreRightAlignedAndMayBeReplaced) {
    FillNumbered(3);
    edit->Gutter().SetShowLineNumbers(true);
    struct Handler {
        void Text(TObject*, int Line, std::string& Value) {
            if (Line == 2) {
                Value = "two";
            }
        }
    } handler;
    edit->OnGutterGetText = TGutterGetTextEvent::Of<&Handler::Text>(&handler);
    PaintAll();
    int right = edit->GutterWidth() - edit->Gutter().RightOffset() - 2;
    std::string first = edit->Gutter().FormatLineNumber(1);
    int width = static_cast<int>(first.size()) * 6;  // the recording canvas's text extent
    std::string expected = std::to_string(right - width) + " 2 " + first + " 0 " + Num(clWindowText) + " " +
                           Num(clBtnFace) + " o 0-" + std::to_string(edit->GutterWidth());
    EXPECT_EQ(Drawer().Calls[0], expected);
    EXPECT_EQ(Drawer().Calls[1].rfind(std::to_string(right - 18) + " 18 two ", 0), 0u) << Drawer().Calls[1];
}

TEST_F(SrcEditPaintTest, GutterGradientBordersAndPaintEvents) {
    SetLines({"a"});
    edit->Gutter().SetGradient(true);
    edit->Gutter().SetGradientSteps(2);
    edit->Gutter().SetGradientStartColor(clBlack);
    edit->Gutter().SetGradientEndColor(clWhite);
    struct Handler {
        void Gutter(TObject*, int Line, int X, int Y) { log.push_back(std::to_string(Line) + " " + std::to_string(X) + " " + std::to_string(Y)); }
        void Paint(TObject*, TSrcCanvas* Canvas) { log.push_back("paint " + Canvas->Font().Name()); }
        std::vector<std::string> log;
    } handler;
    edit->OnGutterPaint = TGutterPaintEvent::Of<&Handler::Gutter>(&handler);
    edit->OnPaint = TPaintEvent::Of<&Handler::Paint>(&handler);
    PaintAll();
    EXPECT_EQ(canvas.Only("fill 0 0 15 320 " + Num(clBlack)).size(), 1u);
    EXPECT_EQ(canvas.Only("fill 15 0 30 320 " + Num(clWhite)).size(), 1u);
    EXPECT_EQ(canvas.Only("line 28 0 28 320 " + Num(edit->Gutter().BorderColor())).size(), 1u);
    EXPECT_EQ(handler.log, (std::vector<std::string>{"1 0 0", "paint " + edit->Font().Name()}));
}

TEST_F(SrcEditPaintTest, BookmarksComeFirstAndAnotherMarkOnTheLineIsShifted) {
    SetLines({"a", "b"});
    TImageList images;
    images.Add(TSrcBitmap(10, 10, clRed));
    images.Add(TSrcBitmap(10, 10, clBlue));
    edit->BookMarkOptions().SetBookmarkImages(&images);
    auto owned = std::make_unique<TSrcEditMark>(edit.get());
    TSrcEditMark* mark = owned.get();
    mark->SetLine(1);
    mark->SetImage(1);
    mark->SetVisible(true);
    edit->Marks().Add(std::move(owned));
    edit->SetBookMark(0, 1, 1);
    PaintAll();
    int margin = edit->BookMarkOptions().LeftMargin();
    int xoffset = edit->BookMarkOptions().Xoffset();
    std::vector<std::string> copies = canvas.Only("copy");
    ASSERT_EQ(copies.size(), 2u);
    EXPECT_EQ(copies[0].rfind("copy " + std::to_string(margin) + " 0 ", 0), 0u) << copies[0];
    EXPECT_EQ(copies[1].rfind("copy " + std::to_string(margin + xoffset) + " 0 ", 0), 0u) << copies[1];
    edit->BookMarkOptions().SetBookmarkImages(nullptr);
}

TEST_F(SrcEditPaintTest, BuiltInGlyphsExistForIndexesZeroToNineOnly) {
    SetLines({"a", "b"});
    edit->SetBookMark(2, 1, 1);
    auto owned = std::make_unique<TSrcEditMark>(edit.get());
    TSrcEditMark* mark = owned.get();
    mark->SetLine(2);
    mark->SetImage(10);
    mark->SetVisible(true);
    edit->Marks().Add(std::move(owned));
    PaintAll();
    std::vector<std::string> glyphs = canvas.Only("brush");
    ASSERT_EQ(glyphs.size(), 1u);
    EXPECT_EQ(glyphs[0].rfind("brush " + std::to_string(edit->BookMarkOptions().LeftMargin()) + " ", 0), 0u);
}

TEST_F(SrcEditPaintTest, PluginsPaintAfterTheTextWithTheRows) {
    struct Recorder : TSrcEditPlugin {
        using TSrcEditPlugin::TSrcEditPlugin;
        void AfterPaint(TSrcCanvas&, const TRect&, int First, int Last) override {
            rows = std::to_string(First) + "-" + std::to_string(Last);
        }
        void LinesInserted(int, int) override {}
        void LinesDeleted(int, int) override {}
        std::string rows;
    };
    Recorder& plugin = edit->AddPlugin(std::make_unique<Recorder>(edit.get()));
    FillNumbered(50);
    PaintClip(Rect(0, 16, 100, 48));
    EXPECT_EQ(plugin.rows, "2-4");
}

TEST(SrcPaintRoutines, GradientBandsRunFromColourToColour) {
    RecordingCanvas canvas;
    SrcDrawGradient(canvas, clBlack, clWhite, 3, Rect(10, 0, 40, 5), true);
    EXPECT_EQ(canvas.Calls, (std::vector<std::string>{"fill 10 0 20 5 0", "fill 20 0 30 5 " + Num(0x808080),
                                                      "fill 30 0 40 5 " + Num(clWhite)}));
    canvas.Calls.clear();
    SrcDrawGradient(canvas, clRed, clBlue, 1, Rect(0, 0, 4, 4), false);  // steps become 2
    EXPECT_EQ(canvas.Calls, (std::vector<std::string>{"fill 0 0 4 2 " + Num(clRed), "fill 0 2 4 4 " + Num(clBlue)}));
    canvas.Calls.clear();
    canvas.BrushColor = clAqua;
    InternalFillRect(canvas, Rect(1, 2, 3, 4));
    EXPECT_EQ(canvas.Calls, std::vector<std::string>{"fill 1 2 3 4 " + Num(clAqua)});
}

TEST_F(SrcEditPaintTest, WrappedRowsPaintTheirPartWithNumberAndGlyph) {
    SetLines({"0123456789abcdefghij!", "short"});
    TenColumnWrapper wrapper(edit->Lines());
    edit->SetWordWrapper(&wrapper);
    edit->Gutter().SetShowLineNumbers(true);
    WithOption(eoShowSpecialChars, true);
    PaintAll();
    EXPECT_EQ(Row(1), std::vector<std::string>{Out(1, 1, "0123456789", {}, text, edit->Color)});
    EXPECT_EQ(Row(2), std::vector<std::string>{Out(1, 2, "abcdefghij", {}, text, edit->Color)});
    ASSERT_EQ(Row(3).size(), 2u);  // the line's last row ends with the line-end mark
    EXPECT_EQ(Row(3)[0], Out(1, 3, "!", {}, text, edit->Color));
    EXPECT_EQ(Row(4)[0], Out(1, 4, "short", {}, text, edit->Color));
    // Only the first row of a line is numbered; the others get an empty text.
    std::vector<std::string> gutterTexts;
    for (const std::string& call : Drawer().Calls) {
        if (std::stoi(call) < edit->GutterWidth()) {
            size_t from = call.find(' ', call.find(' ') + 1) + 1;
            gutterTexts.push_back(call.substr(from, call.find(" 0 ", from) - from));
        }
    }
    EXPECT_EQ(gutterTexts, (std::vector<std::string>{edit->Gutter().FormatLineNumber(1), "", "",
                                                     edit->Gutter().FormatLineNumber(2)}));
    std::vector<std::string> glyphs = canvas.Only("brush");
    int x = edit->GutterWidth() - edit->Gutter().RightOffset() - 2 - edit->WordWrapGlyph().Width();
    ASSERT_EQ(glyphs.size(), 2u);
    EXPECT_EQ(glyphs[0].rfind("brush " + std::to_string(x) + " ", 0), 0u) << glyphs[0];
    edit->SetWordWrapper(nullptr);
}

TEST_F(SrcEditPaintTest, ScrolledTextSkipsTokensLeftOfTheView) {
    TokenHighlighter highlighter;
    edit->SetHighlighter(&highlighter);
    SetLines({"int value = 1;"});
    edit->SetLeftChar(3);
    PaintAll();
    EXPECT_EQ(X(3), edit->GutterWidth() + 2);
    EXPECT_EQ(Row(1), (std::vector<std::string>{Out(3, 1, "t ", {fsBold}, clNavy, edit->Color),
                                                Out(5, 1, "value = 1;", {}, text, edit->Color)}));
    // Tabs left of the view still place the tokens in it.
    edit->SetTabWidth(4);
    SetLines({"ab\tcdefghij int \"q\""});
    edit->SetLeftChar(13);
    PaintAll();
    EXPECT_EQ(Row(1), (std::vector<std::string>{Out(13, 1, " ", {}, text, edit->Color),
                                                Out(14, 1, "int ", {fsBold}, clNavy, edit->Color),
                                                Out(18, 1, "\"q\"", {}, clRed, edit->Color)}));
    edit->SetHighlighter(nullptr);
}

TEST_F(SrcEditPaintTest, SpecialLineDefaultForegroundKeepsTheTokenColours) {
    TokenHighlighter highlighter;
    edit->SetHighlighter(&highlighter);
    struct Handler {
        void Colors(TObject*, int, bool& Special, TColor&, TColor& Bg) {
            Special = true;
            Bg = clSilver;
        }
    } handler;
    edit->OnSpecialLineColors = TSpecialLineColorsEvent::Of<&Handler::Colors>(&handler);
    SetLines({"if x"});
    PaintAll();
    // Without the option the special foreground replaces the token colours.
    EXPECT_EQ(Row(1), (std::vector<std::string>{Out(1, 1, "if ", {fsBold}, text, clSilver),
                                                Out(4, 1, "x", {}, text, clSilver)}));
    WithOption(eoSpecialLineDefaultFg, true);
    PaintAll();
    EXPECT_EQ(Row(1), (std::vector<std::string>{Out(1, 1, "if ", {fsBold}, clNavy, clSilver),
                                                Out(4, 1, "x", {}, text, clSilver)}));
    edit->SetHighlighter(nullptr);
}

}  // namespace

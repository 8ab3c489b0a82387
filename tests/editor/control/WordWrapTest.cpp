// Word wrap: the plug-in's rows against a reference of the rules and a
// fresh wrap, and the control that shows, scrolls and repaints by rows.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <future>
#include <random>

#include "editor/control/SrcWordWrapPlugin.h"
#include "editor/support/SrcStream.h"
#include "tests/editor/common/FakeSrcPlatform.h"

namespace {

using Rows = std::vector<int>;

// Runs Work on another thread; a run not done within 10 s ends the program.
template <class Work>
auto WithinTenSeconds(const char* WaitedFor, Work work) {
    auto result = std::async(std::launch::async, work);
    if (result.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
        std::fprintf(stderr, "timed out after 10 s waiting for %s\n", WaitedFor);
        std::abort();
    }
    return result.get();
}

// Random source-like lines: words, punctuation, runs of blanks and tabs,
// empty lines, and now and then a long run with no break character.
class RandomLines {
public:
    explicit RandomLines(unsigned Seed) : rng_(Seed) {}

    std::string Line() {
        int kind = Pick(0, 19);
        if (kind <= 1) {
            return kind == 0 ? std::string() : std::string(size_t(Pick(256, 600)), char('a' + Pick(0, 25)));
        }
        std::string line;
        for (int pieces = Pick(1, 30); pieces > 0; --pieces) {
            switch (Pick(0, 5)) {
                case 0: line += std::string(size_t(Pick(1, 12)), ' '); break;
                case 1: line += std::string(size_t(Pick(1, 3)), '\t'); break;
                case 2: line += ".,;:()[]{}=+-*/\"'!?"[Pick(0, 18)]; break;
                default:
                    for (int i = 0, length = Pick(1, 14); i < length; ++i) {
                        line += char(i > 0 && Pick(0, 5) == 0 ? '0' + Pick(0, 9) : 'a' + Pick(0, 25));
                    }
            }
        }
        return line;
    }
    std::string Text(int Lines) {
        std::string text;
        for (int i = 0; i < Lines; ++i) {
            text += (i > 0 ? "\r\n" : "") + Line();
        }
        return text;
    }
    int Pick(int Low, int High) { return std::uniform_int_distribution<int>(Low, High)(rng_); }

private:
    std::mt19937 rng_;
};

bool IsWhite(char c) { return c == ' ' || c == '\t'; }

// Row lengths of one tab-expanded line, step by step as the wrapping rules
// state them (0-based positions).
Rows ReferenceRows(const std::string& s, int Max, int TabWidth, const TSrcCharSet& Breaks) {
    int min = std::max(Max - Max / 3, 1);
    int length = static_cast<int>(s.size());
    Rows rows;
    int start = 0;
    while (start + Max < length) {
        int end = start + Max;
        if (!IsWhite(s[end])) {
            for (int q = end - 1; q >= start + min; --q) {
                if (Breaks.test(static_cast<unsigned char>(s[q]))) {
                    end = q + 1;
                    break;
                }
            }
        } else {
            while (end < length && IsWhite(s[end])) {
                ++end;
            }
        }
        if (end - start > 255) {
            end = start + 255;
            for (int backed = 0; backed < 255 % TabWidth && s[end - 1] == '\t'; ++backed) {
                --end;
            }
        }
        rows.push_back(end - start);
        start = end;
    }
    rows.push_back(length - start);
    return rows;
}

// The control over a window 20 rows high, 30 cells wide (gutter 30, cells 8).
class WordWrapTest : public ::testing::Test, public SrcEditTestBase {
protected:
    WordWrapTest() { SetColumns(30); }
    ~WordWrapTest() override { edit->SetWordWrap(false); }

    void SetColumns(int Columns) {
        window.client.Right = edit->GutterWidth() + 2 + Columns * 8;
        edit->SizeOrFontChanged(false);
    }
    // Count lines, each of two rows (25 and 20 characters).
    void FillTwoRowLines(int Count) {
        edit->Lines().BeginUpdate();
        for (int i = 0; i < Count; ++i) {
            edit->Lines().Add(kTwoRows);
        }
        edit->Lines().EndUpdate();
    }
    // The rows the plug-in gives a line (1-based).
    Rows PluginRows(TSrcWordWrapPlugin& Plugin, int Line) {
        int first = Plugin.BufferToDisplayPos(BufferCoord(1, Line)).Row;
        int next = Line < edit->Lines().Count() ? Plugin.BufferToDisplayPos(BufferCoord(1, Line + 1)).Row
                                                : Plugin.GetRowCount() + 1;
        Rows rows;
        for (int row = first; row < next; ++row) {
            rows.push_back(Plugin.GetRowLength(row));
        }
        return rows;
    }
    // Every row's length and every line's first row.
    std::pair<Rows, Rows> Snapshot(TSrcWordWrapPlugin& Plugin) {
        std::pair<Rows, Rows> snapshot;
        for (int row = 1; row <= Plugin.GetRowCount(); ++row) {
            snapshot.first.push_back(Plugin.GetRowLength(row));
        }
        for (int line = 1; line <= edit->Lines().Count(); ++line) {
            snapshot.second.push_back(Plugin.BufferToDisplayPos(BufferCoord(1, line)).Row);
        }
        return snapshot;
    }
    TBufferCoord RandomPos(RandomLines& Random) {
        int line = Random.Pick(1, std::max(edit->Lines().Count(), 1));
        return BufferCoord(Random.Pick(1, static_cast<int>(edit->LineText().size()) + 3), line);
    }
    // One random edit through the control; its name.
    std::string RandomStep(RandomLines& Random) {
        TSrcEditStringList& lines = edit->Lines();
        switch (Random.Pick(0, 9)) {
            case 0:
                edit->SetCaretXY(RandomPos(Random));
                edit->SetSelTextPrimitive(Random.Text(Random.Pick(1, 4)));
                return "insert";
            case 1: {
                TBufferCoord from = RandomPos(Random);
                TBufferCoord to = RandomPos(Random);
                edit->SetCaretAndSelection(to, from, to);
                edit->SetSelTextPrimitive("");
                return "delete";
            }
            case 2:
                if (lines.Count() > 0) {
                    lines.Put(Random.Pick(0, lines.Count() - 1), Random.Line());
                }
                return "put";
            case 3:
                if (Random.Pick(0, 3) == 0) {
                    lines.Clear();
                }
                return "clear";
            case 4: {
                TMemoryStream stream;
                stream.SetData(Random.Text(Random.Pick(1, 30)));
                lines.LoadFromStream(stream);
                return "load";
            }
            case 5:
                edit->SetCaretXY(RandomPos(Random));
                edit->SetSelTextPrimitiveEx(smColumn, Random.Line() + "\r\n" + Random.Line() + "\r\nab", false);
                return "column paste";
            case 6:
                edit->SetTabWidth(Random.Pick(1, 9));
                return "tab width";
            case 7:
                SetColumns(Random.Pick(0, 120));
                return "width";
            default:
                lines.Insert(Random.Pick(0, lines.Count()), Random.Line());
                return "line insert";
        }
    }

    static constexpr const char* kTwoRows = "aaaaaaaaaaaaaaaaaaaaaaaa.bbbbbbbbbbbbbbbbbbbb";
};

TEST_F(WordWrapTest, RandomLinesWrapAsTheRulesSay) {
    RandomLines random(2026);
    for (int i = 0; i < 40; ++i) {
        edit->Lines().Add(random.Line());
    }
    TSrcCharSet ident, white;
    edit->PrepareIdentChars(ident, white);
    for (int tabWidth : {1, 4, 8}) {
        edit->SetTabWidth(tabWidth);
        for (int width = 1; width <= 100; ++width) {
            SetColumns(width);
            ASSERT_EQ(edit->CharsInWindow(), width);
            TSrcWordWrapPlugin plugin(edit.get());
            for (int line = 1; line <= edit->Lines().Count(); ++line) {
                std::string expanded = edit->Lines().ExpandedStrings(line - 1);
                ASSERT_EQ(PluginRows(plugin, line), ReferenceRows(expanded, width, tabWidth, ~ident))
                    << "width " << width << " tab " << tabWidth << " line " << line << ": " << expanded;
            }
        }
    }
}

TEST_F(WordWrapTest, RowsOfChosenLines) {
    struct Case {
        int columns;
        int tabWidth;
        std::string line;
        Rows rows;
    };
    const Case cases[] = {
        {30, 8, kTwoRows, {25, 20}},                                               // break at 25
        {30, 8, "aaaaaaaaaaaaaaaaaaa.bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb", {30, 22}},  // break at 20: too early
        {30, 8, "aaaaaaaaaaaaaaaaaaaa.bbbbbbbbbbbbbbbbbbbbbb", {21, 22}},          // break at 21: shortest row
        {30, 8, "a,b,c,d,e,f,g,h,i,j,k,l,m,n,o,p,q,r", {30, 5}},
        {30, 4, "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaa      next", {36, 4}},  // blanks stay on the earlier row
        {30, 4, "aaaaaaaaaaaaaaaaaaaaaaaaaaaaa\t\tnext", {36, 4}},     // tabs to 32 and 36
        {30, 4, "", {0}},
        {100, 8, std::string(300, 'x'), {100, 100, 100}},
        // White space from 1 to 416, cut at 255 and backed up to the stop at 248
        {100, 8, "x" + std::string(99, ' ') + std::string(40, '\t') + "end", {248, 168, 3}},
        {300, 8, std::string(300, 'x'), {255, 45}},
    };
    for (const Case& c : cases) {
        SetColumns(c.columns);
        edit->SetTabWidth(c.tabWidth);
        SetLines({c.line.c_str()});
        TSrcWordWrapPlugin plugin(edit.get());
        EXPECT_EQ(PluginRows(plugin, 1), c.rows) << c.line;
        EXPECT_EQ(plugin.MaxRowLength(), std::min(c.columns, 255));
        if (c.columns == 30) {
            EXPECT_EQ(plugin.MinRowLength(), 20);
        }
    }
    // The widest tab never leaves an empty row.
    SetColumns(10);
    edit->SetTabWidth(256);
    SetLines({"\t\t\tx"});
    EXPECT_EQ(WithinTenSeconds("the wrap of a line of 256-cell tabs",
                               [&] {
                                   TSrcWordWrapPlugin plugin(edit.get());
                                   return PluginRows(plugin, 1);
                               }),
              (Rows{255, 255, 255, 4}));
}

TEST_F(WordWrapTest, WithoutAWindowWidthEachLineIsOneRow) {
    SetLines({std::string(500, 'a').c_str(), "short", ""});
    SetColumns(0);
    ASSERT_EQ(edit->CharsInWindow(), 0);
    Rows seen = WithinTenSeconds("the plug-in at width 0", [&] {
        TSrcWordWrapPlugin plugin(edit.get());
        edit->Lines().Add("one more line");
        plugin.LinesInserted(3, 1);
        return Rows{plugin.GetRowCount(), plugin.GetRowLength(1), plugin.BufferToDisplayPos(BufferCoord(300, 1)).Column,
                    plugin.DisplayToBufferPos(DisplayCoord(7, 2)).Char, plugin.MaxRowLength()};
    });
    EXPECT_EQ(seen, (Rows{4, 500, 300, 7, 0}));
}

TEST_F(WordWrapTest, EverySequenceOfEditsMatchesAFreshWrap) {
    for (unsigned seed = 1; seed <= 12; ++seed) {
        RandomLines random(seed);
        edit->Lines().Clear();
        edit->SetText(random.Text(20));
        SetColumns(30);
        TSrcWordWrapPlugin plugin(edit.get());
        edit->SetWordWrapper(&plugin);
        bool same = true;
        for (int step = 0; step < 60 && same; ++step) {
            std::string name = RandomStep(random);
            TSrcWordWrapPlugin fresh(edit.get());
            same = Snapshot(plugin) == Snapshot(fresh);
            EXPECT_TRUE(same) << "after " << name << " (seed " << seed << ")";
        }
        edit->SetWordWrapper(nullptr);
        if (!same) {
            return;
        }
    }
}

TEST_F(WordWrapTest, PositionsMapToTheDisplayAndBack) {
    RandomLines random(99);
    edit->SetText(random.Text(60));
    for (int width : {30, 7, 1}) {
        SetColumns(width);
        TSrcWordWrapPlugin plugin(edit.get());
        for (int line = 1; line <= edit->Lines().Count(); ++line) {
            int length = edit->Lines().ExpandedStringLengths(line - 1);
            TDisplayCoord previous = DisplayCoord(0, 0);
            for (int c = 1; c <= length + 1; ++c) {
                TDisplayCoord shown = plugin.BufferToDisplayPos(BufferCoord(c, line));
                ASSERT_EQ(plugin.DisplayToBufferPos(shown), BufferCoord(c, line)) << "width " << width;
                ASSERT_GE(shown.Column, 1);
                if (shown.Row != previous.Row && c > 1) {
                    // the column after a row's end is the next row's first
                    ASSERT_EQ(shown, DisplayCoord(1, previous.Row + 1));
                    ASSERT_EQ(previous.Column, plugin.GetRowLength(previous.Row));
                }
                previous = shown;
            }
        }
        int rows = plugin.GetRowCount();
        int lines = edit->Lines().Count();
        EXPECT_EQ(plugin.BufferToDisplayPos(BufferCoord(1, lines + 2)).Row, rows + 2);  // below the text
        EXPECT_EQ(plugin.DisplayToBufferPos(DisplayCoord(1, rows + 2)).Line, lines + 2);
    }
    SetColumns(30);
    SetLines({kTwoRows});
    TSrcWordWrapPlugin plugin(edit.get());
    EXPECT_EQ(plugin.DisplayToBufferPos(DisplayCoord(29, 1)), BufferCoord(26, 1));
    EXPECT_EQ(plugin.DisplayToBufferPos(DisplayCoord(29, 2)), BufferCoord(54, 1));
    EXPECT_EQ(plugin.DisplayToBufferPos(DisplayCoord(40, 2)), BufferCoord(56, 1));  // max + 1 on the last row
    EXPECT_EQ(plugin.BufferToDisplayPos(BufferCoord(80, 1)), DisplayCoord(55, 2));
}

TEST_F(WordWrapTest, APutReportsOnlyAChangedRowCount) {
    SetLines({"short", "another short line", "x"});
    TSrcWordWrapPlugin plugin(edit.get());
    edit->Lines().Put(1, "still short");
    EXPECT_EQ(plugin.LinesPutted(1, 1), 0);
    edit->Lines().Put(1, "now a much longer line that wraps onto a second row");
    EXPECT_GT(plugin.LinesPutted(1, 1), 0);
    EXPECT_EQ(plugin.GetRowCount(), 4);
    EXPECT_EQ(plugin.BufferToDisplayPos(BufferCoord(1, 3)), DisplayCoord(1, 4));
}

TEST_F(WordWrapTest, ErrorTexts) {
    try {
        TSrcWordWrapPlugin plugin(nullptr);
        FAIL() << "no editor accepted";
    } catch (const ESrcEditError& e) {
        EXPECT_STREQ(e.what(), "TSrcWordWrapPlugin must be owned by TCustomSrcEdit");
    }
    TComponent notAnEditor;
    EXPECT_THROW(TSrcWordWrapPlugin{&notAnEditor}, ESrcEditError);
    SetLines({"one", "two"});
    TSrcWordWrapPlugin plugin(edit.get());
    for (int row : {0, 3}) {
        try {
            plugin.GetRowLength(row);
            FAIL() << "row " << row << " accepted";
        } catch (const EListError& e) {
            EXPECT_EQ(e.Message(), "List index out of bounds (" + std::to_string(row) + ")");
        }
    }
}

TEST_F(WordWrapTest, TheControlShowsTheCaretOnItsRow) {
    SetLines({"first", kTwoRows, "\tword, then more words past the edge"});
    edit->SetWordWrap(true);
    ASSERT_TRUE(edit->WordWrap());
    edit->SetLeftChar(7);  // no horizontal scrolling while wrapped
    EXPECT_EQ(edit->LeftChar(), 1);
    EXPECT_EQ(edit->GetDisplayLineCount(), 5);
    EXPECT_EQ(edit->LineToRow(3), 4);
    EXPECT_EQ(edit->RowToLine(3), 2);
    edit->SetCaretXY(BufferCoord(30, 2));
    EXPECT_EQ(edit->DisplayXY(), DisplayCoord(5, 3));
    edit->SetCaretXY(BufferCoord(4, 3));  // after the tab: cell 11
    EXPECT_EQ(edit->DisplayXY(), DisplayCoord(11, 4));
    edit->SetCaretXY(BufferCoord(30, 3));  // cell 37; the first row ends after "words "
    EXPECT_EQ(edit->DisplayXY(), DisplayCoord(7, 5));
    edit->SetCaretXY(BufferCoord(26, 2));  // a row's end is the next row's start
    EXPECT_EQ(edit->DisplayXY(), DisplayCoord(1, 3));
    edit->SetCaretXY(BufferCoord(100, 1));  // beyond the window: back to its edge
    EXPECT_EQ(edit->CaretXY(), BufferCoord(31, 1));
    edit->SetWordWrap(false);
    EXPECT_EQ(edit->GetDisplayLineCount(), 3);
    // A place past a wrapped row's end keeps the caret on that row. Rows 1-3:
    // 30, 30 and 10 x; rows 4-5: 25 and 20; row 6: "z"; then seven more lines
    // of three rows each.
    std::string xs(70, 'x');
    SetLines({xs, kTwoRows, "z", xs, xs, xs, xs, xs, xs, xs});
    edit->SetWordWrap(true);
    struct Case {
        TDisplayCoord at;
        TBufferCoord caret;
        TDisplayCoord shown;
    };
    const Case cases[] = {
        {{31, 1}, {31, 1}, {31, 1}},    // right of a full row
        {{1, 2}, {31, 1}, {1, 2}},      // the same text position, at the next row's start
        {{28, 4}, {26, 2}, {26, 4}},    // right of a row broken after "."
        {{31, 20}, {61, 8}, {31, 20}},  // the last row in view: no scrolling
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "at " << c.at.Column << ", " << c.at.Row);
        edit->SetInternalDisplayXY(c.at);
        EXPECT_EQ(edit->CaretXY(), c.caret);
        EXPECT_EQ(edit->DisplayXY(), c.shown);
        EXPECT_EQ(edit->LastCaretX(), c.shown.Column);
        EXPECT_EQ(window.caretPos, Point(Px(c.shown.Column) - 1, (c.shown.Row - 1) * 16 + 1));
        EXPECT_EQ(edit->TopLine(), 1);
    }
    edit->SetInternalDisplayXY(DisplayCoord(31, 1));
    edit->Lines().Put(0, "short");  // the row the caret stood at the end of is gone
    EXPECT_EQ(edit->DisplayXY(), DisplayCoord(31, 1));
}

TEST_F(WordWrapTest, TheControlScrollsAndRepaintsByRows) {
    WithOption(eoScrollPastEof, false);
    SetLines({kTwoRows, std::string(70, 'x').c_str(), "z"});
    FillTwoRowLines(27);
    edit->SetWordWrap(true);
    EXPECT_EQ(edit->GetDisplayLineCount(), 60);
    EXPECT_EQ(window.scrollInfo[sbVertical].Max, 60);
    window.invalidated.clear();
    edit->InvalidateLine(2);  // rows 3 to 5
    ASSERT_EQ(window.invalidated.size(), 1u);
    EXPECT_EQ(window.invalidated[0], Rect(edit->GutterWidth(), 2 * 16, window.client.Right, 5 * 16));
    edit->SetTopLine(100);
    EXPECT_EQ(edit->TopLine(), 41);  // 60 rows - 20 in view + 1
    EXPECT_EQ(window.scrollInfo[sbVertical].Pos, 41);
    EXPECT_EQ(edit->RowToLine(edit->TopLine()), 21);
}

TEST_F(WordWrapTest, AChangedWrapGlyphRepaintsTheGutter) {
    SetLines({std::string(70, 'x').c_str()});
    edit->SetWordWrap(true);
    TSrcGlyph& glyph = edit->WordWrapGlyph();
    for (auto change : {+[](TSrcGlyph& g) { g.SetVisible(false); }, +[](TSrcGlyph& g) { g.SetMaskColor(clRed); }}) {
        window.invalidated.clear();
        change(glyph);
        ASSERT_EQ(window.invalidated.size(), 1u);
        EXPECT_EQ(window.invalidated[0], Rect(0, 0, edit->GutterWidth(), window.client.Bottom));
    }
}

TEST_F(WordWrapTest, TurningWordWrapOnAndOffKeepsTheTopLineAndTheCaret) {
    FillTwoRowLines(100);
    edit->SetTopLine(40);
    edit->SetCaretXY(BufferCoord(40, 45));
    ASSERT_TRUE(edit->CaretInView());
    edit->SetWordWrap(true);
    EXPECT_EQ(edit->RowToLine(edit->TopLine()), 40);
    EXPECT_TRUE(edit->CaretInView());
    EXPECT_EQ(edit->DisplayXY(), DisplayCoord(15, 90));
    edit->SetWordWrap(false);
    EXPECT_FALSE(edit->WordWrap());
    EXPECT_TRUE(edit->CaretInView());
    EXPECT_EQ(edit->CaretXY(), BufferCoord(40, 45));
    EXPECT_EQ(edit->TopLine(), 40);
}

TEST_F(WordWrapTest, WidthAndTabWidthChangesReWrap) {
    FillTwoRowLines(3);
    edit->Lines().Add("\tx");
    edit->SetWordWrap(true);
    EXPECT_EQ(edit->GetDisplayLineCount(), 7);
    edit->SetTabWidth(40);  // the tab alone now needs more than a row
    EXPECT_EQ(edit->GetDisplayLineCount(), 8);
    edit->SetTabWidth(8);
    SetColumns(50);
    EXPECT_EQ(edit->GetDisplayLineCount(), 4);
    SetColumns(0);
    EXPECT_EQ(edit->GetDisplayLineCount(), 4);
    SetColumns(10);
    EXPECT_EQ(edit->GetDisplayLineCount(), 16);
}

}  // namespace

#include <gtest/gtest.h>

#include "tests/editor/control/WordWrapTestSupport.h"

namespace {

bool IsWhite(char c) { return c == ' ' || c == '\t'; }

// Row lengths of one tab-expanded line, step by step as the wrapping rules
// state them (0-based positions).
std::vector<int> ReferenceRows(const std::string& s, int Max, int TabWidth, const TSrcCharSet& Breaks) {
    int min = std::max(Max - Max / 3, 1);
    int length = static_cast<int>(s.size());
    std::vector<int> rows;
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

class SrcWordWrapRowsTest : public ::testing::Test, public SrcEditTestBase {
protected:
    // The rows the plug-in gives each line, 1-based line numbers.
    std::vector<int> PluginRows(TSrcWordWrapPlugin& Plugin, int Line) {
        int first = Plugin.BufferToDisplayPos(BufferCoord(1, Line)).Row;
        int next = Line < edit->Lines().Count() ? Plugin.BufferToDisplayPos(BufferCoord(1, Line + 1)).Row
                                                : Plugin.GetRowCount() + 1;
        std::vector<int> rows;
        for (int row = first; row < next; ++row) {
            rows.push_back(Plugin.GetRowLength(row));
        }
        return rows;
    }
    TSrcCharSet BreakChars() const {
        TSrcCharSet ident;
        TSrcCharSet white;
        edit->PrepareIdentChars(ident, white);
        return ~ident;
    }
};

TEST_F(SrcWordWrapRowsTest, RandomLinesWrapAsTheRulesSay) {
    RandomLines random(2026);
    edit->Lines().BeginUpdate();
    for (int i = 0; i < 40; ++i) {
        edit->Lines().Add(random.Line());
    }
    edit->Lines().EndUpdate();
    for (int tabWidth : {1, 4, 8}) {
        edit->SetTabWidth(tabWidth);
        for (int width = 1; width <= 100; ++width) {
            SetColumns(*this, width);
            ASSERT_EQ(edit->CharsInWindow(), width);
            TSrcWordWrapPlugin plugin(edit.get());
            for (int line = 1; line <= edit->Lines().Count(); ++line) {
                std::string expanded = edit->Lines().ExpandedStrings(line - 1);
                ASSERT_EQ(PluginRows(plugin, line), ReferenceRows(expanded, width, tabWidth, BreakChars()))
                    << "width " << width << " tab " << tabWidth << " line " << line << ": " << expanded;
            }
        }
    }
}

TEST_F(SrcWordWrapRowsTest, RowsAtThirtyColumnsEndAfterTheLastBreakFromTwentyOn) {
    SetColumns(*this, 30);
    SetLines({"aaaaaaaaaaaaaaaaaaaaaaaa.bbbbbbbbbbbbbbbbbbbb",  // break at 25
              "aaaaaaaaaaaaaaaaaaa.bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb",  // break at 20 is too early
              "aaaaaaaaaaaaaaaaaaaa.bbbbbbbbbbbbbbbbbbbbbb",  // break at 21: shortest row
              "a,b,c,d,e,f,g,h,i,j,k,l,m,n,o,p,q,r"});
    TSrcWordWrapPlugin plugin(edit.get());
    EXPECT_EQ(plugin.MaxRowLength(), 30);
    EXPECT_EQ(plugin.MinRowLength(), 20);
    EXPECT_EQ(PluginRows(plugin, 1), (std::vector<int>{25, 20}));
    EXPECT_EQ(PluginRows(plugin, 2), (std::vector<int>{30, 22}));
    EXPECT_EQ(PluginRows(plugin, 3), (std::vector<int>{21, 22}));
    EXPECT_EQ(PluginRows(plugin, 4), (std::vector<int>{30, 5}));
}

TEST_F(SrcWordWrapRowsTest, BlanksAfterTheBreakStayOnTheEarlierRow) {
    SetColumns(*this, 30);
    SetLines({"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaa      next", "aaaaaaaaaaaaaaaaaaaaaaaaaaaaa\t\tnext", ""});
    edit->SetTabWidth(4);
    TSrcWordWrapPlugin plugin(edit.get());
    EXPECT_EQ(PluginRows(plugin, 1), (std::vector<int>{36, 4}));
    EXPECT_EQ(PluginRows(plugin, 2), (std::vector<int>{36, 4}));  // tabs to 32 and 36
    EXPECT_EQ(PluginRows(plugin, 3), (std::vector<int>{0}));
}

TEST_F(SrcWordWrapRowsTest, NoRowIsLongerThan255) {
    SetColumns(*this, 100);
    edit->SetTabWidth(8);
    edit->Lines().Add(std::string(300, 'x'));
    edit->Lines().Add("x" + std::string(99, ' ') + std::string(40, '\t') + "end");
    TSrcWordWrapPlugin plugin(edit.get());
    EXPECT_EQ(plugin.MaxRowLength(), 100);
    EXPECT_EQ(PluginRows(plugin, 1), (std::vector<int>{100, 100, 100}));
    // White space from 1 to 416, cut at 255 and backed up to the stop at 248
    EXPECT_EQ(PluginRows(plugin, 2), (std::vector<int>{248, 168, 3}));
    SetColumns(*this, 300);
    TSrcWordWrapPlugin wide(edit.get());
    EXPECT_EQ(wide.MaxRowLength(), 255);
    EXPECT_EQ(PluginRows(wide, 1), (std::vector<int>{255, 45}));
}

TEST_F(SrcWordWrapRowsTest, TheWidestTabNeverLeavesAnEmptyRow) {
    SetColumns(*this, 10);
    edit->SetTabWidth(256);
    edit->Lines().Add("\t\t\tx");
    std::vector<int> rows = WithinSeconds(10, "the wrap of a line of 256-cell tabs", [&] {
        TSrcWordWrapPlugin plugin(edit.get());
        return PluginRows(plugin, 1);
    });
    EXPECT_EQ(rows, (std::vector<int>{255, 255, 255, 4}));
}

TEST_F(SrcWordWrapRowsTest, WithoutAWindowWidthEachLineIsOneRow) {
    SetLines({std::string(500, 'a').c_str(), "short", ""});
    SetColumns(*this, 0);
    ASSERT_EQ(edit->CharsInWindow(), 0);
    std::vector<int> seen = WithinSeconds(10, "the plug-in at width 0", [&] {
        TSrcWordWrapPlugin plugin(edit.get());
        edit->Lines().Add("one more line");
        plugin.LinesInserted(3, 1);
        return std::vector<int>{plugin.GetRowCount(), plugin.GetRowLength(1),
                                plugin.BufferToDisplayPos(BufferCoord(300, 1)).Column,
                                plugin.DisplayToBufferPos(DisplayCoord(7, 2)).Char, plugin.MaxRowLength()};
    });
    EXPECT_EQ(seen, (std::vector<int>{4, 500, 300, 7, 0}));
}

TEST_F(SrcWordWrapRowsTest, ErrorTexts) {
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

}  // namespace

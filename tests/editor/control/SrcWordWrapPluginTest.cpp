#include <gtest/gtest.h>

#include "editor/support/SrcStream.h"
#include "tests/editor/control/WordWrapTestSupport.h"

namespace {

class SrcWordWrapPluginTest : public ::testing::Test, public SrcEditTestBase {
protected:
    SrcWordWrapPluginTest() { SetColumns(*this, 30); }

    void ExpectSameAsFreshReset(TSrcWordWrapPlugin& Live, const std::string& Step) {
        TSrcWordWrapPlugin fresh(edit.get());
        int lines = edit->Lines().Count();
        ASSERT_EQ(SnapshotOf(Live, lines), SnapshotOf(fresh, lines)) << "after " << Step;
    }
    TBufferCoord RandomPos(RandomLines& Random) {
        int line = Random.Pick(1, std::max(edit->Lines().Count(), 1));
        int length = static_cast<int>(edit->LineText().size());
        return BufferCoord(Random.Pick(1, length + 3), line);
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
                SetColumns(*this, Random.Pick(0, 120));
                return "width";
            default:
                lines.Insert(Random.Pick(0, lines.Count()), Random.Line());
                return "line insert";
        }
    }
};

TEST_F(SrcWordWrapPluginTest, EverySequenceOfEditsMatchesAFreshWrap) {
    for (unsigned seed = 1; seed <= 12; ++seed) {
        RandomLines random(seed);
        edit->Lines().Clear();
        edit->SetText(random.Text(20));
        SetColumns(*this, 30);
        TSrcWordWrapPlugin plugin(edit.get());
        edit->SetWordWrapper(&plugin);
        for (int step = 0; step < 60; ++step) {
            std::string name = RandomStep(random);
            ExpectSameAsFreshReset(plugin, name + " (seed " + std::to_string(seed) + ")");
            if (HasFatalFailure()) {
                edit->SetWordWrapper(nullptr);
                return;
            }
        }
        edit->SetWordWrapper(nullptr);
    }
}

TEST_F(SrcWordWrapPluginTest, PositionsMapToTheDisplayAndBack) {
    RandomLines random(99);
    edit->SetText(random.Text(60));
    for (int width : {30, 7, 1}) {
        SetColumns(*this, width);
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
            // the first row's owner is the line
            ASSERT_EQ(plugin.DisplayToBufferPos(plugin.BufferToDisplayPos(BufferCoord(1, line))).Line, line);
        }
        int rows = plugin.GetRowCount();
        int lines = edit->Lines().Count();
        EXPECT_EQ(plugin.BufferToDisplayPos(BufferCoord(1, lines + 2)).Row, rows + 2);  // below the text
        EXPECT_EQ(plugin.DisplayToBufferPos(DisplayCoord(1, rows + 2)).Line, lines + 2);
    }
}

TEST_F(SrcWordWrapPluginTest, ColumnsAreLimitedOnEachRow) {
    SetLines({"aaaaaaaaaaaaaaaaaaaaaaaa.bbbbbbbbbbbbbbbbbbbb"});  // rows of 25 and 20
    TSrcWordWrapPlugin plugin(edit.get());
    EXPECT_EQ(plugin.DisplayToBufferPos(DisplayCoord(29, 1)), BufferCoord(26, 1));
    EXPECT_EQ(plugin.DisplayToBufferPos(DisplayCoord(29, 2)), BufferCoord(54, 1));
    EXPECT_EQ(plugin.DisplayToBufferPos(DisplayCoord(40, 2)), BufferCoord(56, 1));  // max + 1 on the last row
    EXPECT_EQ(plugin.BufferToDisplayPos(BufferCoord(80, 1)), DisplayCoord(55, 2));
}

TEST_F(SrcWordWrapPluginTest, APutReportsOnlyAChangedRowCount) {
    SetLines({"short", "another short line", "x"});
    TSrcWordWrapPlugin plugin(edit.get());
    edit->Lines().Put(1, "still short");
    EXPECT_EQ(plugin.LinesPutted(1, 1), 0);
    edit->Lines().Put(1, "now a much longer line that wraps onto a second row");
    EXPECT_GT(plugin.LinesPutted(1, 1), 0);
    EXPECT_EQ(plugin.GetRowCount(), 4);
    EXPECT_EQ(plugin.BufferToDisplayPos(BufferCoord(1, 3)), DisplayCoord(1, 4));
}

}  // namespace

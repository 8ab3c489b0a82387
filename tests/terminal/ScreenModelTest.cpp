#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "ide/terminal/ScreenModel.h"

namespace {

// The view as a list of lines, the beeps and the log bytes.
class RecordingOutput : public IScreenOutput {
public:
    int ViewLineCount() const override { return int(view.size()); }
    void ClearView() override { view.clear(); }
    void AppendViewLine(const std::string& text) override { view.push_back(text); }
    void ReplaceViewLine(int index, const std::string& text) override { view.at(size_t(index)) = text; }
    void DeleteFirstViewLine() override { view.pop_front(); }
    void Beep() override { ++beeps; }
    void Log(const char* data, size_t size) override { log.append(data, size); }

    std::deque<std::string> view;
    int beeps = 0;
    std::string log;
};

class ScreenModelTest : public ::testing::Test {
protected:
    void SetUp() override { screen.Clear(); }
    void Feed(const std::string& text, bool logging = true) { screen.AddText(text.data(), text.size(), logging); }
    std::vector<std::string> View() const { return {out.view.begin(), out.view.end()}; }

    RecordingOutput out;
    TScreenModel screen{out};
};

}  // namespace

TEST_F(ScreenModelTest, StartsClearedWithOneEmptyViewLineAndLogsOnlyWhenAsked)
{
    EXPECT_EQ(View(), std::vector<std::string>{""});
    EXPECT_EQ(screen.Column(), 1);
    EXPECT_EQ(screen.Row(), 1);
    EXPECT_EQ(screen.DisplayBytes(), "\r\n");
    Feed("ab\ncd", false);
    EXPECT_EQ(out.log, "") << "nothing is logged when not logging";
    EXPECT_EQ(View(), (std::vector<std::string>{"ab", "cd"}));
}

// Short streams: the view, the cursor's column and row, and the log after each.
TEST_F(ScreenModelTest, ControlBytesAndPrintables)
{
    const std::string bytes0to2("\x00\x02\xe9", 3);
    const struct {
        const char* what;
        std::string input;
        std::vector<std::string> view;
        int column, row;
        std::string log;
        int beeps;
    } cases[] = {
        {"carriage return overwrites from column one", "AB\rC", {"CB"}, 2, 1, "ABC", 0},
        {"cursor left stops at column one", "\x03", {""}, 1, 1, "", 0},
        {"cursor right stops at column 199", std::string(250, '\x04') + "\x03\x03", {""}, 197, 1, "", 0},
        {"beyond the width a new line starts", std::string(200, 'a') + "b", {std::string(200, 'a'), "b"}, 2, 2,
         std::string(200, 'a') + "\r\nb", 0},
        {"form feed clears and homes", "one\ntwo\x10z", {"z"}, 2, 1, "one\r\ntwoz", 0},
        {"a short line gets the byte without padding", "\x04\x04\x04\x04x", {"x"}, 6, 1, "x", 0},
        {"bell beeps, 8 and 9 are ignored", "\x07\x08\x09", {""}, 1, 1, "", 1},
        {"0, 2 and bytes above 127 are printable", bytes0to2, {bytes0to2}, 4, 1, bytes0to2, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        screen.Clear();
        out.log.clear();
        out.beeps = 0;
        Feed(c.input);
        EXPECT_EQ(View(), c.view);
        EXPECT_EQ(screen.Column(), c.column);
        EXPECT_EQ(screen.Row(), c.row);
        EXPECT_EQ(out.log, c.log);
        EXPECT_EQ(out.beeps, c.beeps);
    }
}

TEST_F(ScreenModelTest, LineFeedsScrollAtTheLastRow)
{
    Feed("first\n");
    Feed(std::string(300, '\n'));
    EXPECT_EQ(screen.Row(), 300);
    EXPECT_EQ(screen.Column(), 1);
    ASSERT_EQ(out.view.size(), 300u);
    for (const std::string& line : out.view) EXPECT_EQ(line, "");
    EXPECT_EQ(screen.ScreenLine(0), "");
    EXPECT_EQ(screen.DisplayBytes().size(), 600u);
}

// Up and down over written lines, home, and a scroll at row 300, against a
// stream worked out by hand.
TEST_F(ScreenModelTest, StreamMovesOverWrittenLinesAndScrolls)
{
    Feed("line1\nline2\nline3");
    Feed("\x05\x05X");           // up twice: row 1, column 6
    EXPECT_EQ(screen.Row(), 1);
    Feed("\x06Y");                // down: row 2, column 8 (appended)
    Feed("\x06\x06\x06Z");        // the view has 3 lines: row stops at 3
    EXPECT_EQ(screen.Row(), 3);
    Feed("\x01" "H");             // home overwrites "l" of line1
    EXPECT_EQ(View(), (std::vector<std::string>{"Hine1X", "line2Y", "line3Z"}));
    Feed("\x06\x06\n");           // row 3 is the last view line: a new line 4
    EXPECT_EQ(screen.Row(), 4);
    EXPECT_EQ(out.view.size(), 4u);
    Feed(std::string(296, '\n') + "end");
    EXPECT_EQ(screen.Row(), 300);
    ASSERT_EQ(out.view.size(), 300u);
    Feed("\nlast");
    ASSERT_EQ(out.view.size(), 300u);
    EXPECT_EQ(out.view.front(), "line2Y");
    EXPECT_EQ(out.view[298], "end");
    EXPECT_EQ(out.view[299], "last");
    EXPECT_EQ(screen.ScreenLine(1), "line2Y");
    EXPECT_EQ(screen.ScreenLine(300), "last");
    Feed("\x06\x05\x05" "!");      // down does nothing at the bottom
    EXPECT_EQ(out.view[297], "!");
    EXPECT_EQ(screen.Row(), 298);

    std::string display;
    for (const std::string& line : out.view) display += line + "\r\n";
    EXPECT_EQ(screen.DisplayBytes(), display);
    EXPECT_EQ(out.log, "line1\r\nline2\r\nline3XYZH\r\n" + [] {
        std::string s;
        for (int i = 0; i < 296; ++i) s += "\r\n";
        return s;
    }() + "end\r\nlast!");
}

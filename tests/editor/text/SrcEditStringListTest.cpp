#include "editor/text/SrcEditStringList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "editor/support/SrcExceptions.h"
#include "editor/support/SrcStream.h"
#include "editor/support/StringList.h"
#include "tests/editor/common/EventRecorder.h"

using Log = std::vector<std::string>;

namespace {

class StringListTest : public ::testing::Test {
protected:
    void SetUp() override {
        lines.OnChange = TNotifyEvent::Of<&EventRecorder::Change>(&events);
        lines.OnChanging = TNotifyEvent::Of<&EventRecorder::Changing>(&events);
        lines.OnCleared = TNotifyEvent::Of<&EventRecorder::Cleared>(&events);
        lines.OnDeleted = TStringListChangeEvent::Of<&EventRecorder::Deleted>(&events);
        lines.OnInserted = TStringListChangeEvent::Of<&EventRecorder::Inserted>(&events);
        lines.OnPutted = TStringListChangeEvent::Of<&EventRecorder::Putted>(&events);
    }

    void Load(const std::string& bytes) {
        TMemoryStream stream;
        stream.SetData(bytes);
        lines.LoadFromStream(stream);
        events.Take();
    }

    std::string Save() {
        TMemoryStream stream;
        lines.SaveToStream(stream);
        return stream.Data();
    }

    Log Lines() const {
        Log result;
        for (int i = 0; i < lines.Count(); ++i) {
            result.push_back(lines[i]);
        }
        return result;
    }

    TSrcEditStringList lines;
    EventRecorder events;
};

}  // namespace

TEST_F(StringListTest, LoadDetectsEachBreakStyleAndSavesTheSameBytes) {
    struct Case {
        std::string bytes;
        Log lines;
        TSrcEditFileFormat format;
        bool sameBytes = true;
    };
    const Case cases[] = {
        {"a\r\nb\r\n", {"a", "b", ""}, sffDos},
        {"a\nb", {"a", "b"}, sffUnix},
        {"a\rb\r", {"a", "b", ""}, sffMac},
        {"a\r\nb\nc", {"a", "b", "c"}, sffDos, false},
        {"", {}, sffDos},
        {"single", {"single"}, sffDos},
        {std::string("x\0y\n\x80\xFF\xE9", 7), {std::string("x\0y", 3), "\x80\xFF\xE9"}, sffUnix},
    };
    for (const Case& c : cases) {
        Load(c.bytes);
        EXPECT_EQ(Lines(), c.lines) << c.bytes;
        EXPECT_EQ(lines.FileFormat, c.format) << c.bytes;
        if (c.sameBytes) {
            EXPECT_EQ(Save(), c.bytes);
        }
        // Text set gives the lines a load gives, and read back sets them again.
        lines.Text(lines.Text());
        EXPECT_EQ(Lines(), c.lines) << c.bytes;
        lines.Text(c.bytes);
        EXPECT_EQ(Lines(), c.lines) << c.bytes;
    }
    Load("a\n\rb");
    EXPECT_EQ(Lines(), (Log{"a", "", "b"}));
    Load("a\r\nb\nc");
    EXPECT_EQ(Save(), "a\r\nb\r\nc");  // a mixed file is written in one style
}

TEST_F(StringListTest, LoadFiresOneChangePairAroundTheLines) {
    lines.Add("old");
    events.Take();
    TMemoryStream stream;
    stream.SetData("p\nq");
    lines.LoadFromStream(stream);
    EXPECT_EQ(events.Take(), (Log{"Changing", "Cleared", "Inserted 0 1", "Inserted 1 1", "Change"}));
}

TEST_F(StringListTest, IndexErrorsCarryTheIndexAndLeaveTheList) {
    lines.Add("a");
    auto message = [](auto&& action) {
        try {
            action();
        } catch (const ESrcEditStringList& e) {
            return e.Message();
        }
        return std::string("no error");
    };
    EXPECT_EQ(message([&] { lines.Delete(1); }), "Invalid stringlist index 1");
    EXPECT_EQ(message([&] { lines.Insert(-1, "x"); }), "Invalid stringlist index -1");
    EXPECT_EQ(message([&] { lines.Exchange(0, 3); }), "Invalid stringlist index 3");
    EXPECT_EQ(message([&] { lines.Ranges(1, 5); }), "Invalid stringlist index 1");
    EXPECT_EQ(message([&] { lines.InsertLines(2, 1); }), "Invalid stringlist index 2");
    try {
        lines.SetCapacity(0);
        ADD_FAILURE() << "no error";
    } catch (const EListError& e) {
        EXPECT_EQ(e.Message(), "Stringlist capacity cannot be smaller than count");
    }
    EXPECT_EQ(Lines(), Log{"a"});
    EXPECT_EQ(lines.Get(1), "");
    EXPECT_EQ(lines.GetObject(-1), nullptr);
    EXPECT_EQ(lines.Ranges(7), 0);
    EXPECT_EQ(lines.ExpandedStrings(9), "");
    EXPECT_EQ(lines.ExpandedStringLengths(9), 0);
}

TEST_F(StringListTest, EventsOfTheEditingOperations) {
    lines.Put(0, "a");  // at Count: appends
    EXPECT_EQ(events.Take(), (Log{"Changing", "Inserted 0 1", "Change"}));
    lines.Put(0, "b");
    EXPECT_EQ(events.Take(), (Log{"Changing", "Putted 0 1", "Change"}));
    lines.Insert(0, "c");
    lines.Delete(1);
    EXPECT_EQ(events.Take(),
              (Log{"Changing", "Inserted 0 1", "Change", "Changing", "Deleted 1 1", "Change"}));
    lines.BeginUpdate();
    lines.Add("d");
    lines.Add("e");
    lines.EndUpdate();
    EXPECT_EQ(events.Take(), (Log{"Changing", "Inserted 1 1", "Inserted 2 1", "Change"}));
    lines.DeleteLines(1, 10);
    EXPECT_EQ(events.Take(), (Log{"Deleted 1 2"}));
    lines.InsertLines(0, 2);
    EXPECT_EQ(events.Take(), (Log{"Changing", "Inserted 0 2", "Change"}));
    lines.DeleteLines(0, 1);
    EXPECT_EQ(events.Take(), (Log{"Changing", "Change", "Deleted 0 1"}));
    EXPECT_EQ(Lines(), (Log{"", "c"}));
    lines.Clear();
    EXPECT_EQ(events.Take(), (Log{"Changing", "Cleared", "Change"}));
    lines.Clear();
    EXPECT_TRUE(events.Take().empty());
}

TEST_F(StringListTest, InsertTextSplitsAndPutsEachLine) {
    lines.Add("end");
    events.Take();
    lines.InsertText(0, "one\r\ntwo\nthree\r");
    EXPECT_EQ(Lines(), (Log{"one", "two", "three", "end"}));
    EXPECT_EQ(events.Take(), (Log{"Changing", "Inserted 0 3", "Putted 0 1", "Putted 1 1", "Putted 2 1", "Change"}));
    EXPECT_EQ(lines.Ranges(0), 0);  // lines made by InsertLines
    EXPECT_EQ(lines.Ranges(3), -1);  // lines made by Add
    EXPECT_EQ(lines.GetTextStr(), "one\r\ntwo\r\nthree\r\nend");
    lines.InsertText(0, "");
    lines.AddStrings(TStringList());
    EXPECT_TRUE(events.Take().empty());
    TStringList more;  // past the capacity of 16
    more.Text("a\nb\nc\nd\ne\nf\ng\nh\ni\nj\nk\nl\nm");
    lines.AddStrings(more);
    EXPECT_EQ(lines.Count(), 17);
    EXPECT_EQ(lines[16], "m");
    EXPECT_EQ(events.Take(), (Log{"Changing", "Inserted 4 13", "Change"}));
}

TEST_F(StringListTest, ExpandedLengthsAndTheLongestLineCache) {
    lines.Add("ab\tc");       // 8 + 1 = 9
    lines.Add("0123456789ab");  // 12
    lines.Add("\t\txyzw");    // 16 + 4 = 20
    EXPECT_EQ(lines.ExpandedStringLengths(0), 9);
    EXPECT_EQ(lines.ExpandedStrings(0), "ab\t\t\t\t\t\tc");
    EXPECT_EQ(lines.GetLengthOfLongestLine(), 20);
    lines.Put(2, "0123456789ab");
    EXPECT_EQ(lines.GetLengthOfLongestLine(), 12);  // first of the equal lines
    lines.Exchange(1, 0);
    EXPECT_EQ(lines.GetLengthOfLongestLine(), 12);
    lines.SetTabWidth(4);
    EXPECT_EQ(lines.ExpandedStringLengths(1), 5);
    lines.SetTabWidth(1);
    EXPECT_EQ(lines.ExpandedStrings(1), "ab c");

    TSrcEditStringList empty;
    empty.Add("");
    EXPECT_EQ(empty.GetLengthOfLongestLine(), 0);
    // The cache follows lines inserted and deleted around the longest one.
    TSrcEditStringList grown;
    grown.Text("abc\nabcdef\nab");
    EXPECT_EQ(grown.GetLengthOfLongestLine(), 6);
    grown.InsertLines(0, 2);
    EXPECT_EQ(grown.GetLengthOfLongestLine(), 6);
    grown.Insert(0, "abcde");
    grown.Add("abcdefgh");
    EXPECT_EQ(grown.GetLengthOfLongestLine(), 8);
    grown.Delete(0);
    EXPECT_EQ(grown.GetLengthOfLongestLine(), 8);
    grown.DeleteLines(0, 3);
    EXPECT_EQ(grown.GetLengthOfLongestLine(), 8);
    grown.DeleteLines(1, 5);
    EXPECT_EQ(grown.GetLengthOfLongestLine(), 6);
    grown.Insert(1, "ab");
    grown.Delete(0);
    EXPECT_EQ(grown.GetLengthOfLongestLine(), 2);
    // Any stretch of cells and the byte under any cell, as the whole expanded
    // line has them, past the end too, also after the tab width changes.
    lines.Text("ab\tc\t\tdef\t\nplain");
    for (int width : {1, 3, 4}) {
        lines.SetTabWidth(width);
        for (int i = 0; i < lines.Count(); ++i) {
            const std::string whole = lines.ExpandedStrings(i);
            const auto size = static_cast<int64_t>(whole.size());
            for (int64_t cell = 0; cell <= size + 2; ++cell) {
                SCOPED_TRACE(testing::Message() << "width " << width << ", line " << i << ", cell " << cell);
                for (int64_t count = 1; count <= 5; ++count) {
                    EXPECT_EQ(lines.ExpandedCells(i, cell, count),
                              cell < size ? whole.substr(static_cast<size_t>(cell), static_cast<size_t>(count)) : "");
                }
                int64_t first = -1;
                int64_t byte = lines.ByteOfCell(i, cell, first);
                EXPECT_EQ(lines.CellsOfBytes(i, byte), first);
                EXPECT_LE(first, cell);
                EXPECT_GT(lines.CellsOfBytes(i, byte + 1), cell);
            }
        }
    }
}

TEST_F(StringListTest, EveryChangeMovesTheRevision) {
    lines.Text("a\nb");
    TStringList two;
    two.Text("x\ny");
    const std::function<void()> changes[] = {
        [&] { lines.Put(0, "c"); },          [&] { lines.Insert(1, "d"); },     [&] { lines.Delete(1); },
        [&] { lines.Exchange(0, 1); },       [&] { lines.Ranges(0, 3); },       [&] { lines.InsertLines(0, 2); },
        [&] { lines.DeleteLines(0, 2); },    [&] { lines.AddStrings(two); },    [&] { lines.SetTabWidth(3); },
        [&] { lines.Clear(); },
    };
    for (size_t i = 0; i < std::size(changes); ++i) {
        uint64_t before = lines.Revision();
        changes[i]();
        EXPECT_NE(lines.Revision(), before) << i;
    }
}

TEST_F(StringListTest, ObjectsAndRangesStayWithTheirLinesOnPut) {
    TObject marker;
    lines.Add("a");
    lines.PutObject(0, &marker);
    lines.Ranges(0, 42);
    events.Take();
    lines.Put(0, "b");
    EXPECT_EQ(lines.GetObject(0), &marker);
    EXPECT_EQ(lines.Ranges(0), 42);
    lines.Ranges(0, 7);
    EXPECT_EQ(events.Take(), (Log{"Changing", "Putted 0 1", "Change", "Changing", "Change"}));
}

TEST_F(StringListTest, DestructionFiresNoChangeEvents) {
    auto* list = new TSrcEditStringList();
    list->Add("a");
    list->OnChange = TNotifyEvent::Of<&EventRecorder::Change>(&events);
    list->OnChanging = TNotifyEvent::Of<&EventRecorder::Changing>(&events);
    delete list;
    EXPECT_TRUE(events.Take().empty());
}

// A stored line's buffer follows its length: a long line cut short gives
// its buffer back, and a line that grows or shrinks one byte at a time
// moves to a new buffer only as its length doubles or halves.
TEST_F(StringListTest, PutKeepsALineBufferNearItsLength) {
    auto fits = [](const std::string& Line) { return Line.capacity() <= std::max<size_t>(2 * Line.size(), 15); };
    struct Case {
        size_t from, to;
    };
    for (Case c : {Case{80000, 10}, {80000, 20}, {80000, 39999}, {1000, 0}, {10, 80000}}) {
        lines.Clear();
        lines.Add(std::string(c.from, 'a'));
        lines.Put(0, std::string(c.to, 'b'));
        EXPECT_EQ(lines.Line(0), std::string(c.to, 'b'));
        EXPECT_TRUE(fits(lines.Line(0))) << c.from << " -> " << c.to << ": " << lines.Line(0).capacity();
    }
    lines.Clear();
    lines.Add(std::string());
    std::string text;
    const char* buffer = lines.Line(0).data();
    int moves = 0;
    int misfits = 0;
    auto put = [&] {
        lines.Put(0, text);
        moves += lines.Line(0).data() != buffer;
        buffer = lines.Line(0).data();
        misfits += !fits(lines.Line(0));
    };
    for (int i = 0; i < 20000; ++i) {
        text += 'x';
        put();
    }
    while (!text.empty()) {
        text.pop_back();
        put();
    }
    EXPECT_EQ(lines.Line(0), "");
    EXPECT_EQ(misfits, 0);
    EXPECT_LT(moves, 40);
}

// The longest line's length kept through edits equals a walk over all lines.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>

#include "editor/support/SrcStream.h"
#include "editor/support/StringList.h"
#include "editor/text/SrcEditStringList.h"
#include "editor/text/SrcTabConvert.h"

namespace {

int LongestByWalk(const TSrcEditStringList& Lines) {
    size_t longest = 0;
    for (int i = 0; i < Lines.Count(); ++i) {
        longest = std::max(longest, ConvertTabs(Lines.Line(i), Lines.TabWidth()).size());
    }
    return static_cast<int>(longest);
}

struct RandomEdits {
    std::mt19937 rng{56};
    TSrcEditStringList lines;

    int Below(int N) { return N <= 0 ? 0 : std::uniform_int_distribution<int>(0, N - 1)(rng); }
    int At() { return Below(lines.Count()); }
    std::string Text() {
        // Some lines longer than most, some a few bytes.
        std::string s(static_cast<size_t>(Below(3) == 0 ? Below(400) : Below(8)), 'a');
        for (char& c : s) {
            c = Below(6) == 0 ? '\t' : 'a';
        }
        return s;
    }
    // The longest line cut short, so that the longest length falls.
    void ShortenLongest() {
        const int longest = LongestByWalk(lines);
        for (int i = 0; i < lines.Count(); ++i) {
            if (static_cast<int>(ConvertTabs(lines.Line(i), lines.TabWidth()).size()) == longest) {
                lines.Put(i, lines.Line(i).substr(0, lines.Line(i).size() / 2));
                return;
            }
        }
    }
    TStringList Block() {
        TStringList block;
        for (int n = 1 + Below(3); n > 0; --n) {
            block.Add(Text());
        }
        return block;
    }
};

TEST(LongestLineTest, EqualsAWalkOverAllLinesThroughRandomEdits) {
    RandomEdits e;
    TSrcEditStringList& lines = e.lines;
    const std::vector<std::function<void()>> edits = {
        [&] { lines.Put(e.At(), e.Text()); },
        [&] { e.ShortenLongest(); },
        [&] { e.ShortenLongest(); },
        [&] { lines.Insert(e.Below(lines.Count() + 1), e.Text()); },
        [&] { lines.Add(e.Text()); },
        [&] { lines.Count() > 0 ? lines.Delete(e.At()) : void(); },
        [&] { lines.InsertLines(e.Below(lines.Count() + 1), e.Below(3)); },
        [&] { lines.DeleteLines(e.Below(lines.Count() + 1), e.Below(4)); },
        [&] { lines.InsertStrings(e.Below(lines.Count() + 1), e.Block()); },
        [&] { lines.InsertText(e.Below(lines.Count() + 1), e.Text() + "\n" + e.Text()); },
        [&] { lines.AddStrings(e.Block()); },
        [&] { lines.Count() > 1 ? lines.Exchange(e.At(), e.At()) : void(); },
        [&] { e.Below(20) == 0 ? lines.Clear() : void(); },
        [&] { lines.SetTextStr(e.Text() + "\r\n" + e.Text() + "\n"); },
        [&] { lines.SetTabWidth(1 + e.Below(8)); },
        [&] {
            TMemoryStream stream;
            stream.SetData(e.Text() + "\n" + e.Text());
            lines.LoadFromStream(stream);
        },
    };
    for (int step = 0; step < 4000; ++step) {
        size_t edit = static_cast<size_t>(e.Below(static_cast<int>(edits.size())));
        edits[edit]();
        // Asked only now and then, so that edits come both before and after
        // the lengths are first counted.
        if (e.Below(3) != 0) {
            ASSERT_EQ(lines.GetLengthOfLongestLine(), LongestByWalk(lines)) << "step " << step << ", edit " << edit;
        }
        if (lines.Count() > 0) {
            int i = e.At();
            int walked = static_cast<int>(ConvertTabs(lines.Line(i), lines.TabWidth()).size());
            ASSERT_EQ(lines.ExpandedStringLengths(i), walked) << "step " << step << ", edit " << edit;
        }
    }
}

}  // namespace

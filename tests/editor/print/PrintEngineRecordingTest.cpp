// The print engine on a recording canvas and printer, over a Java file.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <random>

#include "editor/highlight/SrcHighlighterAttributes.h"
#include "editor/highlight/SrcHighlighterJava.h"
#include "editor/print/SrcEditPrint.h"
#include "tests/editor/common/FakeSrcPlatform.h"
#include "tests/editor/common/FixedPrintClock.h"
#include "tests/editor/common/PrintRecorder.h"
#include "tests/editor/common/PrintSettings.h"

namespace {

const char* const kJava[] = {
    "/* A greeting */",
    "package demo;",
    "",
    "public class Hello {",
    "\t// says hello",
    "\tpublic static void main(String[] args) {",
    "\t\tString s = \"hi, there\";",
    "\t\tint n = 42;",
    "\t}",
    "}",
};

class PrintEngineTest : public ::testing::Test {
protected:
    PrintEngineTest() {
        print.SetPrinter(&printer);
        TSrcEditPrintMargins margins;
        SetMarginsTo15(margins);
        print.SetMargins(margins);
        UseCourierAndJava(print, java);
    }

    void SetText(const std::vector<std::string>& lines) { print.SetLines(StringListOf(lines)); }
    void SetJava() { SetText(std::vector<std::string>(std::begin(kJava), std::end(kJava))); }
    void SetNumbered(int count, const std::string& text = "x") {
        std::vector<std::string> lines;
        for (int i = 0; i < count; ++i) lines.push_back(text + std::to_string(i));
        SetText(lines);
    }
    // The text calls of a page at cell positions, rebuilt into rows of text.
    std::map<int, std::string> Rows(const std::vector<PrintCall>& calls, int left) {
        std::map<int, std::string> rows;
        for (const auto& c : calls) {
            if (c.Kind != "cells" || c.Cell == 0) continue;
            EXPECT_EQ((c.X - left) % 25, 0) << c.Text;
            size_t column = static_cast<size_t>((c.X - left) / 25);
            std::string& row = rows[c.Y];
            if (row.size() < column) row.resize(column, ' ');
            row.replace(column, c.Text.size(), c.Text);
        }
        return rows;
    }

    FixedPrintClock clock;
    RecordingPrinter printer;
    TSrcJavaSrc java;
    TSrcEditPrint print;
};

TEST_F(PrintEngineTest, TokensSitOnTheCellGridInTheirStyles) {
    SetJava();
    print.Print();
    ASSERT_EQ(printer.PageCount(), 1);
    EXPECT_EQ(print.CharWidth(), 25);
    EXPECT_EQ(print.LineHeight(), 49);
    EXPECT_EQ(print.MaxCol(), 84);
    auto rows = Rows(printer.pages[0], 102);
    ASSERT_EQ(rows.size(), 9u);  // the empty line draws nothing
    EXPECT_EQ(rows[127], "/* A greeting */");
    EXPECT_EQ(rows[127 + 5 * 49], "        public static void main(String[] args) {");
    EXPECT_EQ(rows[127 + 6 * 49], "                String s = \"hi, there\";");

    std::map<std::string, TFontStyles> styles;
    for (const auto& c : printer.pages[0]) {
        if (c.Kind == "cells") styles[c.Text] = c.Font.Style();
    }
    EXPECT_EQ(styles["public"], TFontStyles{fsBold});
    EXPECT_EQ(styles["// says hello"], TFontStyles{fsItalic});
    EXPECT_EQ(styles["Hello"], TFontStyles{});
    EXPECT_EQ(styles["42"], TFontStyles{});
    for (const auto& c : printer.pages[0]) {
        if (c.Kind == "cells") {
            EXPECT_EQ(c.Font.Color(), clBlack) << "colours are off: " << c.Text;
        }
    }
}

TEST_F(PrintEngineTest, ColoursComeFromTheHighlighterWhenAskedFor) {
    SetJava();
    print.Colors = true;
    print.Color = clWhite;
    print.Print();
    std::map<std::string, PrintCall> calls;
    for (const auto& c : printer.pages[0]) {
        if (c.Kind == "cells") calls[c.Text] = c;
    }
    EXPECT_EQ(calls["/* A greeting */"].Font.Color(), clGray);
    EXPECT_EQ(calls["\"hi, there\""].Font.Color(), clMaroon);
    EXPECT_EQ(calls["main"].Font.Color(), clBlack);
    EXPECT_EQ(calls["main"].Brush.Color, clWhite);
    java.StringAttri->SetBackground(clYellow);
    print.Print();
    for (const auto& c : printer.pages[0]) {
        if (c.Text == "\"hi, there\"") {
            EXPECT_EQ(c.Brush, (TSrcBrush{clYellow, bsSolid}));
        }
    }
    bool filled = false;
    for (const auto& c : printer.pages[0]) {
        if (c.Kind == "fill") filled = c.X == 102 && c.Y == 127 && c.X2 == 2227 && c.Y2 == 3281 && c.FillColor == clWhite;
    }
    EXPECT_TRUE(filled);
}

TEST_F(PrintEngineTest, LineNumbersEndAtTheLeftMargin) {
    SetJava();
    print.SetLineNumbers(true);
    print.SetLineOffset(10);
    print.Print();
    const int left = 102 + 4 * 25;  // "20: ", the highest number printed
    std::vector<PrintCall> numbers;
    for (const auto& c : printer.pages[0]) {
        if (c.Kind == "cells" && c.Cell == 0) numbers.push_back(c);
    }
    ASSERT_EQ(numbers.size(), 10u);
    EXPECT_EQ(numbers[0].Text, "11: ");
    EXPECT_EQ(numbers[0].X + 4 * 25, left);
    EXPECT_EQ(numbers[0].Y, 127);
    EXPECT_EQ(numbers[0].Font.Style(), TFontStyles{});
    EXPECT_EQ(numbers[9].Text, "20: ");
    EXPECT_EQ(Rows(printer.pages[0], left)[127], "/* A greeting */");

    SetNumbered(99);
    print.SetLineOffset(1);
    EXPECT_EQ(print.GetPageCount(), 2);
    print.Print();
    for (const auto& c : printer.pages[1]) {
        if (c.Kind == "cells" && c.Cell == 0) {
            EXPECT_GE(c.X, 102) << c.Text << " sticks out into the margin";
        }
    }
}

TEST_F(PrintEngineTest, FooterRightAlignedOverItsLine) {
    SetJava();
    TFooter footer;
    footer.Add("$DATE$        $TIME$        $TITLE$        $PAGENUM$", nullptr, taRightJustify, 1);
    print.SetFooter(footer);
    print.Title = "Hello.java";
    print.Print();
    std::vector<PrintCall> base, lines;
    for (const auto& c : printer.pages[0]) {
        if (c.Kind == "base") base.push_back(c);
        if (c.Kind == "line") lines.push_back(c);
    }
    ASSERT_EQ(base.size(), 1u);
    const std::string text = "06/12/2026        21:45        Hello.java        1";
    EXPECT_EQ(base[0].Text, text);
    EXPECT_EQ(base[0].X + static_cast<int>(text.size()) * 25, 2227 - 24);
    const int footerTop = 3408 - 127;
    EXPECT_EQ(base[0].Y, footerTop + 6 + 38);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].Y, footerTop);
    EXPECT_EQ(lines[0].Pen.Style, psSolid);
    EXPECT_EQ(printer.title, "Hello.java");
}

TEST_F(PrintEngineTest, CopiesPagesAndRanges) {
    SetNumbered(150);
    EXPECT_EQ(print.GetPageCount(), 3);
    EXPECT_EQ(printer.measuredAt, 300);
    print.Copies = 2;
    std::vector<std::pair<TSrcPrintStatus, int>> statuses;
    auto record = [&](TSrcPrintStatus s, int page) { statuses.push_back({s, page}); };
    struct Sink {
        std::function<void(TSrcPrintStatus, int)> f;
        void On(TObject*, TSrcPrintStatus s, int p, bool&) { f(s, p); }
    } sink{record};
    print.OnPrintStatus = TPrintStatusEvent::Of<&Sink::On>(&sink);
    print.Print();
    EXPECT_EQ(printer.newPages, 5);
    EXPECT_EQ(printer.ended, 1);
    ASSERT_EQ(statuses.size(), 8u);
    EXPECT_EQ(statuses.front(), std::make_pair(psBegin, 1));
    EXPECT_EQ(statuses.back(), std::make_pair(psEnd, 3));

    print.Copies = 1;
    printer.newPages = 0;
    print.Margins().SetTop(80);  // changed in place after the count: fewer lines a page
    print.Print();
    EXPECT_EQ(printer.PageCount(), 4);
    print.Margins().SetTop(15);

    print.PrintRange(2, 99);
    EXPECT_EQ(printer.PageCount(), 2);
    EXPECT_EQ(Rows(printer.pages[1], 102).begin()->second, "x128");
    const int begun = printer.begun;
    print.PrintRange(4, -1);
    print.PrintRange(3, 2);
    EXPECT_EQ(printer.begun, begun) << "an empty range starts no job";
}

TEST_F(PrintEngineTest, AbortStopsWithoutEndAndWithoutOutput) {
    SetNumbered(150);
    struct Stopper {
        std::vector<TSrcPrintStatus> seen;
        void On(TObject*, TSrcPrintStatus s, int page, bool& abort) {
            seen.push_back(s);
            abort = s == psNewPage && page == 2;
        }
    } stopper;
    print.OnPrintStatus = TPrintStatusEvent::Of<&Stopper::On>(&stopper);
    EXPECT_NO_THROW(print.Print());
    EXPECT_EQ(printer.aborts, 1);
    EXPECT_EQ(printer.ended, 0);
    EXPECT_TRUE(printer.pages.empty());
    EXPECT_EQ(stopper.seen, (std::vector<TSrcPrintStatus>{psBegin, psNewPage, psNewPage}));
}

TEST_F(PrintEngineTest, PrintToCanvasDrawsThePrintedPage) {
    SetNumbered(150, "line\twith tab ");
    print.SetLineNumbers(true);
    print.Print();
    RecordingPrintCanvas preview;
    print.PrintToCanvas(preview, 2);
    EXPECT_EQ(preview.Calls, printer.pages[1]);
    EXPECT_EQ(Rows(preview.Calls, 102 + 5 * 25).begin()->second, "line    with tab 64");
}

TEST_F(PrintEngineTest, EmptyTextPrintsOnePageWithHeaderAndFooter) {
    SetText({});
    THeader header;
    header.Add("$PAGENUM$ of $PAGECOUNT$", nullptr, taLeftJustify, 1);
    print.SetHeader(header);
    EXPECT_EQ(print.GetPageCount(), 1);
    print.Print();
    ASSERT_EQ(printer.PageCount(), 1);
    int texts = 0;
    for (const auto& c : printer.pages[0]) {
        texts += c.Kind == "base" && c.Text == "1 of 1";
        EXPECT_NE(c.Kind, "cells");
    }
    EXPECT_EQ(texts, 1);
}

TEST_F(PrintEngineTest, WrappedRowsStayInsideTheMarginsAndInOrder) {
    std::string noBreaks(200, 'q');
    std::string late = "abc d," + std::string(150, 'e');
    std::string words;
    for (int i = 0; i < 40; ++i) words += "word" + std::to_string(i) + " ";
    SetText({noBreaks, late, words});
    for (bool highlight : {true, false}) {
        print.Highlight = highlight;
        print.Print();
        auto rows = Rows(printer.pages[0], 102);
        std::string all;
        for (const auto& [y, row] : rows) {
            EXPECT_LE(row.size(), 84u);
            all += row;
        }
        EXPECT_EQ(all, noBreaks + late + words) << "highlight " << highlight;
        for (const auto& c : printer.pages[0]) {
            if (c.Kind == "cells") {
                EXPECT_LE(c.X + static_cast<int>(c.Text.size()) * 25, 2227);
            }
        }
    }
    print.SetWrap(false);
    print.Print();
    auto rows = Rows(printer.pages[0], 102);
    EXPECT_EQ(rows.begin()->second, std::string(84, 'q')) << "cut at the printable width";
}

TEST_F(PrintEngineTest, RowsThatPassThePaperGoToTheNextPage) {
    // 62 short lines, then one of five rows: its first row fits above the
    // bottom margin, three more run into it up to the paper's end and the
    // last goes to page 2.
    std::vector<std::string> lines(62, "x");
    lines.push_back(std::string(84 * 5, 'y'));
    lines.push_back("after");
    SetText(lines);
    EXPECT_EQ(print.GetPageCount(), 2);
    print.Print();
    ASSERT_EQ(printer.PageCount(), 2);
    auto first = Rows(printer.pages[0], 102);
    auto second = Rows(printer.pages[1], 102);
    for (const auto& [y, row] : first) EXPECT_LE(y + 49, 3408);
    EXPECT_EQ(first.rbegin()->first, 127 + 65 * 49);
    EXPECT_EQ(second.begin()->second, std::string(84, 'y'));
    EXPECT_EQ(second.rbegin()->second, "after");
    EXPECT_EQ(second.size(), 2u);
}

TEST_F(PrintEngineTest, PageCountEqualsPagesPrinted) {
    std::mt19937 random(5);
    for (int round = 0; round < 12; ++round) {
        std::vector<std::string> lines(random() % 400);
        for (auto& line : lines) {
            line = std::string(random() % 3 == 0 ? random() % 600 : random() % 40, 'a');
            for (char& c : line) c = " a,;.)b"[random() % 7];
        }
        SetText(lines);
        print.SetLineNumbers(round % 2);
        print.SetWrap(round % 3 != 0);
        int count = print.GetPageCount();
        print.Print();
        ASSERT_EQ(printer.PageCount(), count) << "round " << round;
    }
}

TEST_F(PrintEngineTest, ANarrowPageStillPrintsOneCharacterPerRow) {
    TSrcEditPrintMargins margins = print.Margins();
    margins.SetLeft(100);
    margins.SetRight(108);
    print.SetMargins(margins);
    SetText({"abcdef"});
    print.Print();
    EXPECT_EQ(print.MaxCol(), 1);
    auto rows = Rows(printer.pages[0], print.Margins().PLeft);
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_EQ(rows.rbegin()->second, "f");
}

TEST(PrintEngineSelection, SelectedColumnsFollowTheTabExpansion) {
    SrcEditTestBase editor;
    editor.SetLines({"a\tbcd", "\tefgh", "ijkl"});
    editor.edit->SetTabWidth(4);
    editor.edit->SetBlockBegin(BufferCoord(3, 1));  // "b", display column 5
    editor.edit->SetBlockEnd(BufferCoord(3, 2));    // "f", display column 6
    RecordingPrinter printer;
    TSrcEditPrint print;
    print.SetPrinter(&printer);
    print.SetSrcEdit(*editor.edit);
    print.SetSelectedOnly(true);
    print.Print();
    ASSERT_EQ(printer.PageCount(), 1);
    std::vector<std::string> texts;
    for (const auto& c : printer.pages[0]) {
        if (c.Kind == "cells") texts.push_back(c.Text);
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"bcd", "    e"}));

    editor.edit->SetSelectionMode(smColumn);
    editor.edit->SetBlockEnd(BufferCoord(4, 2));  // "g", display column 7
    print.SetSrcEdit(*editor.edit);
    print.Print();
    texts.clear();
    for (const auto& c : printer.pages[0]) {
        if (c.Kind == "cells") texts.push_back(c.Text);
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"bc", "ef"}));

    editor.edit->SetBlockEnd(BufferCoord(3, 1));
    print.SetSrcEdit(*editor.edit);
    const int begun = printer.begun;
    print.Print();
    EXPECT_EQ(printer.begun, begun) << "no selection, nothing printed";
}

}  // namespace

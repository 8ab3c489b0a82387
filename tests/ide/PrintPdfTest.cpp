// Printing to PDF end to end: the engine with the main window's settings
// on a QPrinter, read back with the PDF tools (line numbers and the footer:
// PrintCommandTest).
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QRegularExpression>

#include <algorithm>

#include "editor/highlight/SrcHighlighterAttributes.h"
#include "editor/highlight/SrcHighlighterJava.h"
#include "editor/print/SrcEditPrint.h"
#include "editor/qt/QtPrintClock.h"
#include "editor/qt/QtPrinter.h"
#include "editor/qt/QtText.h"
#include "editor/support/StringList.h"
#include "ide/PrintSetup.h"
#include "tests/editor/common/PrintSettings.h"
#include "tests/ide/PdfTools.h"
#include "tests/support/TempDir.h"

namespace {

constexpr double kPoint = 72.0 / 300;  // one device pixel in points
constexpr int kLeftEdge = 75;          // unprintable left edge in pixels

std::vector<std::string> JavaSample() {
    std::vector<std::string> lines = {
        "/* Generated sample for printing. */",
        "package demo;",
        "",
        "public class Sample {",
        "\tint first = 1;",
        "    String s = \"caf\xE9\";",
        "    String t = \"" + std::string(190, 'b') + "\";",
    };
    for (int i = 0; lines.size() < 200; ++i) {
        lines.push_back("    // method number " + std::to_string(i));
        lines.push_back("    public int method" + std::to_string(i) + "(int x) {");
        lines.push_back("        return x * " + std::to_string(i) + " + \"s\".length();");
        lines.push_back("    }");
    }
    lines.push_back("}");
    return lines;
}

class PrintPdfTest : public ::testing::Test {
protected:
    PrintPdfTest() : file(QString::fromStdString(dir.File("out.pdf"))) {
        printer.setPageSize(QPageSize(QPageSize::A4));
        TQtPrinter::UsePdf(printer, file);
        printer.setPageMargins(QMarginsF(18, 12, 12, 12), QPageLayout::Point);
        TQtPrintClock::SetTimeSource([] { return QDateTime(QDate(2026, 12, 6), QTime(21, 45)); });
        SetUpSrcEditPrint1(print);
        print.SetPrinter(&qtPrinter);
        UseCourierAndJava(print, java);
        SetText(JavaSample());
    }
    ~PrintPdfTest() override { TQtPrintClock::SetTimeSource({}); }

    void SetText(const std::vector<std::string>& lines) {
        text = lines;
        print.SetLines(StringListOf(lines));
    }
    double X(int pixels) const { return (pixels + kLeftEdge) * kPoint; }

    TempDir dir;
    QString file;
    QPrinter printer{QPrinter::HighResolution};
    TQtPrinter qtPrinter{printer};
    TSrcJavaSrc java;
    TSrcEditPrint print;
    std::vector<std::string> text;
};

TEST_F(PrintPdfTest, PagesGridTextAndFonts) {
    print.Title = "Sample.java";
    const int count = print.GetPageCount();
    print.Print();
    EXPECT_EQ(print.CharWidth(), 25);
    EXPECT_EQ(print.LineHeight(), 49);
    EXPECT_EQ(print.MaxCol(), 84);
    EXPECT_EQ((print.Margins().PBottom - print.Margins().PTop) / 49, 64);
    QString title;
    ASSERT_EQ(PdfPages(file, &title), count);
    EXPECT_EQ(count, 4);
    EXPECT_EQ(title, "Sample.java");

    std::vector<PdfWord> words = PdfWords(file);
    ASSERT_FALSE(words.empty());
    EXPECT_EQ(words[0].text, "/*");
    EXPECT_NEAR(words[0].xMin, X(102), 0.3);
    const PdfWord* package = nullptr;
    const PdfWord* tabbed = nullptr;
    for (const PdfWord& w : words) {
        if (w.text == "package") package = &w;
        if (w.text == "int" && !tabbed) tabbed = &w;
        EXPECT_LE(w.xMax, X(2227) + 0.3) << w.text.toStdString() << " passes the right margin";
    }
    ASSERT_TRUE(package && tabbed);
    EXPECT_NEAR(package->yMin - words[0].yMin, 49 * kPoint, 0.02);
    EXPECT_NEAR(tabbed->xMin, X(102 + 8 * 25), 0.3) << "a tab prints as blanks to column 9";
    EXPECT_TRUE(std::any_of(words.begin(), words.end(), [](const PdfWord& w) { return w.text == "\"caf\u00e9\";"; }));

    // The words, in reading order, hold every printed character in order.
    std::sort(words.begin(), words.end(), [](const PdfWord& a, const PdfWord& b) {
        return std::tie(a.page, a.yMin, a.xMin) < std::tie(b.page, b.yMin, b.xMin);
    });
    QString printed, expected;
    for (const PdfWord& w : words) printed += w.text;
    for (const auto& line : text) expected += Cp1252ToQString(line.data(), static_cast<int>(line.size()));
    expected.remove(QRegularExpression(R"(\s)"));
    EXPECT_EQ(printed.toStdString(), expected.toStdString());

    QString fonts = RunTool("pdffonts", {file});
    EXPECT_TRUE(fonts.contains("Bold")) << fonts.toStdString();
    EXPECT_TRUE(fonts.contains("Oblique") || fonts.contains("Italic")) << fonts.toStdString();
}

TEST_F(PrintPdfTest, TokenColoursOnThePage) {
    print.Print();
    QString prefix = QString::fromStdString(dir.File("page"));
    // The first two lines: a gray comment, then black code.
    RunTool("pdftoppm", {"-r", "300", "-f", "1", "-l", "1", "-x", "177", "-y", "177", "-W", "1000", "-H", "98", "-png",
                     "-singlefile", file, prefix});
    QImage image(prefix + ".png");
    ASSERT_FALSE(image.isNull());
    // Pixels of a colour (within 40 in each channel) in rows [top, top + 49).
    auto count = [&](int top, QColor colour) {
        int n = 0;
        for (int y = top; y < top + 49; ++y)
            for (int x = 0; x < image.width(); ++x) {
                QColor c = image.pixelColor(x, y);
                n += std::abs(c.red() - colour.red()) < 40 && std::abs(c.green() - colour.green()) < 40 &&
                     std::abs(c.blue() - colour.blue()) < 40;
            }
        return n;
    };
    EXPECT_GT(count(0, QColor(128, 128, 128)), 300) << "the comment is gray";
    EXPECT_EQ(count(0, Qt::black), 0);
    EXPECT_GT(count(49, Qt::black), 300) << "code is black";  // each token's colour: the engine's tests
}

TEST_F(PrintPdfTest, AnAbortLeavesNoPartialPdf) {
    struct Stopper {
        bool ended = false;
        void On(TObject*, TSrcPrintStatus s, int page, bool& abort) {
            ended = ended || s == psEnd;
            abort = s == psNewPage && page == 2;
        }
    } stopper;
    print.OnPrintStatus = TPrintStatusEvent::Of<&Stopper::On>(&stopper);
    EXPECT_NO_THROW(print.Print());
    EXPECT_FALSE(stopper.ended);
    EXPECT_FALSE(QFile::exists(file)) << "no partial PDF is left behind";
    EXPECT_FALSE(qtPrinter.Printing());
}

}  // namespace

// Printing to PDF, read back with the PDF command-line tools: the engine with
// the main window's settings on a QPrinter, and the main window's Print
// command with the printer dialog's seam and the real dialog cancelled.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QLocale>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTimer>

#include <algorithm>

#include "editor/highlight/SrcHighlighterAttributes.h"
#include "editor/highlight/SrcHighlighterJava.h"
#include "editor/print/SrcEditPrint.h"
#include "editor/qt/QtPrintClock.h"
#include "editor/qt/QtPrinter.h"
#include "editor/qt/QtText.h"
#include "editor/support/StringList.h"
#include "ide/EditorForm.h"
#include "ide/EditorPrinting.h"
#include "ide/PrintDialog.h"
#include "ide/PrintSetup.h"
#include "tests/editor/common/PrintSettings.h"
#include "tests/ide/FakeDialogs.h"
#include "tests/ide/TestApp.h"
#include "tests/support/TempDir.h"

namespace {

constexpr double kPoint = 72.0 / 300;  // one device pixel in points
constexpr int kLeftEdge = 75;          // unprintable left edge in pixels
constexpr int kTopEdge = 50;           // unprintable top edge in pixels

// The tool's standard output; a test failure when it fails or takes over 20 s.
QString RunTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(20000) || process.exitCode() != 0) {
        ADD_FAILURE() << program.toStdString() << " did not finish within 20 s: "
                      << process.readAllStandardError().toStdString();
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

// A word of pdftotext -bbox: its page (from 1), box in points and text.
struct PdfWord {
    int page;
    double xMin, yMin, xMax, yMax;
    QString text;
};

std::vector<PdfWord> PdfWords(const QString& pdf) {
    QString html = RunTool("pdftotext", {"-bbox", pdf, "-"});
    std::vector<PdfWord> words;
    int page = 0;
    static const QRegularExpression tag(
        R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    for (auto it = tag.globalMatch(html); it.hasNext();) {
        auto m = it.next();
        if (m.captured(0).startsWith("<page")) {
            ++page;
            continue;
        }
        QString text = m.captured(5).replace("&lt;", "<").replace("&gt;", ">").replace("&quot;", "\"").replace("&amp;", "&");
        words.push_back({page, m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble(),
                         m.captured(4).toDouble(), text});
    }
    return words;
}

// The page count, and the title when asked for.
int PdfPages(const QString& pdf, QString* title = nullptr) {
    QString info = RunTool("pdfinfo", {pdf});
    if (title) *title = QRegularExpression(R"(Title:\s*(.*)\n)").match(info).captured(1).trimmed();
    return QRegularExpression(R"(Pages:\s*(\d+))").match(info).captured(1).toInt();
}

// The words of a page below y (points), joined by blanks.
QString PdfTextBelow(const std::vector<PdfWord>& words, int page, double y) {
    QStringList texts;
    for (const PdfWord& w : words)
        if (w.page == page && w.yMin > y) texts << w.text;
    return texts.join(" ");
}

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
        print.SetLines(StringListOf(text));
    }
    ~PrintPdfTest() override { TQtPrintClock::SetTimeSource({}); }
    double X(int pixels) const { return (pixels + kLeftEdge) * kPoint; }

    TempDir dir;
    QString file;
    QPrinter printer{QPrinter::HighResolution};
    TQtPrinter qtPrinter{printer};
    TSrcJavaSrc java;
    TSrcEditPrint print;
    std::vector<std::string> text = JavaSample();
};

TEST_F(PrintPdfTest, PagesGridTextFontsAndColours) {
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

    QString prefix = QString::fromStdString(dir.File("page"));
    // The first two lines: a gray comment, then black code.
    RunTool("pdftoppm", {"-r", "300", "-f", "1", "-l", "1", "-x", "177", "-y", "177", "-W", "1000", "-H", "98", "-png",
                     "-singlefile", file, prefix});
    QImage image(prefix + ".png");
    ASSERT_FALSE(image.isNull());
    // Pixels of a colour (within 40 in each channel) in rows [top, top + 49).
    auto pixels = [&](int top, QColor colour) {
        int n = 0;
        for (int y = top; y < top + 49; ++y)
            for (int x = 0; x < image.width(); ++x) {
                QColor c = image.pixelColor(x, y);
                n += std::abs(c.red() - colour.red()) < 40 && std::abs(c.green() - colour.green()) < 40 &&
                     std::abs(c.blue() - colour.blue()) < 40;
            }
        return n;
    };
    EXPECT_GT(pixels(0, QColor(128, 128, 128)), 300) << "the comment is gray";
    EXPECT_EQ(pixels(0, Qt::black), 0);
    EXPECT_GT(pixels(49, Qt::black), 300) << "code is black";  // each token's colour: the engine's tests
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

// Sets the printer up as A4 PDF at 300 dpi with the chosen copies, or
// cancels.
struct PdfPrintDialog : IPrintDialog {
    bool Execute(QPrinter& printer, QWidget*) override {
        ++shown;
        printer.setPageSize(QPageSize(QPageSize::A4));
        TQtPrinter::UsePdf(printer, file);
        printer.setPageMargins(QMarginsF(18, 12, 12, 12), QPageLayout::Point);
        printer.setCopyCount(copies);
        return confirm;
    }
    QString file;
    int copies = 1;
    bool confirm = true;
    int shown = 0;
};

std::string JavaText(int methods) {
    std::string text = "public class Hello {\n";
    for (int i = 0; i < methods; ++i) {
        text += "    // method " + std::to_string(i) + "\n    int m" + std::to_string(i) + "() { return " +
                std::to_string(i) + "; }\n";
    }
    return text + "}\n";
}

class PrintCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        TestApp();
        TQtPrintClock::SetTimeSource([] { return QDateTime(QDate(2026, 12, 6), QTime(21, 45)); });
        form = std::make_unique<TEditorForm>();
        form->SetDialogs(std::make_unique<FakeDialogs>());
        auto owned = std::make_unique<PdfPrintDialog>();
        dialog = owned.get();
        dialog->file = pdf;
        form->Printing().SetPrintDialog(std::move(owned));
    }
    void TearDown() override {
        form.reset();
        TQtPrintClock::SetTimeSource({});
    }
    void OpenHello(int methods) {
        TempDir::WriteFile(dir.File("Hello.java"), JavaText(methods));
        form->OpenSourceFile(dir.File("Hello.java"));
    }
    void Print() { form->Action("Print")->trigger(); }

    TempDir dir;
    QString pdf = QString::fromStdString(dir.File("out.pdf"));
    std::unique_ptr<TEditorForm> form;
    PdfPrintDialog* dialog = nullptr;
};

TEST_F(PrintCommandTest, PrintsTheCurrentPageWithNumbersTitleAndFooter) {
    OpenHello(60);
    Print();
    ASSERT_EQ(dialog->shown, 1);
    TSrcEditPrint& print = form->Printing().SrcEditPrint1();
    QString title;
    const int pages = PdfPages(pdf, &title);
    EXPECT_EQ(pages, print.GetPageCount());
    EXPECT_EQ(pages, 2) << "122 numbered lines at 64 lines a page";
    EXPECT_EQ(title, "Hello.java");

    const std::vector<PdfWord> words = PdfWords(pdf);
    ASSERT_FALSE(words.empty());
    EXPECT_EQ(words[0].text, "1:");
    EXPECT_EQ(words[1].text, "public");
    QLocale locale = QLocale::system();
    const QString when = locale.toString(QDate(2026, 12, 6), QLocale::ShortFormat) + " " +
                         locale.toString(QTime(21, 45), QLocale::ShortFormat);
    const double footerTop = (print.Margins().PFooter + kTopEdge) * kPoint;
    EXPECT_EQ(PdfTextBelow(words, 1, footerTop).toStdString(), (when + " Hello.java 1").toStdString());
    EXPECT_EQ(PdfTextBelow(words, 2, footerTop).toStdString(), (when + " Hello.java 2").toStdString());

    // A second print keeps a single footer line.
    Print();
    EXPECT_EQ(PdfTextBelow(PdfWords(pdf), 2, footerTop).toStdString(), (when + " Hello.java 2").toStdString());
}

TEST_F(PrintCommandTest, CopiesThePdfDeviceCannotMakeArePrintedByTheEngine) {
    OpenHello(60);
    dialog->copies = 2;
    Print();
    QPrinter& printer = form->Printing().Printer();
    ASSERT_FALSE(printer.supportsMultipleCopies());
    EXPECT_EQ(PdfPages(pdf), 4);
    EXPECT_EQ(form->Printing().SrcEditPrint1().Copies, 2);
    EXPECT_EQ(printer.copyCount(), 1);
}

TEST_F(PrintCommandTest, NothingWithoutAPageOrWhenCancelled) {
    ASSERT_TRUE(form->CloseSourcePage(0));  // the untitled page of the start
    ASSERT_EQ(form->PageCount(), 0);
    Print();
    EXPECT_EQ(dialog->shown, 0);
    EXPECT_FALSE(QFile::exists(pdf));

    OpenHello(3);
    dialog->confirm = false;
    Print();
    EXPECT_EQ(dialog->shown, 1);
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST_F(PrintCommandTest, TheRealDialogCancelledPrintsNothing) {
    OpenHello(3);
    form->Printing().SetPrintDialog(std::make_unique<TQtPrintDialog>());
    TQtPrinter::UsePdf(form->Printing().Printer(), pdf);

    bool toFile = false;
    int copies = 0;
    QString seen;
    QTimer poll;
    QElapsedTimer waited;
    waited.start();
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* shown = qobject_cast<QPrintDialog*>(modal)) {
            seen = shown->objectName();
            toFile = shown->testOption(QAbstractPrintDialog::PrintToFile);
            copies = shown->printer()->copyCount();
            shown->reject();
        } else if (waited.elapsed() > 5000 && modal) {
            modal->close();  // not the print dialog: give up
        }
    });
    poll.start(20);
    Print();
    poll.stop();
    EXPECT_EQ(seen, "PrintDialog1") << "the print dialog was shown within 5 s";
    EXPECT_TRUE(toFile);
    EXPECT_EQ(copies, 1);
    EXPECT_FALSE(QFile::exists(pdf));
}

}  // namespace

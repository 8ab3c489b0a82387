// The main window's Print command: the printer dialog's seam, the PDF it
// prints and the real dialog cancelled.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLocale>
#include <QPrintDialog>
#include <QPrinter>
#include <QTimer>

#include "editor/print/SrcEditPrint.h"
#include "editor/qt/QtPrintClock.h"
#include "editor/qt/QtPrinter.h"
#include "ide/EditorForm.h"
#include "ide/EditorPrinting.h"
#include "ide/PrintDialog.h"
#include "tests/ide/FakeDialogs.h"
#include "tests/ide/PdfTools.h"
#include "tests/ide/TestApp.h"
#include "tests/support/TempDir.h"

namespace {

constexpr double kPoint = 72.0 / 300;  // one device pixel in points
constexpr int kTopEdge = 50;           // unprintable top edge in pixels

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

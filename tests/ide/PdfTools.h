#pragma once
#include <QString>
#include <QStringList>
#include <vector>

// Reading PDF files back with the PDF command-line tools.

// A word of pdftotext -bbox: its page (from 1), box in points and text.
struct PdfWord {
    int page;
    double xMin, yMin, xMax, yMax;
    QString text;
};

// The tool's standard output; a test failure when it fails or takes over 20 s.
QString RunTool(const QString& program, const QStringList& arguments);
std::vector<PdfWord> PdfWords(const QString& pdf);
// The page count, and the title when asked for.
int PdfPages(const QString& pdf, QString* title = nullptr);
// The words of a page below y (points), joined by blanks.
QString PdfTextBelow(const std::vector<PdfWord>& words, int page, double y);

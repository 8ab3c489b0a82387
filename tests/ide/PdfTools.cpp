#include "tests/ide/PdfTools.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>

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

int PdfPages(const QString& pdf, QString* title) {
    QString info = RunTool("pdfinfo", {pdf});
    if (title) *title = QRegularExpression(R"(Title:\s*(.*)\n)").match(info).captured(1).trimmed();
    return QRegularExpression(R"(Pages:\s*(\d+))").match(info).captured(1).toInt();
}

QString PdfTextBelow(const std::vector<PdfWord>& words, int page, double y) {
    QStringList texts;
    for (const PdfWord& w : words) {
        if (w.page == page && w.yMin > y) texts << w.text;
    }
    return texts.join(" ");
}

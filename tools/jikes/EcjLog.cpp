#include "tools/jikes/EcjLog.h"

#include <QXmlStreamReader>

namespace {

constexpr int kSyntaxCategory = 20;  // ecj's category of parser problems

TEcjProblem ReadProblem(QXmlStreamReader& xml, const std::string& path) {
    TEcjProblem problem;
    problem.Path = path;
    QXmlStreamAttributes a = xml.attributes();
    problem.CharStart = a.value(QLatin1String("charStart")).toLongLong();
    problem.CharEnd = a.value(QLatin1String("charEnd")).toLongLong();
    problem.Line = a.value(QLatin1String("line")).toInt();
    problem.IsError = a.value(QLatin1String("severity")) == u"ERROR";
    problem.IsSyntax = a.value(QLatin1String("categoryID")).toInt() == kSyntaxCategory;
    if (a.value(QLatin1String("charStart")).isEmpty()) problem.CharStart = -1;
    while (xml.readNextStartElement()) {
        if (xml.name() == u"message") problem.Message = xml.attributes().value(QLatin1String("value")).toString().toStdString();
        xml.skipCurrentElement();
    }
    return problem;
}

// An error ecj logs for a source outside its problems, such as a class file
// it could not write: its message names the file and the reason. It has no
// position. (Errors outside any source, such as a class path entry ecj cannot
// read, do not stop the compile and are left out.)
TEcjProblem ReadLoggedError(QXmlStreamReader& xml, const std::string& path) {
    TEcjProblem problem;
    problem.Path = path;
    problem.IsError = true;
    problem.Message = xml.attributes().value(QLatin1String("message")).toString().toStdString();
    xml.skipCurrentElement();
    return problem;
}

}  // namespace

TEcjLog ParseEcjLog(const std::string& text) {
    TEcjLog log;
    QXmlStreamReader xml(QByteArray::fromStdString(text));
    std::string path;
    bool sawCompiler = false;
    while (!xml.atEnd()) {
        QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::EndElement && xml.name() == u"source") path.clear();
        if (token != QXmlStreamReader::StartElement) continue;
        if (xml.name() == u"compiler") sawCompiler = true;
        if (xml.name() == u"source") path = xml.attributes().value(QLatin1String("path")).toString().toStdString();
        if (xml.name() == u"problem") log.Problems.push_back(ReadProblem(xml, path));
        if (xml.name() == u"error" && !path.empty()) log.Problems.push_back(ReadLoggedError(xml, path));
    }
    log.Valid = sawCompiler && !xml.hasError();
    return log;
}

// The adapter's pieces: positions, ecj's log, records and their limit.
#include <gtest/gtest.h>

#include "tests/tools/jikes/CompilerRecords.h"
#include "tools/jikes/AdapterArguments.h"
#include "tools/jikes/DiagnosticRecords.h"
#include "tools/jikes/EcjLog.h"
#include "tools/jikes/SourcePositions.h"

TEST(SourcePositions, EveryLineEndAndTabCountsAsTheEditorCounts) {
    TSourcePositions p("a\r\nb\rc\n\tx\r\n\r\ny");
    auto at = [&](int64_t offset) { auto r = p.At(offset); return std::make_pair(r.Line, r.Char); };
    EXPECT_EQ(at(0), std::make_pair(1, 1));
    EXPECT_EQ(at(1), std::make_pair(1, 2));  // the CR of CR LF
    EXPECT_EQ(at(3), std::make_pair(2, 1));
    EXPECT_EQ(at(5), std::make_pair(3, 1));
    EXPECT_EQ(at(8), std::make_pair(4, 2));  // behind the tab
    EXPECT_EQ(at(11), std::make_pair(5, 1));  // an empty line
    EXPECT_EQ(at(13), std::make_pair(6, 1));
    EXPECT_EQ(at(500), std::make_pair(6, 1));  // past the end: the last character
    EXPECT_EQ(TSourcePositions("").At(3).Line, 1);
}

TEST(EcjLog, ReadsProblemsWithTheirSourcesAndEntities) {
    TEcjLog log = ParseEcjLog(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<!DOCTYPE compiler PUBLIC \"-//x//y\" \"https://example.invalid/c.dtd\">\n"
        "<compiler><sources><source path=\"/w/A.java\"><problems>"
        "<problem categoryID=\"20\" charEnd=\"9\" charStart=\"7\" line=\"2\" severity=\"ERROR\">"
        "<message value=\"insert &quot;;&quot; &amp; go\"/><arguments><argument value=\"x\"/></arguments></problem>"
        "<problem categoryID=\"120\" charEnd=\"3\" charStart=\"3\" line=\"1\" severity=\"WARNING\">"
        "<message value=\"unused\"/></problem>"
        "</problems></source></sources>"
        "<problem charStart=\"-1\" line=\"0\" severity=\"ERROR\"><message value=\"global\"/></problem>"
        "</compiler>");
    ASSERT_TRUE(log.Valid);
    ASSERT_EQ(log.Problems.size(), 3u);
    EXPECT_EQ(log.Problems[0].Path, "/w/A.java");
    EXPECT_EQ(log.Problems[0].Message, "insert \";\" & go");
    EXPECT_TRUE(log.Problems[0].IsSyntax);
    EXPECT_TRUE(log.Problems[0].IsError);
    EXPECT_EQ(log.Problems[0].CharStart, 7);
    EXPECT_FALSE(log.Problems[1].IsError);
    EXPECT_EQ(log.Problems[2].Path, "");  // outside any source
    EXPECT_FALSE(ParseEcjLog("<compiler><sources>").Valid);
    EXPECT_FALSE(ParseEcjLog("").Valid);
    EXPECT_FALSE(ParseEcjLog("<other/>").Valid);
}

TEST(DiagnosticRecords, ProblemsBecomeRecordsTheIdeDecodes) {
    TEcjLog log;
    log.Valid = true;
    log.Problems.push_back({"/w/A.java", 4, 6, 1, true, false, "bad\nthing"});
    log.Problems.push_back({"/w/A.java", 0, 0, 1, false, false, "looks like Error: but is not"});
    log.Problems.push_back({"", -1, -1, 7, true, true, "no offsets"});
    log.Problems.push_back({"/w/Unreadable.java", 3, 3, 9, true, false, "x"});
    // The text goes out in Windows-1252, the path as it is.
    log.Problems.push_back({"/w/Grüße/Ä.java", -1, -1, 2, true, false,
                            "gr\xc3\xbcn \xe2\x80\x9cq\xe2\x80\x9d \xe4\xb8\xad\xf0\x9f\x98\x80"});
    auto reader = [](const std::string& path, std::string& text) {
        if (path != "/w/A.java") return false;
        text = "ab\r\ncd\tef\n";
        return true;
    };
    std::vector<TDiagnosticRecord> records = RecordsFromLog(log, "/w/Main.java", reader);
    TCompilerOutput parsed = ParseCompilerOutput(LimitedOutput(records));
    ASSERT_TRUE(parsed.Decoded);
    ASSERT_EQ(parsed.Records.size(), 5u);
    EXPECT_EQ(parsed.Records[0].Line, 2);
    EXPECT_EQ(parsed.Records[0].Column, 1);
    EXPECT_EQ(parsed.Records[0].EndColumn, 3);
    EXPECT_EQ(parsed.Records[0].Text, "Error: bad thing");
    EXPECT_FALSE(parsed.Records[1].IsError) << parsed.Records[1].Text;
    EXPECT_EQ(parsed.Records[2].Path, "/w/Main.java");
    EXPECT_EQ(parsed.Records[2].Line, 7);
    EXPECT_EQ(parsed.Records[2].Text, "Syntax: no offsets");
    EXPECT_EQ(parsed.Records[3].Line, 9);
    EXPECT_EQ(parsed.Records[3].Column, 1);
    EXPECT_EQ(parsed.Records[4].Path, "/w/Grüße/Ä.java");
    EXPECT_EQ(parsed.Records[4].Text, "Error: gr\xfcn \x93q\x94 ??");
}

TEST(DiagnosticRecords, OutputStopsOnARecordBoundaryWithErrorsFirst) {
    std::vector<TDiagnosticRecord> records;
    for (int i = 0; i < 2000; ++i) {
        TDiagnosticRecord warning;
        warning.Path = "/w/Many.java";
        warning.IsError = false;
        warning.Text = "Warning: " + std::string(40, 'w');
        records.push_back(warning);
    }
    records.push_back(FailureRecord("/w/Many.java", "the one error"));
    std::string output = LimitedOutput(records);
    EXPECT_LE(output.size(), kMaxOutputBytes);
    EXPECT_GT(output.size(), kMaxOutputBytes - 200);
    TCompilerOutput parsed = ParseCompilerOutput(output);
    ASSERT_TRUE(parsed.Decoded);
    ASSERT_FALSE(parsed.Records.empty());
    EXPECT_EQ(parsed.Records[0].Text, "Error: the one error");
    // When everything fits, the order is ecj's.
    std::vector<TDiagnosticRecord> few(records.end() - 2, records.end());
    EXPECT_FALSE(ParseCompilerOutput(LimitedOutput(few)).Records[0].IsError);
}

TEST(AdapterArguments, TakeTheIdesCommandLine) {
    TAdapterArguments a = ParseAdapterArguments({"+E", "-depend", "-g", "/w/A.java", "-classpath", "/lib;/p"});
    EXPECT_EQ(a.Source, "/w/A.java");
    EXPECT_EQ(a.ClassPath, "/lib;/p");
    TAdapterArguments quoted = ParseAdapterArguments({"\"/w x/A.java\"", "-classpath", "\"/l\""});
    EXPECT_EQ(quoted.Source, "/w x/A.java");
    EXPECT_EQ(quoted.ClassPath, "/l");
    EXPECT_EQ(ParseAdapterArguments({"-classpath"}).Source, "");
    EXPECT_EQ(EcjClassPath("/src", "/;/definitely/not/here;;/"), "/src:/:/");
    EXPECT_EQ(EcjClassPath("/src", ""), "/src");
}

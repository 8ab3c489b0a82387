#include <gtest/gtest.h>

#include <string>

#include "foundation/EError.h"
#include "foundation/Messages.h"
#include "tests/support/CaptureSink.h"

TEST(ErrorCatalogue, UnknownCodeFallsBack) {
    const char *text, *problem, *solution;
    LookupErrorText(ecIDE, 51, text, problem, solution);
    EXPECT_STREQ(text, "Cannot find text for error message");
    EXPECT_STREQ(problem, "");
    EXPECT_STREQ(solution, "");

    EError e(ecIDE, 51);
    EXPECT_EQ(e.Text, "Cannot find text for error message");
    EXPECT_EQ(e.Message, "Cannot find text for error message (51).\n");
}

TEST(ErrorCatalogue, RowKeepsItsThreeTexts) {
    const char *text, *problem, *solution;
    LookupErrorText(ecJVM, 30, text, problem, solution);
    EXPECT_STREQ(text, "Unimplemented bytecode (%d).");
    EXPECT_STREQ(problem, "An unimplemented bytecode was encountered.");
    EXPECT_STREQ(solution, "Check that your source file complies with the JavaCard specification.");
}

TEST(EError, LongArgumentIsCutAtCapacity) {
    std::string longName(5000, 'x');
    EError e(ecIDE, 2, longName.c_str());
    EXPECT_EQ(e.Text.size(), EError::Capacity);
    EXPECT_LE(e.Message.size(), EError::Capacity);
}

TEST(EError, ReportTakesMessageLiterallyAndAttachesCode) {
    CaptureSink sink;
    EError(ecIDE, 2, "a%d.java").Report();
    ASSERT_EQ(sink.lines.size(), 1u);
    EXPECT_EQ(sink.lines[0], "[ Error IDE-0002] Unable to open file `a%d.java'.");
    ASSERT_TRUE(sink.infos[0]);
    EXPECT_FALSE(sink.infos[0]->IsSourcePosition);
    EXPECT_EQ(sink.infos[0]->Category, ecIDE);
    EXPECT_EQ(sink.infos[0]->Number, 2);
}

TEST(EError, ReportErrorHasNoBlankAndNoObject) {
    CaptureSink sink;
    ReportError(ecIDE, 28, "java.lang.ArithmeticException");
    ASSERT_EQ(sink.lines.size(), 1u);
    EXPECT_EQ(sink.lines[0],
              "[Error IDE-0028] Unhandled exception in JVM: java.lang.ArithmeticException");
    EXPECT_FALSE(sink.infos[0]);
}

// Every boundary's reporter: a coded error keeps its code, even when caught as
// a standard exception; what() follows what a caller added to the message.
TEST(EError, CurrentErrorIsReportedWhateverWasThrown) {
    CaptureSink sink;
    auto report = [](auto thrown) {
        try {
            thrown();
        } catch (...) {
            ReportCurrentError();
        }
    };
    report([] {
        try {
            throw EError(ecIDE, 38);
        } catch (const std::exception& e) {
            EXPECT_STREQ(e.what(), "[ Error IDE-0038] Class path expected.\n");
            throw;
        }
    });
    report([] {
        EError error(ecIDE, 38);
        error.Message += "more\n";
        EXPECT_EQ(EError(error).what(), error.Message);
        throw error;
    });
    report([] { throw std::runtime_error("broken\n"); });
    report([] { throw 7; });
    EXPECT_EQ(sink.lines, (std::vector<std::string>{"[ Error IDE-0038] Class path expected.",
                                                    "[ Error IDE-0038] Class path expected.\nmore", "broken",
                                                    "Unknown error."}));
    EXPECT_TRUE(sink.infos[0] && sink.infos[1]);
    EXPECT_FALSE(sink.infos[2] || sink.infos[3]);
}

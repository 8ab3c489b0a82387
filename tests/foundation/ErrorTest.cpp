#include <gtest/gtest.h>

#include <string>

#include "foundation/EError.h"
#include "foundation/Messages.h"
#include "tests/support/CaptureSink.h"

TEST(ErrorCatalogue, HoldsEveryCategoryWithExactTexts) {
    int rows = 0;
    for (const TErrorCatalogueRow* r = ErrorCatalogue; r->Category != ecLast; ++r) ++rows;
    EXPECT_EQ(rows, 98);

    const char *text, *problem, *solution;
    LookupErrorText(ecSYS, 30, text, problem, solution);
    EXPECT_STREQ(solution, "Buy a better computer.");
    LookupErrorText(ecJVM, 6, text, problem, solution);
    EXPECT_STREQ(problem, "An attempt was made to divde by zero.");
    LookupErrorText(ecLNK, 7, text, problem, solution);
    EXPECT_STREQ(solution, "Modify you program so it uses fewer static fields.");
    LookupErrorText(ecIDE, 10, text, problem, solution);
    EXPECT_STREQ(text, "Error communicating over the serial port (corrupt packet $%2.2X).");
    LookupErrorText(ecIDE, 45, text, problem, solution);
    EXPECT_STREQ(solution, "");
}

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

TEST(EError, FormatsMessageWithPaddedNumber) {
    EError e(ecIDE, 32);
    EXPECT_EQ(e.Message, "[ Error IDE-0032] String too long.\n");
    EXPECT_STREQ(e.Problem, "This is an internal error.");
    EXPECT_STREQ(e.Solution, "Report the error to technical support.");
    EXPECT_EQ(EError(ecSYS, 30).Message, "[ Error SYS-0030] Out of memory.\n");
}

TEST(EError, FillsArgumentsInOrder) {
    EError e(ecJVM, 17, "Hello", "/lib;/x");
    EXPECT_EQ(e.Text, "Unable to load class file: `Hello', '/lib;/x'.");
    EError copy = e;
    EXPECT_EQ(copy.Message, e.Message);
    EXPECT_EQ(copy.Number, 17);
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

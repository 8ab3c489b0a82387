#include <gtest/gtest.h>

#include <string>

#include "foundation/EError.h"
#include "foundation/Messages.h"
#include "tests/support/CaptureSink.h"

TEST(Messages, DropsOneTrailingLineFeed) {
    CaptureSink sink;
    MessagePrintf("two\n\n");
    MessagePrintf("in\nside");
    DebugPrintf("x=%d\n", 5);
    ASSERT_EQ(sink.lines.size(), 3u);
    EXPECT_EQ(sink.lines[0], "two\n");
    EXPECT_EQ(sink.lines[1], "in\nside");
    EXPECT_EQ(sink.lines[2], "[Debug] x=5");
}

TEST(Messages, FormatLengthLimits) {
    CaptureSink sink;
    std::string ok(1023, 'a'), tooLong(1024, 'a');
    EXPECT_NO_THROW(MessagePrintf(ok.c_str()));
    try {
        MessagePrintf(tooLong.c_str());
        FAIL() << "no IDE-32";
    } catch (const EError& e) {
        EXPECT_EQ(e.Number, 32);
    }
    std::string dOk(2023, 'b'), dLong(2024, 'b');
    EXPECT_NO_THROW(DebugPrintf(dOk.c_str()));
    EXPECT_THROW(DebugPrintf(dLong.c_str()), EError);
    EXPECT_EQ(sink.lines.size(), 2u);  // refused lines leave the list unchanged
    EXPECT_EQ(sink.lines[1].size(), 2023u);
}

TEST(Messages, LongFormattedTextIsCut) {
    CaptureSink sink;
    std::string big(4000, 'z');
    MessagePrintf("%s", big.c_str());
    DebugPrintf("%s", big.c_str());
    EXPECT_EQ(sink.lines[0].size(), MessageLineCapacity);
    EXPECT_EQ(sink.lines[1].size(), DebugLineCapacity);
}

TEST(Messages, DebugLineDropsItsLineFeedBeforeItIsCut) {
    CaptureSink sink;
    const std::string text(DebugLineCapacity - 9, 'd');  // the line's room less one
    DebugPrintf("%s\n\n", text.c_str());
    ASSERT_EQ(sink.lines.size(), 1u);
    EXPECT_EQ(sink.lines[0], "[Debug] " + text + "\n");
}

TEST(Messages, ObjectTravelsWithLine) {
    CaptureSink sink;
    MessagePrintfObject(std::make_unique<TLinInfo>("F.java", 1, 2, 3, 4), "%s", "msg");
    ASSERT_TRUE(sink.infos[0]);
    EXPECT_EQ(sink.infos[0]->EndColumn, 4);
}

TEST(Messages, CheckAllocRaisesOutOfMemory) {
    int x;
    EXPECT_NO_THROW(CheckAlloc(&x));
    try {
        CheckAlloc(nullptr);
        FAIL();
    } catch (const EError& e) {
        EXPECT_EQ(e.Category, ecSYS);
        EXPECT_EQ(e.Number, 30);
    }
}

// The print engine's settings record: round trips, every truncation and
// seeded damage.
#include <gtest/gtest.h>

#include <random>

#include "editor/print/SrcEditPrint.h"
#include "editor/support/SrcExceptions.h"
#include "editor/support/SrcStream.h"

namespace {

std::string Saved(const TSrcEditPrint& print) {
    TMemoryStream stream;
    print.SaveToStream(stream);
    return stream.Data();
}

void Configure(TSrcEditPrint& print) {
    print.Header().Add("$TITLE$ / \\ $PAGENUM$", nullptr, taCenter, 2);
    print.Footer().Add("footer", nullptr, taRightJustify, 1);
    print.Footer().FrameTypes = {ftShaded};
    print.Margins().SetUnitSystem(usInch);
    print.Margins().SetLeft(1);
    print.Title = "Title.java";
    print.DocTitle = "Job";
    print.SetWrap(false);
    print.Colors = true;
    print.SetLineNumbers(true);
    print.SetLineOffset(-3);
    print.PageOffset = 7;
}

}  // namespace

TEST(PrintEngineStream, RoundTripsByteForByte) {
    TSrcEditPrint print;
    Configure(print);
    std::string bytes = Saved(print);
    const std::string tail = std::string("\x0A\0\0\0Title.java", 14) + std::string("\x03\0\0\0Job", 7) +
                             std::string("\0\x01\x01\x01", 4) + std::string("\xFD\xFF\xFF\xFF\x07\0\0\0", 8);
    ASSERT_GT(bytes.size(), tail.size() + 82);
    EXPECT_EQ(bytes.substr(bytes.size() - tail.size()), tail);

    TSrcEditPrint read;
    TMemoryStream stream;
    stream.SetData(bytes);
    read.LoadFromStream(stream);
    EXPECT_EQ(Saved(read), bytes);
    EXPECT_EQ(read.Title, "Title.java");
    EXPECT_FALSE(read.Wrap());
    EXPECT_EQ(read.LineOffset(), -3);
    EXPECT_DOUBLE_EQ(read.Margins().Left(), 1);
    EXPECT_EQ(read.Header().Get(0).Text, "$TITLE$ / \\ $PAGENUM$");
}

TEST(PrintEngineStream, DamagedRecordsRaiseAndChangeNothing) {
    TSrcEditPrint source;
    Configure(source);
    const std::string bytes = Saved(source);
    const std::string untouched = Saved(TSrcEditPrint());
    for (size_t cut = 0; cut < bytes.size(); ++cut) {
        TMemoryStream shorter;
        shorter.SetData(bytes.substr(0, cut));
        TSrcEditPrint target;
        EXPECT_THROW(target.LoadFromStream(shorter), EReadError) << cut;
        EXPECT_EQ(Saved(target), untouched) << cut;
    }
    // A length of 2 GB must not be allocated.
    std::string huge = bytes;
    huge.replace(huge.size() - 33, 4, std::string("\xFF\xFF\xFF\x7F", 4));
    TMemoryStream hugeStream;
    hugeStream.SetData(huge);
    TSrcEditPrint target;
    EXPECT_THROW(target.LoadFromStream(hugeStream), EReadError);

    std::mt19937 random(103);
    for (int round = 0; round < 3000; ++round) {
        std::string damaged = bytes;
        for (int k = 1 + random() % 4; k > 0; --k) damaged[random() % damaged.size()] = static_cast<char>(random());
        TMemoryStream in;
        in.SetData(damaged);
        TSrcEditPrint any;
        try {
            any.LoadFromStream(in);
            Saved(any);
        } catch (const EReadError&) {
        }
    }
}

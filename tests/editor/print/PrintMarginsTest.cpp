// Margins: units, page set-up in pixels, mirrored pages and the stream.
#include <gtest/gtest.h>

#include "editor/print/SrcEditPrintMargins.h"
#include "editor/print/SrcEditPrinterInfo.h"
#include "editor/support/SrcExceptions.h"
#include "editor/support/SrcStream.h"
#include "tests/editor/common/PrintRecorder.h"
#include "tests/editor/common/PrintSettings.h"

TEST(PrintMargins, UnitsAreStoredInMillimetres) {
    TSrcEditPrintMargins m;
    m.SetUnitSystem(usInch);
    m.SetLeft(1);
    EXPECT_DOUBLE_EQ(m.Left(), 1);
    m.SetUnitSystem(usMM);
    EXPECT_DOUBLE_EQ(m.Left(), 25.4);
    m.SetUnitSystem(usCM);
    EXPECT_DOUBLE_EQ(m.Left(), 2.54);
    m.SetUnitSystem(muThousandthsOfInches);
    EXPECT_NEAR(m.Left(), 1000, 1e-9);
}

TEST(PrintMargins, PageSetUpWithoutAPrinterUsesTheA4Defaults) {
    RecordingPrinter printer;
    printer.target = false;
    TSrcEditPrinterInfo info(&printer);
    EXPECT_EQ(info.PrintableWidth(), 2358);
    EXPECT_EQ(info.LeftGutter(), 65);
    TSrcEditPrintMargins m;
    RecordingPrintCanvas canvas;
    m.InitPage(canvas, 1, info, false, false, 0);
    EXPECT_EQ(m.PLeft, 295 - 65);                 // 25 mm
    EXPECT_EQ(m.PRight, 2358 - (177 - 58));       // 15 mm
    EXPECT_EQ(m.PTop, 295 - 50);
    EXPECT_EQ(m.PBottom, 3407 - (295 - 50));
    EXPECT_EQ(m.PHeader, 177 - 50);
    EXPECT_EQ(m.PFooter, 3407 - (177 - 50));
}

TEST(PrintMargins, PageSetUpOnTheTestDeviceWithLineNumbersAndMirroring) {
    RecordingPrinter printer;
    TSrcEditPrinterInfo info(&printer);
    EXPECT_EQ(info.RightGutter(), 50);
    EXPECT_EQ(info.BottomGutter(), 50);
    TSrcEditPrintMargins m;
    SetMarginsTo15(m);
    RecordingPrintCanvas canvas;
    m.InitPage(canvas, 1, info, false, false, 0);
    EXPECT_EQ(m.PLeft, 102);
    EXPECT_EQ(m.PRight, 2227);
    EXPECT_EQ(m.PTop, 127);
    EXPECT_EQ(m.PBottom, 3281);
    EXPECT_EQ(m.PHFInternalMargin, 6);
    EXPECT_EQ(m.PLeftHFTextIndent, 102 + 24);
    EXPECT_EQ(m.PRightHFTextIndent, 2227 - 24);

    TSrcPrintFont font;
    font.SetHeight(-42);
    canvas.SetFont(font);
    m.InitPage(canvas, 1, info, true, false, 100);  // "100: " in cells of 25
    EXPECT_EQ(m.PLeft, 102 + 5 * 25);
    m.InitPage(canvas, 1, info, true, true, 100);
    EXPECT_EQ(m.PLeft, 102);

    m.SetLeft(30);
    m.SetGutter(10);
    m.SetMirrorMargins(true);
    m.InitPage(canvas, 1, info, false, false, 0);
    EXPECT_EQ(m.PLeft, info.PixFromLeft(40));
    EXPECT_EQ(m.PRight, 2354 - info.PixFromRight(15));
    m.InitPage(canvas, 2, info, false, false, 0);
    EXPECT_EQ(m.PLeft, info.PixFromLeft(15));
    EXPECT_EQ(m.PRight, 2354 - info.PixFromRight(40));
    EXPECT_EQ(m.PGutter, 118);
}

TEST(PrintMargins, StreamIsEightyTwoBytesAndRoundTrips) {
    TSrcEditPrintMargins m;
    m.SetUnitSystem(usCM);
    m.SetMirrorMargins(true);
    TMemoryStream stream;
    m.SaveToStream(stream);
    const std::string& bytes = stream.Data();
    ASSERT_EQ(bytes.size(), 82u);
    EXPECT_EQ(bytes[0], usCM);
    EXPECT_EQ(bytes.substr(1, 8), std::string("\0\0\0\0\0\0\x39\x40", 8));  // 25.0
    EXPECT_EQ(bytes[81], 1);

    TSrcEditPrintMargins read;
    stream.Position(0);
    read.LoadFromStream(stream);
    TMemoryStream again;
    read.SaveToStream(again);
    EXPECT_EQ(again.Data(), bytes);
    EXPECT_DOUBLE_EQ(read.Left(), 2.5);

    for (size_t cut = 0; cut < bytes.size(); ++cut) {
        TMemoryStream shorter;
        shorter.SetData(bytes.substr(0, cut));
        TSrcEditPrintMargins target;
        EXPECT_THROW(target.LoadFromStream(shorter), EReadError) << cut;
        EXPECT_DOUBLE_EQ(target.Left(), 25) << "a failed read changes nothing";
    }
    std::string bad = bytes;
    bad[0] = 9;
    TMemoryStream badUnit;
    badUnit.SetData(bad);
    EXPECT_THROW(read.LoadFromStream(badUnit), EReadError);
    bad = bytes;
    bad.replace(1, 8, std::string("\0\0\0\0\0\0\xf0\x7f", 8));  // infinity
    TMemoryStream badLength;
    badLength.SetData(bad);
    EXPECT_THROW(read.LoadFromStream(badLength), EReadError);
}

// Header and footer: layout of lines and frames, string forms and streams.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "editor/print/SrcEditPrintMargins.h"
#include "editor/print/SrcEditPrinterInfo.h"
#include "editor/print/SrcHeaderFooter.h"
#include "editor/print/SrcHeaderFooterText.h"
#include "editor/support/SrcExceptions.h"
#include "editor/support/SrcStream.h"
#include "tests/editor/common/FixedPrintClock.h"
#include "tests/editor/common/PrintRecorder.h"

namespace {

TSrcPrintFont Font(const std::string& name, int height, TFontStyles style = {}) {
    TSrcPrintFont font;
    font.SetName(name);
    font.SetPixelsPerInch(300);
    font.SetHeight(height);
    font.SetStyle(style);
    return font;
}

struct FooterBench : ::testing::Test {
    FooterBench() {
        info.UpdatePrinter();
        margins.InitPage(canvas, 1, info, false, false, 0);
    }

    FixedPrintClock clock;
    RecordingPrinter printer;
    TSrcEditPrinterInfo info{&printer};
    TSrcEditPrintMargins margins;
    RecordingPrintCanvas canvas;
};

std::string Saved(const THeaderFooter& h) {
    TMemoryStream stream;
    h.SaveToStream(stream);
    return stream.Data();
}

std::string Int32Bytes(int value) {
    std::string bytes;
    for (int i = 0; i < 4; ++i) {
        bytes += static_cast<char>(static_cast<uint32_t>(value) >> (8 * i));
    }
    return bytes;
}

std::string Loaded(THeaderFooter& h, const std::string& bytes) {
    TMemoryStream stream;
    stream.SetData(bytes);
    h.LoadFromStream(stream);
    return Saved(h);
}

}  // namespace

TEST_F(FooterBench, LinesAreRenumberedAndStackedInTheFrame) {
    TFooter footer;
    footer.SetDefaultFont(Font("Arial", -42));
    footer.Add("second $PAGENUM$/$PAGECOUNT$", nullptr, taLeftJustify, 7);
    TSrcPrintFont big = Font("Big", -60);
    footer.Add("first", &big, taCenter, 3);
    footer.Add("$TITLE$ $DATETIME$", nullptr, taRightJustify, 3);
    footer.InitPrint(canvas, 12, "A.java", margins);
    const int h1 = 54 + 15, h2 = 38 + 11;  // the Big line, then the default 10 pt
    EXPECT_EQ(footer.FrameHeight(), h1 + h2 + 2 * 6);
    EXPECT_EQ(footer.Get(0).LineNumber, 1);
    EXPECT_EQ(footer.Get(2).LineNumber, 2);

    canvas.Calls.clear();
    footer.Print(canvas, 3);
    auto texts = canvas.Of("base");
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].Text, "first");
    EXPECT_EQ(texts[0].X, (margins.PLeftHFTextIndent + margins.PRightHFTextIndent - 5 * 36) / 2);
    EXPECT_EQ(texts[0].Y, margins.PFooter + 6 + 54);
    EXPECT_EQ(texts[1].Text, "A.java 06/12/2026 21:45");
    EXPECT_EQ(texts[1].X, margins.PRightHFTextIndent - 23 * 25);
    EXPECT_EQ(texts[1].Y, margins.PFooter + 6 + 54);
    EXPECT_EQ(texts[2].Text, "second 3/12");
    EXPECT_EQ(texts[2].Y, margins.PFooter + 6 + h1 + 38);
    EXPECT_EQ(texts[2].Brush.Style, bsClear);
    auto lines = canvas.Of("line");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].Y, margins.PFooter);
    EXPECT_EQ(lines[0].X, margins.PLeft);
    EXPECT_EQ(lines[0].X2, margins.PRight);
    EXPECT_EQ(lines[0].Pen, (TSrcPen{clBlack, psSolid}));
    EXPECT_TRUE(canvas.Of("rect").empty());
    EXPECT_EQ(canvas.Font(), TSrcPrintFont()) << "the canvas is restored";

    footer.Get(0).LineNumber = 9;  // changed after InitPrint
    canvas.Calls.clear();
    footer.Print(canvas, 3);
    EXPECT_EQ(canvas.Of("base").size(), 2u);
}

TEST_F(FooterBench, FramesMirroringAndRomanNumbers) {
    THeader header;
    header.Add("$PAGENUM$", nullptr, taRightJustify, 1);
    header.FrameTypes = {ftBox, ftShaded, ftLine};
    header.LineColor = clRed;
    header.MirrorPosition = true;
    header.RomanNumbers = true;
    header.SetPixPrInch(300);
    header.InitPrint(canvas, 4, "", margins);
    const int frame = header.FrameHeight();
    header.Print(canvas, 2);
    auto rects = canvas.Of("rect");
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(rects[0].Y, margins.PHeader - frame);
    EXPECT_EQ(rects[0].Y2, margins.PHeader);
    EXPECT_EQ(rects[0].Brush, (TSrcBrush{clSilver, bsSolid}));
    EXPECT_EQ(rects[0].Pen, (TSrcPen{clRed, psSolid}));
    auto lines = canvas.Of("line");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].Y, margins.PHeader);
    auto texts = canvas.Of("base");
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].Text, "II");
    EXPECT_EQ(texts[0].X, margins.PLeftHFTextIndent) << "right-aligned prints on the left of even pages";
    canvas.Calls.clear();
    header.Print(canvas, 3);
    EXPECT_EQ(canvas.Of("base")[0].X, margins.PRightHFTextIndent - 3 * 25);

    THeader empty;
    empty.InitPrint(canvas, 1, "", margins);
    canvas.Calls.clear();
    empty.Print(canvas, 1);
    EXPECT_TRUE(canvas.Calls.empty());
    EXPECT_EQ(empty.FrameHeight(), -1);
}

TEST(HeaderFooterText, AsStringRoundTripsEscapes) {
    TFooter footer;
    TSrcPrintFont odd = Font("We/ird\\Font", -21, {fsBold, fsUnderline});
    odd.SetColor(clMaroon);
    footer.Add("a/b\\c\\.d$TITLE$", &odd, taCenter, 2);
    footer.Add("", nullptr, taRightJustify, 1);
    std::string text = footer.AsString();

    TFooter copy;
    copy.SetAsString(text);
    ASSERT_EQ(copy.Count(), 2);
    EXPECT_EQ(copy.Get(1).Text, "a/b\\c\\.d$TITLE$");
    EXPECT_EQ(copy.Get(1).Font.Name(), "We/ird\\Font");
    EXPECT_EQ(copy.Get(1).Font.Height(), -21);
    EXPECT_EQ(copy.Get(1).Font.Size(), 5);
    EXPECT_EQ(copy.Get(1).Font.Style(), (TFontStyles{fsBold, fsUnderline}));
    EXPECT_EQ(copy.Get(1).Font.Color(), clMaroon);
    EXPECT_EQ(copy.Get(1).Alignment, taCenter);
    EXPECT_EQ(copy.Get(0).Text, "");
    EXPECT_EQ(copy.AsString(), text);
    EXPECT_EQ(Saved(copy), Saved(footer));

    EXPECT_THROW(copy.SetAsString("x/1/2"), EConvertError);
    EXPECT_THROW(copy.SetAsString(footer.Get(0).GetAsString() + "x"), EConvertError);

    // Text, charset, colour, height, name, pitch, resolution, size, style,
    // line, alignment: the size comes after the height and wins.
    const std::string line = "x/1/0/-13/Arial/0/96/12/0/1/0";
    THeaderFooterItem item;
    item.SetAsString(line);
    EXPECT_EQ(item.GetAsString(), "x/1/0/-16/Arial/0/96/12/0/1/0");
    for (auto [field, value] : {std::pair{1, "256"}, {3, "2147483648"}, {5, "3"}, {6, "0"}, {6, "100001"},
                                {7, "-10001"}, {8, "16"}, {10, "3"}, {7, "12.0"}}) {
        std::vector<std::string> fields = SplitFields(line);
        fields[static_cast<size_t>(field)] = value;
        EXPECT_THROW(THeaderFooterItem().SetAsString(JoinFields(fields)), EConvertError) << JoinFields(fields);
    }
    copy.SetAsString("");
    EXPECT_EQ(copy.Count(), 0);

    std::mt19937 random(11);
    const std::string pieces[] = {"/", "\\", "\\.", "1", "-13", "x", "", "Arial", "99999999999"};
    for (int round = 0; round < 3000; ++round) {
        std::string damaged = round % 2 ? text : "";
        for (int k = random() % 6; k > 0; --k) {
            damaged.insert(random() % (damaged.size() + 1), pieces[random() % 9]);
        }
        try {
            copy.SetAsString(damaged);
            copy.AsString();
        } catch (const EConvertError&) {
        }
    }
}

// An item's font comes back whole through either form and the one after
// it (the stream at the resolution it is read at); a size past 10000
// points either way is refused. Clamped into the bound, such a size is
// read as the nearest height within it, and that is written back within it.
TEST(HeaderFooterText, FontsSurviveBothFormsAtEveryResolution) {
    for (auto [pixelsPerInch, height, size] :
         {std::tuple{10, -1388, 9994}, {10, -1389, 10001}, {72, -10000, 10000}, {72, 10001, -10001}, {96, 13, -10},
          {300, -60, 14}, {1, -1, 72}, {100000, -13889583, 10000}, {100000, -13889584, 10001}}) {
        SCOPED_TRACE(testing::Message() << height << " at " << pixelsPerInch);
        TSrcPrintFont font;
        font.SetPixelsPerInch(pixelsPerInch);
        font.SetHeight(height);
        TSrcPrintFont atResolution;
        atResolution.SetPixelsPerInch(pixelsPerInch);
        TFooter source, fromText, fromBytes, again;
        fromBytes.SetDefaultFont(atResolution);
        again.SetDefaultFont(atResolution);
        source.Add("x", &font, taLeftJustify, 1);
        ASSERT_EQ(source.Get(0).Font.Size(), size);
        std::string text = source.AsString(), bytes = Saved(source);
        TMemoryStream stream;
        stream.SetData(bytes);
        if (std::abs(size) > 10000) {
            EXPECT_THROW(fromText.SetAsString(text), EConvertError);
            EXPECT_THROW(fromBytes.LoadFromStream(stream), EReadError);
            const int clamped = size > 0 ? 10000 : -10000;
            std::vector<std::string> fields = SplitFields(source.Get(0).GetAsString());
            fields[7] = std::to_string(clamped);
            text = EncodeString(JoinFields(fields));
            bytes.replace(bytes.size() - 6, 4, Int32Bytes(clamped));
            stream.SetData(bytes);
        }
        fromText.SetAsString(text);
        fromBytes.LoadFromStream(stream);
        EXPECT_EQ(fromText.Get(0).Font, fromBytes.Get(0).Font);
        EXPECT_LE(std::abs(fromText.Get(0).Font.Size()), 10000);
        again.SetAsString(fromText.AsString());
        EXPECT_EQ(again.AsString(), fromText.AsString());
        stream.SetData(Saved(fromBytes));
        again.LoadFromStream(stream);
        EXPECT_EQ(Saved(again), Saved(fromBytes));
        if (std::abs(size) <= 10000) {
            EXPECT_EQ(fromBytes.Get(0).Font, font);  // and so both forms write what they read
        }
    }
}

TEST(HeaderFooterStream, BytesRoundTripsAndDamage) {
    // Charset, colour, height, name, pitch, size, style.
    const std::string defaultFont = "\x01" + Int32Bytes(0) + Int32Bytes(-13) + Int32Bytes(5) + "Arial" +
                                    std::string("\0", 1) + Int32Bytes(10) + std::string("\0", 1);
    // Frames, shaded and line colour, Roman, mirror, default font, items.
    const std::string want = "\x02" + Int32Bytes(0xC0C0C0) + Int32Bytes(0) + "\x01" + std::string("\0", 1) +
                             defaultFont + Int32Bytes(1) + Int32Bytes(14) + "Page $PAGENUM$" + Int32Bytes(1) +
                             defaultFont + std::string("\0", 1);
    ASSERT_EQ(want.size(), 86u);
    THeader header;
    header.FrameTypes = {ftBox};
    header.RomanNumbers = true;
    header.Add("Page $PAGENUM$", nullptr, taLeftJustify, 1);
    std::string bytes = Saved(header);
    EXPECT_EQ(bytes, want);

    TSrcPrintFont other = Font("Courier", -90, {fsBold});
    other.SetPixelsPerInch(96);
    other.SetPitch(fpFixed);
    THeader read;
    read.SetDefaultFont(other);
    read.MirrorPosition = true;
    read.Add("old", nullptr, taCenter, 4);
    // Read over other values, it writes every value back; the resolution
    // is not in the bytes.
    EXPECT_EQ(Loaded(read, want), want);
    EXPECT_EQ(read.DefaultFont(), header.DefaultFont());
    EXPECT_EQ(read.AsString(), header.AsString());  // text, line, font and alignment of the item

    // Fonts keep the resolution they are read at; the size sets the point
    // size, also against the height before it.
    THeader printed;
    printed.SetDefaultFont(Font("Arial", -42));
    std::string twelve = want;
    twelve.replace(want.size() - 6, 4, Int32Bytes(12));
    Loaded(printed, twelve);
    EXPECT_EQ(std::pair(printed.DefaultFont().PixelsPerInch(), printed.DefaultFont().Height()), std::pair(300, -42));
    EXPECT_EQ(std::pair(printed.Get(0).Font.PixelsPerInch(), printed.Get(0).Font.Height()), std::pair(300, -50));

    TSrcPrintFont large;
    large.SetSize(8192);
    read.Add("large", &large, taLeftJustify, 2);
    Loaded(read, Saved(read));
    ASSERT_EQ(read.Get(1).Font.Height(), -10923);
    THeader fromText;
    fromText.SetAsString(read.AsString());
    EXPECT_EQ(fromText.AsString(), read.AsString());

    for (size_t cut = 0; cut < bytes.size(); ++cut) {
        TMemoryStream shorter;
        shorter.SetData(bytes.substr(0, cut));
        THeader target;
        EXPECT_THROW(target.LoadFromStream(shorter), EReadError) << cut;
        EXPECT_EQ(target.Count(), 0);
    }
    std::mt19937 random(2027);
    for (int round = 0; round < 4000; ++round) {
        std::string damaged = bytes;
        for (int k = 1 + random() % 3; k > 0; --k) {
            damaged[random() % damaged.size()] = static_cast<char>(random());
        }
        TMemoryStream in;
        in.SetData(damaged);
        THeader target;
        try {
            target.LoadFromStream(in);
            THeader again;
            EXPECT_NO_THROW(again.SetAsString(target.AsString())) << target.AsString();
        } catch (const EReadError&) {
        }
    }
}

#include <gtest/gtest.h>

#include <memory>

#include "editor/control/SrcBookMarkOpt.h"
#include "editor/support/SrcColor.h"
#include "editor/support/SrcExceptions.h"
#include "editor/control/SrcGlyph.h"
#include "editor/control/SrcGutter.h"
#include "editor/support/SrcImageList.h"
#include "editor/support/SrcInternalImage.h"
#include "editor/control/SrcSelectedColor.h"
#include "tests/editor/common/RecordingCanvas.h"
#include "tests/editor/common/SetterTable.h"

TEST(SrcOptionClasses, EverySetterFiresOnceForANewValueAndNeverForTheSame) {
    auto gutter = [] { return std::make_unique<TSrcGutter>(); };
    auto font = [](TSrcGutter& g, const char* Name, TColor Color) {
        TFont f = g.Font();
        f.SetName(Name);
        f.SetColor(Color);
        g.SetFont(f);
    };
    ExpectSettersFireOnce<TSrcGutter>(gutter, {
        {"Color", [](TSrcGutter& g) { g.SetColor(clBtnFace); }, [](TSrcGutter& g) { g.SetColor(clRed); }},
        {"ShowLineNumbers", [](TSrcGutter& g) { g.SetShowLineNumbers(false); }, [](TSrcGutter& g) { g.SetShowLineNumbers(true); }},
        {"DigitCount", [](TSrcGutter& g) { g.SetDigitCount(4); }, [](TSrcGutter& g) { g.SetDigitCount(5); }},
        {"ZeroStart", [](TSrcGutter& g) { g.SetZeroStart(false); }, [](TSrcGutter& g) { g.SetZeroStart(true); }},
        {"LeftOffset", [](TSrcGutter& g) { g.SetLeftOffset(16); }, [](TSrcGutter& g) { g.SetLeftOffset(-1); }},
        {"AutoSize", [](TSrcGutter& g) { g.SetAutoSize(false); }, [](TSrcGutter& g) { g.SetAutoSize(true); }},
        {"BorderStyle", [](TSrcGutter& g) { g.SetBorderStyle(gbsMiddle); }, [](TSrcGutter& g) { g.SetBorderStyle(gbsNone); }},
        {"LineNumberStart", [](TSrcGutter& g) { g.SetLineNumberStart(1); }, [](TSrcGutter& g) { g.SetLineNumberStart(0); }},
        {"GradientStartColor", [](TSrcGutter& g) { g.SetGradientStartColor(clWindow); }, [](TSrcGutter& g) { g.SetGradientStartColor(clRed); }},
        {"GradientSteps", [](TSrcGutter& g) { g.SetGradientSteps(48); }, [](TSrcGutter& g) { g.SetGradientSteps(1); }},
        {"Width", [](TSrcGutter& g) { g.SetWidth(30); }, [](TSrcGutter& g) { g.SetWidth(-4); }},
        {"Font", [&](TSrcGutter& g) { font(g, g.Font().Name().c_str(), g.Font().Color()); },
         [&](TSrcGutter& g) { font(g, "Courier New", clRed); }},
    });
    ExpectSettersFireOnce<TSrcSelectedColor>([] { return std::make_unique<TSrcSelectedColor>(); }, {
        {"Background", [](TSrcSelectedColor& c) { c.SetBackground(clHighlight); }, [](TSrcSelectedColor& c) { c.SetBackground(clRed); }},
        {"Foreground", [](TSrcSelectedColor& c) { c.SetForeground(clHighlightText); }, [](TSrcSelectedColor& c) { c.SetForeground(clRed); }},
    });
    ExpectSettersFireOnce<TSrcBookMarkOpt>([] { return std::make_unique<TSrcBookMarkOpt>(nullptr); }, {
        {"LeftMargin", [](TSrcBookMarkOpt& m) { m.SetLeftMargin(2); }, [](TSrcBookMarkOpt& m) { m.SetLeftMargin(3); }},
        {"Xoffset", [](TSrcBookMarkOpt& m) { m.SetXoffset(12); }, [](TSrcBookMarkOpt& m) { m.SetXoffset(20); }},
    });
    // Clamped values: a negative width is 0, fewer than two gradient steps are two.
    TSrcGutter clamped;
    clamped.SetWidth(-4);
    clamped.SetGradientSteps(1);
    EXPECT_EQ(clamped.Width(), 0);
    EXPECT_EQ(clamped.GradientSteps(), 2);
}

TEST(SrcOptionClasses, AssignCopiesAndFiresOnce) {
    TSrcSelectedColor selected, otherColour;
    selected.SetForeground(clRed);
    EXPECT_EQ(Fires(otherColour, [&] { otherColour.Assign(&selected); }), 1);
    EXPECT_EQ(otherColour.Foreground(), clRed);
    TSrcBookMarkOpt marks(nullptr), copy(nullptr);
    marks.SetXoffset(20);
    EXPECT_EQ(Fires(copy, [&] { copy.Assign(&marks); }), 1);
    EXPECT_EQ(copy.Xoffset(), 20);

    TSrcGutter source;
    TFont font;
    font.SetName("Mono");
    source.SetFont(font);
    source.SetWidth(44);
    source.SetDigitCount(6);
    source.SetBorderStyle(gbsRight);
    source.SetGradient(true);
    TSrcGutter gutter;
    EXPECT_EQ(Fires(gutter, [&] { gutter.Assign(&source); }), 1);
    EXPECT_EQ(gutter.Font().Name(), "Mono");
    EXPECT_EQ(gutter.Width(), 44);
    EXPECT_EQ(gutter.DigitCount(), 6);
    EXPECT_EQ(gutter.BorderStyle(), gbsMiddle);  // not copied
    EXPECT_FALSE(gutter.Gradient());
    EXPECT_THROW(gutter.Assign(&selected), EConvertError);
}

TEST(SrcGutter, DigitCountsLineNumbersAndWidth) {
    TSrcGutter gutter;
    gutter.SetDigitCount(1);
    EXPECT_EQ(gutter.DigitCount(), 2);
    gutter.SetDigitCount(20);
    EXPECT_EQ(gutter.DigitCount(), 12);
    EXPECT_EQ(gutter.AutoSizeDigitCountValue(), 12);
    gutter.SetDigitCount(4);

    gutter.SetLineNumberStart(0);
    EXPECT_TRUE(gutter.ZeroStart());
    EXPECT_EQ(gutter.FormatLineNumber(1), "   0");
    gutter.SetLineNumberStart(-3);
    EXPECT_EQ(gutter.LineNumberStart(), 0);
    gutter.SetLineNumberStart(1);
    EXPECT_FALSE(gutter.ZeroStart());

    gutter.SetAutoSize(true);
    gutter.SetShowLineNumbers(true);
    EXPECT_EQ(Fires(gutter, [&] { gutter.AutoSizeDigitCount(12345); }), 1);
    EXPECT_EQ(gutter.AutoSizeDigitCountValue(), 5);
    EXPECT_EQ(Fires(gutter, [&] { gutter.AutoSizeDigitCount(12345); }), 0);
    gutter.SetAutoSize(false);
    EXPECT_EQ(Fires(gutter, [&] { gutter.AutoSizeDigitCount(12345); }), 0);
    EXPECT_EQ(gutter.AutoSizeDigitCountValue(), 4);

    EXPECT_EQ(gutter.FormatLineNumber(7), "   7");
    gutter.SetLeadingZeros(true);
    EXPECT_EQ(gutter.FormatLineNumber(7), "0007");
    gutter.SetLineNumberStart(100);
    EXPECT_EQ(gutter.FormatLineNumber(1), "0100");
    EXPECT_EQ(gutter.FormatLineNumber(99901), "100000");

    TSrcGutter defaults;
    defaults.SetShowLineNumbers(true);
    EXPECT_EQ(defaults.RealGutterWidth(8), 52);
    defaults.SetShowLineNumbers(false);
    EXPECT_EQ(defaults.RealGutterWidth(8), 30);
    defaults.SetVisible(false);
    EXPECT_EQ(defaults.RealGutterWidth(8), 0);
}


TEST(SrcBookMarkOpt, OwnerLearnsWhenTheImageListGoes) {
    class Owner : public TComponent {
    public:
        TComponent* removed = nullptr;

    protected:
        void Notification(TComponent* AComponent, TOperation Operation) override {
            if (Operation == opRemove) {
                removed = AComponent;
            }
        }
    };
    Owner owner;
    TSrcBookMarkOpt marks(&owner);
    auto* images = new TImageList();
    marks.SetBookmarkImages(images);
    EXPECT_EQ(marks.BookmarkImages(), images);
    delete images;
    EXPECT_EQ(owner.removed, images);
}

TEST(SrcGlyph, DrawsTheUserGlyphOrTheBuiltInOneCentredOrCut) {
    TSrcGlyph glyph("SrcEditWrapped", clLime);
    EXPECT_EQ(glyph.Width(), 15);
    EXPECT_EQ(glyph.Height(), 14);
    RecordingCanvas canvas;
    glyph.Draw(canvas, 3, 10, 20);  // (20 - 14) / 2 = 3
    glyph.Draw(canvas, 3, 10, 10);  // middle rows 2..11
    EXPECT_EQ(canvas.Calls, (std::vector<std::string>{"brush 3 13 0 0 15 14 " + std::to_string(clLime),
                                                      "brush 3 10 0 2 15 12 " + std::to_string(clLime)}));
    TSrcBitmap own(4, 5, clWhite);
    EXPECT_EQ(Fires(glyph, [&] { glyph.SetGlyph(own); }), 1);
    glyph.SetMaskColor(clWhite);
    EXPECT_EQ(glyph.Width(), 4);
    canvas.Calls.clear();
    glyph.Draw(canvas, 0, 0, 6);
    EXPECT_EQ(canvas.Calls.back(), "brush 0 0 0 0 4 5 " + std::to_string(clWhite));

    TSrcGlyph empty("", clLime);
    EXPECT_EQ(empty.InternalMaskColor(), clNone);
    EXPECT_EQ(empty.Width(), 0);
    canvas.Calls.clear();
    empty.Draw(canvas, 0, 0, 14);
    EXPECT_TRUE(canvas.Calls.empty());
    // Assign copies the pictures: both glyphs stay valid on their own.
    EXPECT_EQ(Fires(empty, [&] { empty.Assign(&glyph); }), 1);
    EXPECT_EQ(empty.Width(), 4);
    EXPECT_NE(empty.InternalGlyph(), glyph.InternalGlyph());
    EXPECT_THROW(TSrcGlyph("NoSuchPicture", clLime), EResNotFound);
}

TEST(SrcInternalImage, InstancesShareOneBitmapAndDrawByNumber) {
    RecordingCanvas canvas;
    auto* first = new TSrcInternalImage("SrcEditInternalImages", 10);
    TSrcInternalImage second("srceditinternalimages", 10);
    EXPECT_EQ(TSrcInternalImage::SharedBitmapCount(), 1);
    EXPECT_EQ(&first->Bitmap(), &second.Bitmap());
    EXPECT_EQ(second.Width(), 11);
    EXPECT_EQ(second.Height(), 14);
    EXPECT_EQ(second.Bitmap().Width(), 110);
    delete first;
    second.Draw(canvas, 3, 2, 40, 16);      // taller line: centred
    second.Draw(canvas, 9, 2, 40, 10);      // shorter line: middle rows
    second.DrawTransparent(canvas, 0, 0, 0, 14, clFuchsia);
    second.Draw(canvas, 10, 0, 0, 14);      // outside the strip
    second.Draw(canvas, -1, 0, 0, 14);
    EXPECT_EQ(canvas.Calls, (std::vector<std::string>{"copy 2 41 33 0 44 14", "copy 2 40 99 2 110 12",
                                                      "brush 0 0 0 0 11 14 " + std::to_string(clFuchsia)}));
    // The images differ from one another.
    const TSrcBitmap& strip = second.Bitmap();
    int differing = 0;
    for (int x = 0; x < 11; ++x) {
        for (int y = 0; y < 14; ++y) {
            differing += strip.Pixel(x, y) != strip.Pixel(x + 11, y);
        }
    }
    EXPECT_GT(differing, 0);
}

TEST(SrcInternalImage, TheSharedListGoesWithTheLastInstance) {
    {
        TSrcInternalImage a("SrcEditInternalImages", 10);
        TSrcInternalImage b("SrcEditWrapped", 1);
        EXPECT_EQ(TSrcInternalImage::SharedBitmapCount(), 2);
    }
    EXPECT_EQ(TSrcInternalImage::SharedBitmapCount(), 0);
}

TEST(SrcColor, SystemColoursResolveThroughTheTable) {
    EXPECT_EQ(clWindowText, static_cast<TColor>(0x80000008));
    EXPECT_EQ(ColorToRGB(clRed), 0x0000FF);
    EXPECT_EQ(ColorToRGB(clWindow), 0xFFFFFF);
    SetSystemColor(5, 0x123456);
    EXPECT_EQ(ColorToRGB(clWindow), 0x123456);
    SetSystemColor(5, 0xFFFFFF);
    EXPECT_EQ(ColorToRGB(SystemColor(200)), 0);
    TColor color = 0;
    EXPECT_TRUE(TryStringToColor("clWindowText", color));
    EXPECT_EQ(color, clWindowText);
    EXPECT_TRUE(TryStringToColor("$00FF8000", color));
    EXPECT_EQ(color, 0x00FF8000);
    EXPECT_TRUE(TryStringToColor("-2147483643", color));
    EXPECT_EQ(color, clWindow);
    EXPECT_FALSE(TryStringToColor("reddish", color));
    EXPECT_FALSE(TryStringToColor("", color));
    EXPECT_FALSE(TryStringToColor("$1FFFFFFFF", color));
    EXPECT_EQ(ColorToString(clNone), "clNone");
    EXPECT_EQ(ColorToString(0x123456), "$00123456");
    EXPECT_EQ(StandardColor(15), clWhite);
}


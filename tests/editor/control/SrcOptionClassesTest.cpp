#include <gtest/gtest.h>

#include <functional>

#include "editor/control/SrcBookMarkOpt.h"
#include "editor/support/SrcColor.h"
#include "editor/support/SrcExceptions.h"
#include "editor/control/SrcGlyph.h"
#include "editor/control/SrcGutter.h"
#include "editor/support/SrcImageList.h"
#include "editor/support/SrcInternalImage.h"
#include "editor/control/SrcSelectedColor.h"
#include "tests/editor/common/EventRecorder.h"
#include "tests/editor/common/RecordingCanvas.h"

namespace {

template <typename Options>
size_t Fires(Options& options, EventRecorder& events, auto&& change) {
    options.OnChange = events.NotifyEvent();
    events.Take();
    change();
    return events.Take().size();
}

}  // namespace

TEST(SrcOptionClasses, SettersFireOnlyOnARealChange) {
    EventRecorder events;
    TSrcSelectedColor selected;
    EXPECT_EQ(selected.Background(), clHighlight);
    EXPECT_EQ(Fires(selected, events, [&] { selected.SetBackground(clHighlight); }), 0u);
    EXPECT_EQ(Fires(selected, events, [&] { selected.SetForeground(clRed); }), 1u);
    TSrcSelectedColor other;
    EXPECT_EQ(Fires(other, events, [&] { other.Assign(&selected); }), 1u);
    EXPECT_EQ(other.Foreground(), clRed);

    TSrcGutter gutter;
    EXPECT_EQ(Fires(gutter, events, [&] { gutter.SetWidth(30); }), 0u);
    EXPECT_EQ(Fires(gutter, events, [&] { gutter.SetWidth(-4); }), 1u);
    EXPECT_EQ(gutter.Width(), 0);
    EXPECT_EQ(Fires(gutter, events, [&] { gutter.SetWidth(-9); }), 0u);
    TFont font;
    font.SetName("Courier New");
    font.SetSize(9);
    EXPECT_EQ(Fires(gutter, events, [&] { gutter.SetFont(font); }), 1u);
    EXPECT_EQ(gutter.Font().Size(), 9);
    EXPECT_EQ(Fires(gutter, events, [&] { gutter.SetFont(font); }), 0u);
    EXPECT_EQ(Fires(gutter, events, [&] { gutter.SetGradientSteps(1); }), 1u);
    EXPECT_EQ(gutter.GradientSteps(), 2);

    TSrcBookMarkOpt marks(nullptr);
    EXPECT_EQ(Fires(marks, events, [&] { marks.SetLeftMargin(2); }), 0u);
    EXPECT_EQ(Fires(marks, events, [&] { marks.SetXoffset(20); }), 1u);
    TSrcBookMarkOpt copy(nullptr);
    EXPECT_EQ(Fires(copy, events, [&] { copy.Assign(&marks); }), 1u);
    EXPECT_EQ(copy.Xoffset(), 20);
}

TEST(SrcGutter, DigitCountsLineNumbersAndWidth) {
    EventRecorder events;
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
    EXPECT_EQ(Fires(gutter, events, [&] { gutter.AutoSizeDigitCount(12345); }), 1u);
    EXPECT_EQ(gutter.AutoSizeDigitCountValue(), 5);
    EXPECT_EQ(Fires(gutter, events, [&] { gutter.AutoSizeDigitCount(12345); }), 0u);
    gutter.SetAutoSize(false);
    EXPECT_EQ(Fires(gutter, events, [&] { gutter.AutoSizeDigitCount(12345); }), 0u);
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

TEST(SrcGutter, AssignCopiesTheListedSettingsAndFiresOnce) {
    EventRecorder events;
    TSrcGutter source;
    TFont font;
    font.SetName("Mono");
    source.SetFont(font);
    source.SetWidth(44);
    source.SetDigitCount(6);
    source.SetBorderStyle(gbsRight);
    source.SetGradient(true);
    TSrcGutter gutter;
    EXPECT_EQ(Fires(gutter, events, [&] { gutter.Assign(&source); }), 1u);
    EXPECT_EQ(gutter.Font().Name(), "Mono");
    EXPECT_EQ(gutter.Width(), 44);
    EXPECT_EQ(gutter.DigitCount(), 6);
    EXPECT_EQ(gutter.BorderStyle(), gbsMiddle);  // not copied
    EXPECT_FALSE(gutter.Gradient());
    TSrcSelectedColor wrongKind;
    EXPECT_THROW(gutter.Assign(&wrongKind), EConvertError);
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
    EventRecorder events;
    TSrcGlyph glyph("SrcEditWrapped", clLime);
    EXPECT_EQ(glyph.Width(), 15);
    EXPECT_EQ(glyph.Height(), 14);
    RecordingCanvas canvas;
    glyph.Draw(canvas, 3, 10, 20);  // (20 - 14) / 2 = 3
    glyph.Draw(canvas, 3, 10, 10);  // middle rows 2..11
    EXPECT_EQ(canvas.Calls, (std::vector<std::string>{"brush 3 13 0 0 15 14 " + std::to_string(clLime),
                                                      "brush 3 10 0 2 15 12 " + std::to_string(clLime)}));
    TSrcBitmap own(4, 5, clWhite);
    EXPECT_EQ(Fires(glyph, events, [&] { glyph.SetGlyph(own); }), 1u);
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
    EXPECT_EQ(Fires(empty, events, [&] { empty.Assign(&glyph); }), 1u);
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

TEST(SrcGutter, EverySetterFiresOnceForANewValueAndNeverForTheSame) {
    struct Setter {
        const char* name;
        std::function<void(TSrcGutter&)> same;
        std::function<void(TSrcGutter&)> changed;
    };
    const Setter setters[] = {
        {"Color", [](TSrcGutter& g) { g.SetColor(clBtnFace); }, [](TSrcGutter& g) { g.SetColor(clRed); }},
        {"ShowLineNumbers", [](TSrcGutter& g) { g.SetShowLineNumbers(false); }, [](TSrcGutter& g) { g.SetShowLineNumbers(true); }},
        {"DigitCount", [](TSrcGutter& g) { g.SetDigitCount(4); }, [](TSrcGutter& g) { g.SetDigitCount(5); }},
        {"ZeroStart", [](TSrcGutter& g) { g.SetZeroStart(false); }, [](TSrcGutter& g) { g.SetZeroStart(true); }},
        {"LeftOffset", [](TSrcGutter& g) { g.SetLeftOffset(16); }, [](TSrcGutter& g) { g.SetLeftOffset(-1); }},
        {"AutoSize", [](TSrcGutter& g) { g.SetAutoSize(false); }, [](TSrcGutter& g) { g.SetAutoSize(true); }},
        {"BorderStyle", [](TSrcGutter& g) { g.SetBorderStyle(gbsMiddle); }, [](TSrcGutter& g) { g.SetBorderStyle(gbsNone); }},
        {"LineNumberStart", [](TSrcGutter& g) { g.SetLineNumberStart(1); }, [](TSrcGutter& g) { g.SetLineNumberStart(0); }},
        {"GradientStartColor", [](TSrcGutter& g) { g.SetGradientStartColor(clWindow); }, [](TSrcGutter& g) { g.SetGradientStartColor(clRed); }},
        {"GradientSteps", [](TSrcGutter& g) { g.SetGradientSteps(48); }, [](TSrcGutter& g) { g.SetGradientSteps(0); }},
        {"FontColor", [](TSrcGutter& g) { TFont f = g.Font(); g.SetFont(f); }, [](TSrcGutter& g) { TFont f = g.Font(); f.SetColor(clRed); g.SetFont(f); }},
    };
    for (const Setter& setter : setters) {
        EventRecorder events;
        TSrcGutter gutter;
        EXPECT_EQ(Fires(gutter, events, [&] { setter.same(gutter); }), 0u) << setter.name;
        EXPECT_EQ(Fires(gutter, events, [&] { setter.changed(gutter); }), 1u) << setter.name;
        EXPECT_EQ(Fires(gutter, events, [&] { setter.changed(gutter); }), 0u) << setter.name;
    }
}

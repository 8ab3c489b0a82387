// Where window frames go on the screens' available areas.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

#include "ide/WindowPlacement.h"

namespace {

const QRect Screen(0, 0, 1280, 1024);
const QRect BelowAPanel(0, 28, 1280, 996);
const QRect RightScreen(1280, 0, 1920, 1080);
const QRect LeftScreenAbove(-1920, -200, 1920, 1080);

struct Case {
    const char* What;
    TWindowRect Frame;
    QList<QRect> Areas;
    QRect Expected;
};

const Case Cases[] = {
    {"the default main window stays", {1, 1, 904, 974}, {Screen}, {1, 1, 904, 974}},
    {"a title above the top comes down", {1, -19, 904, 974}, {Screen}, {1, 0, 904, 974}},
    {"a title under a panel comes below it", {905, 1, 373, 337}, {BelowAPanel}, {905, 28, 373, 337}},
    {"off every screen: into the first", {5000, 200, 800, 600}, {Screen, RightScreen}, {480, 200, 800, 600}},
    {"left of every screen", {-4000, -3000, 373, 277}, {Screen, RightScreen}, {0, 0, 373, 277}},
    {"on the second screen it stays", {1500, 100, 800, 600}, {Screen, RightScreen}, {1500, 100, 800, 600}},
    {"mostly on the second screen: into it", {3150, 100, 800, 600}, {Screen, RightScreen}, {2400, 100, 800, 600}},
    {"too big for the screen: shrunk", {-10, -2000, 1500, 1200}, {Screen}, {0, 0, 1280, 1024}},
    {"a title partly shown stays", {1100, 500, 373, 277}, {Screen}, {1100, 500, 373, 277}},
    {"no screen known: one of 1024 x 768", {INT_MAX, 20, 300, 200}, {}, {724, 20, 300, 200}},
};

TEST(WindowPlacement, FramesKeepTheirTitleInSight)
{
    for (const Case& c : Cases) EXPECT_EQ(FrameInSight(c.Frame, c.Areas), c.Expected) << c.What;
}

// The default layout on 1280 x 1024 placed as frames under decorations:
// every frame whole on the screen, none covering another.
TEST(WindowPlacement, TheDefaultFramesOnAScreenDoNotOverlap)
{
    const QMargins decorations(2, 24, 2, 2);
    const QRect frames[] = {{1, 1, 904, 974}, {905, 1, 373, 337}, {905, 345, 373, 277}};
    for (size_t i = 0; i < std::size(frames); ++i) {
        const QRect& f = frames[i];
        const QRect placed = FrameInSight({f.x(), f.y(), f.width(), f.height()}, {Screen});
        const QRect client = ClientOfFrame(placed, decorations);
        EXPECT_EQ(client.marginsAdded(decorations), frames[i]) << i;
        EXPECT_TRUE(Screen.contains(placed)) << i;
        for (size_t j = 0; j < i; ++j) EXPECT_FALSE(placed.intersects(frames[j])) << i << " over " << j;
    }
}

// Stored values at the ends of the int range (a hand-edited or damaged
// settings file): every frame ends whole on one screen, at least a pixel big.
TEST(WindowPlacement, ExtremeStoredValuesGiveAFrameInsideAScreen)
{
    const int32_t values[] = {INT_MIN, -1, 0, INT_MAX, 2147483000};
    for (const QList<QRect>& areas : {QList<QRect>{Screen}, {Screen, RightScreen}, {Screen, LeftScreenAbove}})
        for (int32_t left : values)
            for (int32_t top : values)
                for (int32_t width : values)
                    for (int32_t height : values) {
                        const QRect placed = FrameInSight({left, top, width, height}, areas);
                        const auto holds = [&](const QRect& area) { return area.contains(placed); };
                        ASSERT_TRUE(!placed.isEmpty() && std::any_of(areas.begin(), areas.end(), holds))
                            << left << ", " << top << ", " << width << " x " << height << " on " << areas.size()
                            << " screens";
                    }
}

}  // namespace

// Where window frames go on the screens' available areas.
#include <gtest/gtest.h>

#include "ide/WindowPlacement.h"

namespace {

const QRect Screen(0, 0, 1280, 1024);
const QRect BelowAPanel(0, 28, 1280, 996);
const QRect RightScreen(1280, 0, 1920, 1080);

struct Case {
    const char* What;
    QRect Frame;
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
        const QRect placed = FrameInSight(frames[i], {Screen});
        const QRect client = ClientOfFrame(placed, decorations);
        EXPECT_EQ(client.marginsAdded(decorations), frames[i]) << i;
        EXPECT_TRUE(Screen.contains(placed)) << i;
        for (size_t j = 0; j < i; ++j) EXPECT_FALSE(placed.intersects(frames[j])) << i << " over " << j;
    }
}

}  // namespace

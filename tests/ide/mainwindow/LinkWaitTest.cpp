#include <QApplication>
#include <QCursor>
#include <utility>
#include <vector>

#include "devicelink/SXComm.h"
#include "foundation/EError.h"
#include "ide/BusyCursor.h"
#include "tests/devicelink/ScriptedPort.h"
#include "tests/ide/mainwindow/MainWindowFixture.h"
#include "tests/support/gui/WaitUntil.h"

using namespace std::chrono_literals;

namespace {

bool BusyCursorShown()
{
    const QCursor* cursor = QApplication::overrideCursor();
    return cursor && cursor->shape() == Qt::WaitCursor;
}

// A link made on the window's thread whose waits go to the window, as those
// of the window's own links do, and are watched from inside.
class WatchingHost : public NullLinkHost {
public:
    explicit WatchingHost(ILinkHost& window) : window_(window) {}
    void LinkWaiting(int64_t waitedMs) override
    {
        window_.LinkWaiting(waitedMs);
        turns.emplace_back(waitedMs, BusyCursorShown());
    }
    std::vector<std::pair<int64_t, bool>> turns;  // waited, busy cursor

private:
    ILinkHost& window_;
};

class LinkWaitTest : public MainWindowTest {};

// A reset of a module that is off waits out its whole limit: past a moment
// the cursor is busy, back in the event loop it is normal again.
TEST_F(LinkWaitTest, AWaitOnTheWindowsThreadShowsTheBusyCursorUntilItEnds)
{
    VirtualClock clock;
    ScriptedPort port(clock);
    WatchingHost host(form->LinkHost());
    TSXComm link(port, host, clock);
    EXPECT_THROW(link.Reset(false), EError);

    ASSERT_FALSE(host.turns.empty());
    EXPECT_GE(host.turns.back().first, TSXComm::ResetStartMs);
    // Turns before the moment under the normal cursor, from it on the busy one.
    int early = 0, earlyBusy = 0, late = 0, lateBusy = 0;
    for (const auto& [waited, busy] : host.turns) {
        const bool past = waited >= TWaitCursor::MomentMs;
        (past ? late : early) += 1;
        (past ? lateBusy : earlyBusy) += busy;
    }
    EXPECT_GT(early, 0);
    EXPECT_EQ(earlyBusy, 0);
    EXPECT_GT(late, 0);
    EXPECT_EQ(lateBusy, late);
    EXPECT_TRUE(WaitUntil([] { return !BusyCursorShown(); }, 5s, "the normal cursor after the wait"));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace

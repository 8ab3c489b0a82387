#include <gtest/gtest.h>

#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QTimer>
#include <QTreeWidget>

#include "foundation/Options.h"
#include "ide/dialogs/IdentifyForm.h"
#include "tests/devicelink/PortTap.h"
#include "tests/devicelink/SimulatedModule.h"
#include "tests/support/CaptureSink.h"
#include "tests/support/gui/WaitUntil.h"

using namespace std::chrono_literals;

namespace {

class IdentifyFormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        saved = GlobalOptions;
        GlobalOptions.NumValidPorts = 0;
        form.SetPort(&bank);
        form.SetClock(&clock);
    }
    void TearDown() override { GlobalOptions = saved; }
    void Ports(std::initializer_list<int32_t> numbers)
    {
        GlobalOptions.NumValidPorts = int32_t(numbers.size());
        std::copy(numbers.begin(), numbers.end(), GlobalOptions.ValidPort.begin());
    }
    std::vector<std::string> Rows() const
    {
        std::vector<std::string> rows;
        for (int i = 0; i < form.PortList->topLevelItemCount(); ++i) {
            QStringList cells;
            for (int c = 0; c < 6; ++c) cells << form.PortList->topLevelItem(i)->text(c);
            rows.push_back(cells.join(", ").toStdString());
        }
        return rows;
    }

    tOptions saved;
    VirtualClock clock;
    PortBank bank;
    CaptureSink sink;
    TIdentifyForm form;
};

}  // namespace

TEST_F(IdentifyFormTest, ScansEveryValidPortAfterShowing)
{
    SimulatedModule module(clock), poweredOff(clock);
    poweredOff.module.SetPower(false);
    bank.Add(2, module.transport);
    bank.Add(3, poweredOff.transport);
    Ports({3, 4});
    form.show();
    EXPECT_TRUE(form.RefreshTimer->isActive());
    ASSERT_TRUE(WaitUntil([&] { return form.PortList->topLevelItemCount() == 2; }, 5s, "two identify rows"));
    EXPECT_FALSE(form.RefreshTimer->isActive());
    EXPECT_EQ(Rows(), (std::vector<std::string>{"COM3, Corvane, $51, Yes, Yes, Yes", "COM4, , , Yes, No, No"}));
    EXPECT_TRUE(sink.Contains("IDE-0056")) << ::testing::PrintToString(sink.lines);
    EXPECT_EQ(form.StatusLabel->text(), "Port Status:");
    // Every heading whole at the opening size, nothing to scroll sideways to.
    const QHeaderView* header = form.PortList->header();
    for (int i = 0; i < 6; ++i)
        EXPECT_GE(header->sectionSize(i), header->sectionSizeHint(i)) << form.PortList->headerItem()->text(i).toStdString();
    EXPECT_EQ(form.PortList->horizontalScrollBar()->maximum(), 0);
}

TEST_F(IdentifyFormTest, PortThatRefusesToOpenIsNamed)
{
    SimulatedModule module(clock);
    PortTap denied(module.transport);
    denied.failOpen = true;
    denied.openError = EACCES;
    bank.Add(1, denied);
    Ports({2});
    form.RefreshButtonClick();
    EXPECT_EQ(Rows(), std::vector<std::string>{"COM2, , , No, No, No"});
    EXPECT_EQ(sink.lines, std::vector<std::string>{
                              "[ Error IDE-0006] Could not open the serial port: COM2 (/dev/ttyTEST1: Permission denied)."});
}

#include "tests/orusim/ModuleFixture.h"

using namespace orusim;

namespace {
class FaultInjection : public ModuleFixture {
protected:
    Faults& faults() { return module.GetFaults(); }
    Bytes StatusReply() { return Reply({0x81, 0x01, 0x00, kActivityIdle, 0x00}); }
};
}  // namespace

TEST_F(FaultInjection, LineFaults) {
    BootWithSync();
    module.SetPower(false);
    module.SetRTS(true);
    EXPECT_TRUE(module.DSR()) << "the cable's loop needs no power";
    EXPECT_EQ(Exchange({kComSync}, 500), Bytes{}) << "no power: no echo, no start-up";
    module.SetPower(true);
    EXPECT_EQ(Collect(50), Bytes{kComStartLoad});
    Collect(250);

    module.SetCable(false);
    EXPECT_FALSE(module.DSR());
    EXPECT_EQ(Exchange({kComSync}), Bytes{});
    module.SetCable(true);

    faults().dsrStuck = true;
    module.SetRTS(false);
    EXPECT_TRUE(module.DSR());
    faults().dsrStuck = false;
    module.SetRTS(true);
    EXPECT_FALSE(module.DSR());
}

// The faults the link tests meet through the IDE's errors (checksums, codes,
// lengths, acknowledgements) are left to them; these are the rest.
TEST_F(FaultInjection, TrailingBytesAndSlowReplies) {
    BootWithSync();
    faults().replies.push_back({.trailing = {0x00, 0x7E}});
    EXPECT_EQ(Exchange({kComQueryStatus}), Concat({{0x01}, StatusReply(), {0x00, 0x7E}}));

    faults().replies.push_back({.delayMs = 100, .perByteMs = 10});
    Bytes reply = StatusReply();
    EXPECT_EQ(Exchange({kComQueryStatus}, 99), Bytes{0x01});
    EXPECT_EQ(Collect(1), Bytes{reply[0]});
    EXPECT_EQ(Collect(10), Bytes{reply[1]});
    EXPECT_EQ(Collect(60), Bytes(reply.begin() + 2, reply.end()));
}

TEST_F(FaultInjection, MessageFaults) {
    BootWithSync();
    Bytes body{'a', 0x7D, 'b'};
    Bytes framed = FrameMessage(kMsgText, body);  // 05 03 61 7D 5D 62 7E
    faults().messages.push_back(MessageFault{1, {{2, 50}, {4, 50}}, 0});
    module.SendMessage(kMsgText, body);
    EXPECT_EQ(Collect(1), Bytes(framed.begin(), framed.begin() + 2));
    EXPECT_EQ(Collect(50), Bytes(framed.begin() + 2, framed.begin() + 4)) << "ends on the escape";
    EXPECT_EQ(Collect(50), Bytes(framed.begin() + 4, framed.end()));

    module.SendMessage(0x77, {1});
    EXPECT_EQ(Collect(1), (Bytes{0x05, 0x77, 0x01, 0x7E}));

    module.SendText(std::string(4000, 'z'));
    EXPECT_EQ(Collect(1).size(), 4003u);

    module.SendInputRequests(3);
    EXPECT_EQ(Collect(1), (Bytes{0x11, 0x11, 0x11}));
    EXPECT_EQ(log.Count(EventKind::InputRequest), 3u);
}

TEST_F(FaultInjection, EchoNeverSplitsAReplyThatHasStarted) {
    BootWithSync();
    faults().replies.push_back({.perByteMs = 10});
    Send({kComQueryStatus});
    Bytes first = Collect(1);
    EXPECT_EQ(first, (Bytes{0x01, 0x81}));
    module.SendText("t");
    Send({kComSync});
    Bytes rest = Collect(100);
    Bytes reply = StatusReply();
    EXPECT_EQ(rest, Concat({Bytes(reply.begin() + 1, reply.end()), {0x0E}, FrameMessage(kMsgText, {'t'})}));
}

TEST_F(FaultInjection, ATextBegunAsACommandArrivesGoesAheadOfItsEcho) {
    BootWithSync();
    module.SendText("x");  // waiting, not started: the echo goes ahead of it
    faults().texts.push_back({.onlyFor = kComStop, .text = {'a', 0x86, 0x7E}});
    EXPECT_EQ(Exchange({kComQueryStatus}), Concat({{0x01}, FrameMessage(kMsgText, {'x'}), StatusReply()}));
    EXPECT_EQ(Exchange({kComStop}), Concat({FrameMessage(kMsgText, {'a', 0x86, 0x7E}), {kComStop, 0x86}}));
    EXPECT_EQ(log.Count(EventKind::MessageSent), 2u);
}

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

TEST_F(FaultInjection, EchoFaults) {
    BootWithSync();
    faults().echoes.push_back(EchoFault{kComSync, 0x01, 0, false, 1});
    EXPECT_EQ(Exchange({kComSync}), Bytes{0x0F}) << "corrupted";
    faults().echoes.push_back(EchoFault{-1, 0, 0, true, 1});
    EXPECT_EQ(Exchange({kComQueryStatus}), StatusReply()) << "dropped";
    faults().echoes.push_back(EchoFault{-1, 0, 30, false, 1});
    EXPECT_EQ(Exchange({kComQueryStatus}, 40), Concat({StatusReply(), {0x01}})) << "delayed past the reply";
}

TEST_F(FaultInjection, StartUpFaults) {
    faults().boot = BootFault::Silent;
    EXPECT_EQ(Collect(10000), Bytes{});
    EXPECT_FALSE(module.Ready());

    faults().boot = BootFault::Garbage;
    module.SetDTR(true);
    module.SetDTR(false);
    EXPECT_EQ(Collect(10000), (Bytes{0x42, 0x00, 0xFF}));

    faults().boot = BootFault::None;
    faults().endLoadByte = 0x42;
    module.SetDTR(true);
    module.SetDTR(false);
    EXPECT_EQ(Collect(300), (Bytes{0x0F, 0x42}));
}

TEST_F(FaultInjection, ReplyFaults) {
    BootWithSync();
    faults().replies.push_back({.forCode = 0x81, .badChecksum = true});
    Bytes wire = Exchange({kComQueryStatus});
    ASSERT_EQ(wire.size(), 8u);
    EXPECT_FALSE(ChecksumHolds(Bytes(wire.begin() + 1, wire.end() - 1)));
    EXPECT_EQ(Exchange({kComQueryStatus}), Concat({{0x01}, StatusReply()})) << "counted once";

    faults().replies.push_back({.replaceCode = 0x82});
    EXPECT_EQ(Exchange({kComQueryStatus}), Concat({{0x01}, Reply({0x82, 0x01, 0x00, kActivityIdle, 0x00})}));

    faults().replies.push_back({.forCode = 0x89, .dropBytes = 1});
    Bytes query{kComQueryHeap, 0, 0, 0, 2};
    EXPECT_EQ(Exchange(query), Concat({query, Reply({0x89, 0x80, 0x00, 0x00})}));

    faults().replies.push_back({.extraBytes = Bytes(5000, 0x55)});
    EXPECT_EQ(Exchange({kComQueryConfig}).size(), 1u + 8u + 5000u + 1u);

    faults().replies.push_back({.trailing = {0x00, 0x7E}});
    EXPECT_EQ(Exchange({kComQueryStatus}), Concat({{0x01}, StatusReply(), {0x00, 0x7E}}));
}

TEST_F(FaultInjection, SlowRepliesAndAcknowledgements) {
    BootWithSync();
    faults().replies.push_back({.delayMs = 100, .perByteMs = 10});
    Bytes reply = StatusReply();
    EXPECT_EQ(Exchange({kComQueryStatus}, 99), Bytes{0x01});
    EXPECT_EQ(Collect(1), Bytes{reply[0]});
    EXPECT_EQ(Collect(10), Bytes{reply[1]});
    EXPECT_EQ(Collect(60), Bytes(reply.begin() + 2, reply.end()));

    faults().acks.push_back(AckFault{0x8B, 1, true, 0});
    faults().acks.push_back(AckFault{0x84, 1, false, 300});
    EXPECT_EQ(Exchange({kComBeginLoad}), (Bytes{0x0C, 0x8C}));
    Bytes block{kComLoadBlock, 1};
    block.resize(18, 0);
    block.push_back(Checksum(block));
    EXPECT_EQ(Exchange(block, 3000), block) << "withheld";
    EXPECT_EQ(Exchange({kComRun}, 299), Bytes{0x04});
    EXPECT_EQ(Collect(1), Bytes{0x84});
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

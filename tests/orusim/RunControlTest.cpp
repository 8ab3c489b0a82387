#include "tests/orusim/ModuleFixture.h"

using namespace orusim;

namespace {
class RunControl : public ModuleFixture {
protected:
    void SetUp() override { BootWithSync(); }
};
}  // namespace

TEST_F(RunControl, RunStepAndStopAreAcknowledgedInEveryState) {
    EXPECT_EQ(Exchange({kComStop}), (Bytes{0x06, 0x86})) << "stopped";
    engine.QueueRun({ScriptItem::Input()});
    EXPECT_EQ(Exchange({kComRun}), (Bytes{0x04, 0x84, 0x11}));
    EXPECT_EQ(Exchange({kComRun}), (Bytes{0x04, 0x84})) << "already running";
    EXPECT_EQ(engine.RunsStarted(), 1);
    EXPECT_EQ(Exchange({kComStop}), (Bytes{0x06, 0x86})) << "while waiting for input";
    EXPECT_FALSE(engine.Running());
    EXPECT_EQ(Exchange({kComStep}), (Bytes{0x03, 0x83, 0x8D}));
}

TEST_F(RunControl, StepSendsWhatTheStepProducesBetweenItsTwoAcknowledgements) {
    engine.QueueStep({ScriptItem::Text("x", 10)});
    EXPECT_EQ(Exchange({kComStep}, 20), Concat({{0x03, 0x83}, FrameMessage(kMsgText, {'x'}), {0x8D}}));
}

TEST_F(RunControl, RunEndsWithTheScriptedMessages) {
    engine.QueueRun({ScriptItem::Text("a"), ScriptItem::Exception(0x0120, 0x0010, 5), ScriptItem::Text("never")});
    EXPECT_EQ(Exchange({kComRun}, 10),
              Concat({{0x04, 0x84}, FrameMessage(kMsgText, {'a'}), FrameMessage(kMsgException, {0x01, 0x20, 0x00, 0x11})}));
    EXPECT_FALSE(engine.Running());
    EXPECT_EQ(engine.Status().activity, kActivityEnded);

    engine.QueueRun({ScriptItem::Stop(), ScriptItem::End()});
    EXPECT_EQ(Exchange({kComRun}), Concat({{0x04, 0x84}, FrameMessage(kMsgStopped, {})}));
    EXPECT_EQ(engine.Status().activity, kActivityStopped);
}

TEST_F(RunControl, InputRequestsAreAnsweredWithAByteOrNone) {
    engine.QueueRun({ScriptItem::Input(), ScriptItem::Input(), ScriptItem::Input(), ScriptItem::End()});
    EXPECT_EQ(Exchange({kComRun}), (Bytes{0x04, 0x84, 0x11}));
    EXPECT_EQ(engine.Status().activity, kActivityWaitingInput);
    EXPECT_EQ(Exchange({kComInputByte, 0x7E}), (Bytes{0x12, 0x7E, 0x11})) << "the input byte is raw";
    EXPECT_EQ(Exchange({kComNoInput}), (Bytes{0x13, 0x11}));
    EXPECT_EQ(Exchange({kComInputByte, 'k'}), Concat({{0x12, 'k'}, FrameMessage(kMsgEnded, {})}));
    EXPECT_EQ(engine.InputsReceived(), (std::vector<int>{0x7E, -1, 'k'}));

    std::vector<Event> answers = log.OfKind(EventKind::InputAnswer);
    ASSERT_EQ(answers.size(), 3u);
    EXPECT_EQ(answers[1].values, std::vector<int64_t>{});
    EXPECT_EQ(answers[2].values, std::vector<int64_t>{'k'});
}

TEST_F(RunControl, InputByteSplitAcrossChunksStillPairs) {
    engine.QueueRun({ScriptItem::Input()});
    Exchange({kComRun});
    Exchange({kComInputByte});
    Exchange({kComQueryStatus});
    EXPECT_EQ(engine.InputsReceived(), std::vector<int>{kComQueryStatus}) << "the byte after 0x12 is data";
}

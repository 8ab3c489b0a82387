#include "tests/orusim/ModuleFixture.h"

using namespace orusim;

namespace {
// A 40-byte image whose header names stack base 48 and main method 0x0014.
Bytes SmallImage() {
    Bytes image(40, 0x00);
    image[0] = 0xA4;
    image[1] = 20;
    image[2] = 0x01;
    image[5] = 0x14;
    image[19] = 48;
    return image;
}

Bytes Block(uint8_t first, const Bytes& image, size_t index) {
    Bytes packet{kComLoadBlock, first};
    for (size_t i = 0; i < 16; ++i) {
        size_t at = index * 16 + i;
        packet.push_back(at < image.size() ? image[at] : 0xFF);
    }
    packet.push_back(Checksum(packet));
    return packet;
}

class ResetHandshake : public ModuleFixture {
protected:
    void Download(const Bytes& image) {
        ASSERT_EQ(Exchange({kComBeginLoad}), (Bytes{0x0C, 0x8C}));
        for (size_t i = 0; i * 16 < image.size(); ++i) {
            Bytes wire = Stuff(Block(i == 0, image, i));
            Bytes expected = wire;
            expected.push_back(0x8B);
            ASSERT_EQ(Exchange(wire), expected) << "block " << i;
        }
    }

    void PulseDTR() {
        module.SetDTR(true);
        module.SetDTR(false);
    }
};
}  // namespace

TEST_F(ResetHandshake, PowerOnWithoutSyncEndsLoadingAfterTheWindow) {
    EXPECT_EQ(Collect(49), Bytes{});
    EXPECT_EQ(Collect(1), Bytes{kComStartLoad});
    EXPECT_EQ(Collect(249), Bytes{});
    EXPECT_EQ(Collect(1), Bytes{0x51});
    EXPECT_TRUE(module.Ready());
    EXPECT_EQ(engine.RunsStarted(), 0) << "no program loaded: nothing starts";
}

TEST_F(ResetHandshake, DelayedSyncEchoArrivesAfterTheEndOfLoading) {
    Collect(50);
    module.GetFaults().echoes.push_back(EchoFault{kComSync, 0, 20, false, 1});
    EXPECT_EQ(Exchange({kComSync}, 30), (Bytes{0x51, 0x0E}));
}

TEST_F(ResetHandshake, ResetIsHeldWhileDTRIsHigh) {
    BootWithSync();
    module.SetDTR(true);
    EXPECT_EQ(Collect(500), Bytes{});
    EXPECT_FALSE(module.Ready());
    module.SetDTR(false);
    EXPECT_EQ(Collect(50), Bytes{kComStartLoad});
    ASSERT_EQ(log.OfKind(EventKind::Reset).back().name, "DTR");
}

TEST_F(ResetHandshake, DownloadedProgramStartsByItselfWithoutSyncAndStaysStoppedWithIt) {
    BootWithSync();
    Download(SmallImage());
    engine.QueueRun({ScriptItem::Text("Hi")});

    PulseDTR();
    EXPECT_EQ(Collect(300), Concat({{0x0F, 0x51}, FrameMessage(kMsgText, {'H', 'i'})}));
    EXPECT_EQ(engine.RunsStarted(), 1);
    EXPECT_EQ(engine.BootedImage().size(), 48u);

    PulseDTR();
    Collect(50);
    EXPECT_EQ(Exchange({kComSync}), (Bytes{0x0E, 0x51}));
    EXPECT_EQ(engine.RunsStarted(), 1);
    EXPECT_FALSE(engine.Running());
}

TEST_F(ResetHandshake, PresenceTestAsTheIdePerformsIt) {
    module.SetRTS(true);
    EXPECT_TRUE(module.DSR());
    module.SetRTS(false);
    EXPECT_FALSE(module.DSR());

    PulseDTR();
    ASSERT_EQ(Collect(50), Bytes{kComStartLoad});
    ASSERT_EQ(Exchange({kComSync}), (Bytes{0x0E, 0x51}));
    EXPECT_EQ(Exchange({kComSync}), Bytes{0x0E}) << "the second sync gets its echo alone";

    engine.SetProgramCounter(0x0123);
    engine.SetOpcode(0x25);
    EXPECT_EQ(Exchange({kComQueryStatus}), Concat({{0x01}, Reply({0x81, 0x24, 0x01, kActivityIdle, 0x25})}));
}

TEST_F(ResetHandshake, DownloadOfFortyBytesInThreeBlocksWithTheLastFilled) {
    BootWithSync();
    Bytes image = SmallImage();
    image[30] = 0x7E;  // stuffed on the wire
    Download(image);

    std::vector<Event> blocks = log.OfKind(EventKind::Download);
    ASSERT_EQ(blocks.size(), 3u);
    EXPECT_EQ(blocks[0].values, (std::vector<int64_t>{0, 1}));
    EXPECT_EQ(blocks[2].values, (std::vector<int64_t>{2, 0}));
    ASSERT_EQ(module.Image().size(), 48u);
    EXPECT_TRUE(std::equal(image.begin(), image.end(), module.Image().begin()));
    EXPECT_EQ(module.Image()[47], 0xFF) << "fill bytes kept as sent";

    PulseDTR();
    Collect(50);
    Exchange({kComSync});
    EXPECT_EQ(engine.Config().b, 48) << "stack base from the header";
}

TEST_F(ResetHandshake, ImageBlocksThatCannotBeStoredAreNotAcknowledged) {
    BootWithSync();
    Bytes image = SmallImage();
    Bytes orphan = Stuff(Block(0, image, 1));
    EXPECT_EQ(Exchange(orphan), orphan) << "no first block yet: echo only";

    Bytes bad = Block(1, image, 0);
    bad.back() ^= 0x01;
    Bytes wire = Stuff(bad);
    EXPECT_EQ(Exchange(wire), wire) << "bad checksum: echo only";
    ASSERT_EQ(log.Count(EventKind::Rejected), 2u);
    EXPECT_EQ(log.OfKind(EventKind::Rejected)[1].name, "checksum");
    EXPECT_TRUE(module.Image().empty());
}

#include "devicelink/LinkCodes.h"
#include "tests/devicelink/LinkTestSupport.h"

namespace {

class ReceiveDataTest : public LinkTest {
protected:
    void Feed(const Bytes& chunk) { link.ReceiveData(chunk.data(), int32_t(chunk.size()), nullptr); }
    Bytes Message() const { return Bytes(link.MessageBytes(), link.MessageBytes() + link.MessageLength()); }
};

}  // namespace

TEST_F(ReceiveDataTest, EchoesAreSkippedOnlyWhereTheChunkHasBytes)
{
    link.SetEchoCount(5);
    Feed({1, 2, 3});
    EXPECT_EQ(link.EchoCount(), 2);

    // An open message ends inside the chunk; only the two bytes after it can
    // be echoes, and the count drops by two.
    link.SetEchoCount(0);
    Feed({kComMessage, 0x03, 'H'});
    EXPECT_TRUE(link.InMessage());
    link.SetEchoCount(5);
    Feed({'i', 0x7E, 0xE1, 0xE2});
    EXPECT_FALSE(link.InMessage());
    EXPECT_EQ(Message(), (Bytes{0x03, 'H', 'i'}));
    EXPECT_EQ(link.EchoCount(), 3);

    // Echoes first, then a request that is answered.
    link.SetEchoCount(2);
    Feed({0xE1, 0xE2, kComInputRequest});
    EXPECT_EQ(port.sent, (Bytes{kComNoInput}));
    EXPECT_EQ(link.EchoCount(), 1);

    link.SetEchoCount(-1);  // a caller read an echo as data
    Feed({kComInputRequest});
    EXPECT_EQ(port.sent.size(), 2u);
    EXPECT_EQ(link.EchoCount(), 0);
}

TEST_F(ReceiveDataTest, MessagesTheModuleBeganBeforeItHeardAByteComeAheadOfTheEcho)
{
    // The no-input byte goes out while the module prints: the end of one
    // message, a whole one and the start of a third arrive before its echo.
    Feed({kComMessage, 0x03, '1'});
    link.TransmitByte(kComNoInput);
    Feed({'6', 0x7E, kComMessage, 0x03, '\n', 0x7E, kComMessage, 0x03, 's'});
    EXPECT_EQ(link.EchoCount(), 1);
    Feed({'5', 0x7E, kComNoInput, kComMessage, 0x03, '\n', 0x7E});
    EXPECT_EQ(host.texts, (std::vector<std::string>{"16", "\n", "s5", "\n"}));
    EXPECT_EQ(link.EchoCount(), 0);

    // A typed byte that is itself a message start comes back as its echo.
    link.TransmitByte(kComInputByte);
    link.TransmitByte(kComMessage);
    Feed({kComInputByte, kComMessage, kComMessage, 0x03, 'x', 0x7E});
    EXPECT_EQ(host.texts.back(), "x");
    EXPECT_EQ(link.EchoCount(), 0);
}

TEST_F(ReceiveDataTest, MessagesSpanChunksEvenBetweenAnEscapeAndItsByte)
{
    Feed({0x50, kComMessage, 0x03, 0x7D});
    Feed({0x5E, 0x7D, 0x5D, 0x7E, kComMessage, 0x05});
    EXPECT_TRUE(link.InMessage());
    Feed({0x7E});
    EXPECT_EQ(Message(), (Bytes{0x05}));
    EXPECT_FALSE(link.InMessage());
    link.SetEchoCount(0);
    Feed({kComMessage, 0x03, 0x7D});
    Feed({0x5E, 0x7E});
    EXPECT_EQ(Message(), (Bytes{0x03, 0x7E}));
}

TEST_F(ReceiveDataTest, OverlongMessagesAreCutAndStillClosed)
{
    Bytes chunk{kComMessage};
    chunk.insert(chunk.end(), TSXComm::MessageCapacity + 2, 'x');
    chunk.push_back(0x7E);
    Feed(chunk);
    EXPECT_FALSE(link.InMessage());
    EXPECT_EQ(link.MessageLength(), TSXComm::MessageCapacity);
    EXPECT_EQ(sink.lines, (std::vector<std::string>{"[Debug] Message buffer length exceeded",
                                                    "[Debug] Message buffer length exceeded",
                                                    "[Debug] Unknown message from Corvane"}));
}

TEST_F(ReceiveDataTest, LoadSignalsAreLoggedAtLevelOneAndOtherBytesIgnored)
{
    Feed({kComStartLoad, 0x53, 0x42});
    EXPECT_TRUE(sink.lines.empty());
    GlobalOptions.debugComLevel = 1;
    Feed({kComStartLoad, 0x01, 0x5F, 0x60});
    EXPECT_EQ(sink.lines, (std::vector<std::string>{"[Debug] TSXComm::Got kComStartLoad",
                                                    "[Debug] TSXComm::Got kComEndLoad"}));
    EXPECT_TRUE(port.sent.empty());
}

// The module restarted by itself: only a batch run's running program fails.
TEST_F(ReceiveDataTest, AStartByteWhileABatchRunsProgramRunsIsReportedAsARestart)
{
    const std::vector<std::string> restarted{"[ Error IDE-0057] Corvane restarted while the program was running."};
    const struct {
        bool testMode, running;
        std::vector<std::string> lines;
    } cases[] = {{true, true, restarted}, {true, false, {}}, {false, true, {}}};
    for (const auto& c : cases) {
        sink.lines.clear();
        GlobalOptions.TestMode = c.testMode;
        link.SetRunning(c.running);
        Feed({kComStartLoad, 0x51, kComMessage, 0x03, 'A', 0x7E});
        EXPECT_EQ(sink.lines, c.lines) << c.testMode << c.running;
        EXPECT_EQ(host.texts.back(), "A");
    }
}

TEST_F(ReceiveDataTest, ErrorsInsideAreReportedNotRaised)
{
    port.writeLimit = 0;
    EXPECT_NO_THROW(Feed({kComInputRequest, kComInputRequest}));
    ASSERT_EQ(sink.lines.size(), 1u);
    EXPECT_NE(sink.lines[0].find("IDE-0007"), std::string::npos) << sink.lines[0];
    EXPECT_NE(sink.lines[0].find("Error writing to the serial port (5)."), std::string::npos);
}

TEST_F(ReceiveDataTest, AnInputRequestDuringAnAcknowledgementWaitIsAnsweredAtOnce)
{
    int64_t answeredAt = -1;
    port.onSend = [&](uint8_t byte) {
        if (byte == kComNoInput) answeredAt = clock.TickCount();
    };
    port.Arrive(10, {kComInputRequest});
    port.Arrive(20, {kComRun | kAckBit});
    int64_t start = clock.TickCount();
    link.SendSimpleCommand(kComRun);
    EXPECT_EQ(port.sent, (Bytes{kComRun, kComNoInput}));
    EXPECT_EQ(answeredAt - start, 10);
    EXPECT_EQ(link.EchoCount(), 0);
}

TEST_F(ReceiveDataTest, AnAcknowledgementAheadOfTheEchoOfAnAnswerEndsTheWait)
{
    // The module asked for input just before it heard Stop: the PC answers
    // during the wait, and the acknowledgement is on its way in front of the
    // answer's echo.
    port.Arrive(10, {kComInputRequest, kComStop | kAckBit});
    EXPECT_EQ(RaisedMessage([&] { link.SendSimpleCommand(kComStop); }), "");
    EXPECT_EQ(port.sent, (Bytes{kComStop, kComNoInput}));
    ASSERT_EQ(link.EchoCount(), 1) << "the answer's echo is still to come";
    uint8_t echo = 0;
    ASSERT_TRUE(port.ReadChar(echo));
    Feed({echo});
    EXPECT_EQ(link.EchoCount(), 0);
    EXPECT_EQ(port.sent.size(), 2u);
}

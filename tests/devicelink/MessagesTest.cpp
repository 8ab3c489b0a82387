#include <cstdio>

#include "tests/devicelink/MessageTestSupport.h"

namespace {

// A status reply packet: pc + 1 low byte first, activity, opcode, checksum.
Bytes StatusReply(uint16_t pc)
{
    const uint16_t reported = uint16_t(pc + 1);
    Bytes payload{0x81, uint8_t(reported), uint8_t(reported >> 8), 1, 0x23};
    payload.push_back(TSXComm::Checksum(payload.data(), int32_t(payload.size())));
    payload.push_back(kPacketFlag);
    return payload;
}

}  // namespace

// Split messages are the receive path's own test; a message that fills the
// whole buffer still ends its text properly.
TEST_F(MessageTest, TerminalTextArrivesWholeAlsoWhenItFillsTheBuffer)
{
    Feed({kComMessage, 0x03, 'a', 0x7D});
    Feed({0x5E, 'b', 0x7E});
    Bytes longText(TSXComm::MessageCapacity - 1, 'x');
    Feed(Framed(3, longText));
    EXPECT_EQ(host.texts, (std::vector<std::string>{"a~b", std::string(longText.begin(), longText.end())}));
}

TEST_F(MessageTest, StopAndEndMessagesRefreshOnlyARunningDebugSession)
{
    for (uint8_t type : {2, 5}) {
        host.updates = 0;
        Feed(Framed(type));  // not running: nothing
        EXPECT_EQ(host.updates, 0);

        // A connect-only link: no linker, no session, no refresh.
        link.SetRunning(true);
        Feed(Framed(type));
        EXPECT_FALSE(link.IsRunning());
        EXPECT_EQ(host.updates, 0);

        CORULinker empty;
        TLinkerImage image(empty);
        InDebugSession(image);
        link.SetRunning(true);
        Feed(Framed(type), &image);
        EXPECT_FALSE(link.IsRunning());
        EXPECT_EQ(host.updates, 1);
        host.debugging = false;
    }
    EXPECT_TRUE(sink.lines.empty());

    GlobalOptions.TestMode = true;
    link.SetRunning(true);
    Feed(Framed(5));
    EXPECT_EQ(host.terminations, 1);
}

TEST_F(MessageTest, UnknownBytecodeNamesItsOpcodeWithOrWithoutALinker)
{
    const uint8_t iadd = OruByteOf(0x60);
    link.SetRunning(true);
    Feed(Framed(1, {iadd}));
    EXPECT_FALSE(link.IsRunning());
    EXPECT_EQ(host.updates, 0);
    EXPECT_EQ(sink.lines, (std::vector<std::string>{"[ Error IDE-0024] Unknown bytecode in the ORU file (iadd)."}));

    // In a session the display is refreshed first; its failure is not reported.
    sink.Clear();
    CORULinker empty;
    TLinkerImage image(empty);
    InDebugSession(image);
    host.onUpdate = [] { throw EError(ecIDE, 22); };
    Feed(Framed(1, {iadd}), &image);
    EXPECT_EQ(host.updates, 1);
    EXPECT_EQ(sink.lines, (std::vector<std::string>{"[ Error IDE-0024] Unknown bytecode in the ORU file (iadd)."}));
}

TEST_F(MessageTest, OtherTypesAreLoggedAndTheRestOfTheChunkStillHandled)
{
    Bytes chunk = Framed(9, {1, 2});
    Bytes zero = Framed(0);
    chunk.insert(chunk.end(), zero.begin(), zero.end());
    Bytes missing = Framed(4, {0x01, 0x20, 0x00, 0x11});
    chunk.insert(chunk.end(), missing.begin(), missing.end());
    chunk.push_back(kComInputRequest);
    Feed(chunk);
    EXPECT_EQ(sink.lines, (std::vector<std::string>{"[Debug] Unknown message from Corvane",
                                                    "[ Error IDE-0042] Unknown unhandled exception in JVM (288)."}));
    EXPECT_EQ(port.sent, (Bytes{kComNoInput}));
    EXPECT_EQ(host.endDebugs, 0);
}

TEST_F(MessageTest, AnUnhandledExceptionPointsAtItsLineAndEndsTheSession)
{
    BoomProgram& boom = BoomProgram::Get();
    InDebugSession(boom.Image());
    link.SetRunning(true);
    Bytes chunk = Framed(4, ExceptionBody(boom.ClassOffset(), boom.MainStart()));
    chunk.push_back(kComInputRequest);  // after the end: not handled any more
    Feed(chunk, &boom.Image());
    ASSERT_EQ(sink.lines.size(), 2u);
    EXPECT_EQ(sink.lines[0], "[Error IDE-0028] Unhandled exception in JVM: Boom");
    EXPECT_EQ(sink.lines[1], "Exception thrown in file '" + boom.SourcePath() + "' at line 3");
    ASSERT_TRUE(sink.infos[1]);
    EXPECT_EQ(sink.infos[1]->FileName, boom.SourcePath());
    EXPECT_EQ(sink.infos[1]->StartLine, 3);
    EXPECT_EQ(sink.infos[1]->EndLine, 3);
    EXPECT_EQ(sink.infos[1]->EndColumn, 100);
    EXPECT_EQ(host.endDebugs, 1);
    EXPECT_TRUE(link.SessionEnding());
    EXPECT_TRUE(port.sent.empty());
    Feed({kComInputRequest});
    EXPECT_TRUE(port.sent.empty());
}

TEST_F(MessageTest, TheBatchRunLogsTheExceptionAndEnds)
{
    BoomProgram& boom = BoomProgram::Get();
    GlobalOptions.TestMode = true;
    FILE* log = std::tmpfile();
    ASSERT_TRUE(log);
    host.testLog = log;
    Feed(Framed(4, ExceptionBody(boom.ClassOffset(), boom.MainStart())), &boom.Image());
    Feed(Framed(4, ExceptionBody(0x0120, 0x10)));  // cannot be resolved: still ends
    EXPECT_EQ(host.terminations, 2);
    EXPECT_EQ(host.endDebugs, 0);
    std::rewind(log);
    char text[200] = {};
    EXPECT_GT(std::fread(text, 1, sizeof text - 1, log), 0u);
    EXPECT_STREQ(text, "Exception: Boom\nException: Unknown unhandled exception in JVM (288).\n");
    std::fclose(log);
}

TEST_F(MessageTest, InputRequestsTakeKeysThenAnswerNone)
{
    link.QueueTerminalByte('k');
    Request();
    Request();
    Request();
    EXPECT_EQ(port.sent, (Bytes{kComInputByte, 'k', kComNoInput, kComNoInput}));

    for (int i = 0; i < TSXComm::KeyQueueCapacity; ++i) link.QueueTerminalByte(uint8_t(i));
    EXPECT_EQ(RaisedNumber([&] { link.QueueTerminalByte('!'); }), 53);
    EXPECT_EQ(link.KeyCount(), TSXComm::KeyQueueCapacity);
    port.sent.clear();
    Request();
    Request();
    EXPECT_EQ(port.sent, (Bytes{kComInputByte, 0, kComInputByte, 1}));
}

TEST_F(MessageTest, AFileSendEndsWithTwoNoInputBytes)
{
    FILE* file = std::tmpfile();
    ASSERT_TRUE(file);
    std::fputs("ab", file);
    std::rewind(file);
    host.onSendFileFinished = [&] {
        std::fclose(file);
        file = nullptr;
        link.TransmitByte(kComNoInput);
    };
    link.SetSendFile(&file);
    for (int i = 0; i < 4; ++i) Request();
    EXPECT_EQ(port.sent, (Bytes{kComInputByte, 'a', kComInputByte, 'b', kComNoInput, kComNoInput, kComNoInput}));
    EXPECT_EQ(host.sendsFinished, 1);

    // Keys go ahead of the file.
    FILE* second = std::tmpfile();
    std::fputs("z", second);
    std::rewind(second);
    link.SetSendFile(&second);
    link.QueueTerminalByte('k');
    port.sent.clear();
    Request();
    Request();
    EXPECT_EQ(port.sent, (Bytes{kComInputByte, 'k', kComInputByte, 'z'}));

    // The terminal stopped the send and closed its file: the module still
    // gets an answer, and the link forgets the file.
    std::fclose(second);
    second = nullptr;
    port.sent.clear();
    Request();
    Request();
    EXPECT_EQ(port.sent, (Bytes{kComNoInput, kComNoInput}));
    EXPECT_EQ(host.sendsFinished, 1);
}

// What module messages do while a command waits for its acknowledgement.
TEST_F(LinkTest, ARefreshAskedForDuringAnExchangeRunsAfterIt)
{
    CORULinker empty;
    TLinkerImage image(empty);
    host.debugging = true;
    host.image = &image;
    link.SetRunning(true);
    port.onSend = [&](uint8_t byte) {
        if (byte == kComBeginLoad) port.Arrive(1, {kComBeginLoad | kAckBit});
        if (byte == 0xF6) {  // the end of the breakpoint list
            port.Arrive(5, Framed(2));
            port.Arrive(5, Framed(1, {0}));
            port.Arrive(10, {kComBreakpoints | kAckBit});
        }
        if (byte == kComQueryStatus) port.Arrive(1, StatusReply(4));
    };
    bool runningAtRefresh = true;
    Bytes sentAtRefresh;
    int32_t pc = 0, activity = 0;
    uint8_t bytecode = 0;
    host.onUpdate = [&] {
        runningAtRefresh = link.IsRunning();
        sentAtRefresh = port.sent;
        link.QueryStatus(pc, activity, bytecode);
    };

    EXPECT_NO_THROW(link.DownloadBreakpoints(nullptr, 0, 0));
    // The stop took effect at once; both refreshes and the report followed
    // the acknowledgement, in the order the messages came.
    EXPECT_FALSE(runningAtRefresh);
    EXPECT_EQ(host.updates, 2);
    EXPECT_EQ(sentAtRefresh, (Bytes{kComBeginLoad, 0x0A, 0x00, 0xF6, kComQueryStatus}));
    EXPECT_EQ(pc, 4);
    EXPECT_EQ(port.sent, (Bytes{kComBeginLoad, 0x0A, 0x00, 0xF6, kComQueryStatus, kComQueryStatus}));
    EXPECT_EQ(sink.lines, (std::vector<std::string>{"[ Error IDE-0024] Unknown bytecode in the ORU file (nop)."}));
    EXPECT_EQ(link.EchoCount(), 0);
}

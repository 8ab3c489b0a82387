// Commands and faults given on orusim's command line and standard input.
#include <gtest/gtest.h>

#include "tools/orusim/CliCommands.h"

using namespace orusim;

TEST(OrusimFaults, EchoAckAndReplyFaultsParseAsTheTestsBuildThem) {
    std::string error;
    auto options = ParseCliArguments({"--port-dir", "/p", "--com", "1", "--fault", "echo corrupt 40 for e count 2",
                                      "--fault", "ack withhold for 83 count always", "--fault",
                                      "reply for 81 delay 5 badsum flood 2000 7e 41"},
                                     error);
    ASSERT_TRUE(options) << error;
    Faults faults;
    for (const CliFault& fault : options->faults) AddFault(faults, fault);
    ASSERT_EQ(faults.echoes.size(), 1u);
    EXPECT_EQ(faults.echoes[0].xorMask, 0x40);
    EXPECT_EQ(faults.echoes[0].onlyFor, 0x0E);
    EXPECT_EQ(faults.echoes[0].count, 2);
    ASSERT_EQ(faults.acks.size(), 1u);
    EXPECT_TRUE(faults.acks[0].withhold);
    EXPECT_EQ(faults.acks[0].forAck, 0x83);
    EXPECT_EQ(faults.acks[0].count, -1);
    ASSERT_EQ(faults.replies.size(), 1u);
    EXPECT_EQ(faults.replies[0].forCode, 0x81);
    EXPECT_EQ(faults.replies[0].delayMs, 5);
    EXPECT_TRUE(faults.replies[0].badChecksum);
    EXPECT_EQ(faults.replies[0].floodMs, 2000);
    EXPECT_EQ(faults.replies[0].flood, (std::vector<uint8_t>{0x7E, 0x41}));

    auto drop = ParseCliCommand("fault echo drop", error);
    ASSERT_TRUE(drop) << error;
    EXPECT_EQ(drop->kind, CliCommand::Kind::Fault);
    EXPECT_TRUE(drop->fault.echo->drop);
    auto late = ParseCliCommand("fault ack delay 300", error);
    ASSERT_TRUE(late) << error;
    EXPECT_FALSE(late->fault.ack->withhold);
    EXPECT_EQ(late->fault.ack->delayMs, 300);
    auto text = ParseCliCommand("fault text 61 86 62 for 6 count always", error);
    ASSERT_TRUE(text) << error;
    EXPECT_EQ(text->fault.text->text, (std::vector<uint8_t>{'a', 0x86, 'b'}));
    EXPECT_EQ(text->fault.text->onlyFor, 0x06);
    EXPECT_EQ(text->fault.text->count, -1);
}

TEST(OrusimCommands, EachCommandAndTheRefusedOnes) {
    std::string error;
    using Kind = CliCommand::Kind;
    for (const auto& [line, kind] : std::vector<std::pair<const char*, Kind>>{
             {"", Kind::Empty}, {"quit", Kind::Quit}, {"power off", Kind::PowerOff}, {" power on ", Kind::PowerOn},
             {"unplug", Kind::Unplug}, {"input", Kind::Input}, {"text", Kind::Text}}) {
        auto command = ParseCliCommand(line, error);
        ASSERT_TRUE(command) << line << ": " << error;
        EXPECT_EQ(command->kind, kind) << line;
    }
    EXPECT_EQ(ParseCliCommand("text  two  blanks", error)->text, " two  blanks");
    EXPECT_EQ(ParseCliCommand("input", error)->count, 1);
    EXPECT_EQ(ParseCliCommand("input 5", error)->count, 5);
    auto message = ParseCliCommand("message 4 01 20 0 11", error);
    ASSERT_TRUE(message);
    EXPECT_EQ(message->type, 4);
    EXPECT_EQ(message->body, (std::vector<uint8_t>{0x01, 0x20, 0x00, 0x11}));
    auto flood = ParseCliCommand("flood 1500 7e 41", error);
    ASSERT_TRUE(flood) << error;
    EXPECT_EQ(flood->kind, Kind::Flood);
    EXPECT_EQ(flood->count, 1500);
    EXPECT_EQ(flood->body, (std::vector<uint8_t>{0x7E, 0x41}));
    auto garbage = ParseCliCommand("garbage 05 ff", error);
    ASSERT_TRUE(garbage) << error;
    EXPECT_EQ(garbage->kind, Kind::Garbage);
    EXPECT_EQ(garbage->body, (std::vector<uint8_t>{0x05, 0xFF}));

    for (const char* bad : {"fault", "fault echo", "fault echo corrupt", "fault echo drop count 0", "fault ack",
                            "fault reply flood 10", "fault reply for 1ff", "fault text", "fault text for 6",
                            "fault text 61 x", "fault wire cut", "flood 10", "flood x 7e", "garbage", "garbage 100",
                            "unplug now", "power up", "message 256", "message 3 1ff", "message 3 zz", "input 0",
                            "quit now", "reset"}) {
        error.clear();
        EXPECT_FALSE(ParseCliCommand(bad, error)) << bad;
        EXPECT_FALSE(error.empty()) << bad;
    }
    EXPECT_FALSE(ParseCliArguments({"--port-dir", "/p", "--com", "1", "--fault", "echo"}, error));
    EXPECT_EQ(error.rfind("--fault: ", 0), 0u) << error;
}

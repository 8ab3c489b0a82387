#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The command line and the standard-input commands of the orusim program.
namespace orusim {

struct CliOptions {
    std::string portDir;
    int com = 0;
    bool paced = false;
    bool vm = false;  // run the downloaded image instead of answering as scripted
};

// nullopt with a reason in error for anything but
// "--port-dir DIR --com N [--paced] [--vm]" (N from 1 to 255).
std::optional<CliOptions> ParseCliArguments(const std::vector<std::string>& args, std::string& error);

std::string CliUsage();

struct CliCommand {
    enum class Kind { Empty, PowerOn, PowerOff, Text, Message, Input, Quit };
    Kind kind = Kind::Empty;
    std::string text;           // Text
    uint8_t type = 0;           // Message
    std::vector<uint8_t> body;  // Message
    int count = 1;              // Input
};

// One line of standard input:
//   power on | power off
//   text <the text>                 a terminal-text message
//   message <type> [<hex byte> ...] a message of any type
//   input [<count>]                 input requests (default 1)
//   quit
// nullopt with a reason in error when the line is none of these.
std::optional<CliCommand> ParseCliCommand(const std::string& line, std::string& error);

}  // namespace orusim

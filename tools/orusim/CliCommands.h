#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tools/orusim/Faults.h"

// The command line and the standard-input commands of the orusim program.
namespace orusim {

// One fault for the module, as "--fault SPEC" and the input's "fault SPEC"
// give it (hex bytes without prefix; count: a number or "always"):
//   echo drop | echo corrupt <mask> | echo delay <ms>   [for <byte>] [count <n>]
//   ack withhold | ack delay <ms>                       [for <ack>] [count <n>]
//   reply [for <code>] [count <n>] [delay <ms>] [perbyte <ms>] [badsum]
//         [code <code>] [drop <n>] [flood <ms> <byte> ...]
//   text <byte> ...                                     [for <byte>] [count <n>]
struct CliFault {
    std::optional<EchoFault> echo;
    std::optional<AckFault> ack;
    std::optional<ReplyFault> reply;
    std::optional<TextFault> text;
};

std::optional<CliFault> ParseCliFault(const std::vector<std::string>& words, std::string& error);
void AddFault(Faults& faults, const CliFault& fault);

struct CliOptions {
    std::string portDir;
    int com = 0;
    bool paced = false;
    bool vm = false;  // run the downloaded image instead of answering as scripted
    std::vector<CliFault> faults;
};

// nullopt with a reason in error for anything but
// "--port-dir DIR --com N [--paced] [--vm] [--fault SPEC ...]" (N from 1 to 255).
std::optional<CliOptions> ParseCliArguments(const std::vector<std::string>& args, std::string& error);

std::string CliUsage();

struct CliCommand {
    enum class Kind { Empty, PowerOn, PowerOff, Text, Message, Input, Fault, Garbage, Flood, Unplug, Quit };
    Kind kind = Kind::Empty;
    std::string text;           // Text
    uint8_t type = 0;           // Message
    std::vector<uint8_t> body;  // Message, Garbage, Flood
    int count = 1;              // Input; Flood: milliseconds
    CliFault fault;             // Fault
};

// One line of standard input:
//   power on | power off
//   text <the text>                 a terminal-text message
//   message <type> [<hex byte> ...] a message of any type
//   input [<count>]                 input requests (default 1)
//   fault <spec>                    a fault, as --fault gives it
//   garbage <hex byte> ...          bytes outside any frame
//   flood <ms> <hex byte> ...       the bytes again and again for ms
//   unplug                          the port goes away (a module powered by its lead)
//   quit
// nullopt with a reason in error when the line is none of these.
std::optional<CliCommand> ParseCliCommand(const std::string& line, std::string& error);

}  // namespace orusim

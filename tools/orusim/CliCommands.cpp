#include "tools/orusim/CliCommands.h"

#include <sstream>

namespace orusim {

namespace {
// A whole number within [low, high], or nullopt.
std::optional<long> ParseNumber(const std::string& text, int base, long low, long high) {
    if (text.empty()) return std::nullopt;
    size_t used = 0;
    long value = 0;
    try {
        value = std::stol(text, &used, base);
    } catch (...) {
        return std::nullopt;
    }
    if (used != text.size() || value < low || value > high) return std::nullopt;
    return value;
}

std::vector<std::string> Words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

template <class Parsed>
std::optional<Parsed> Fail(std::string& error, std::string reason) {
    error = std::move(reason);
    return std::nullopt;
}
}  // namespace

std::string CliUsage() { return "usage: orusim --port-dir DIR --com N [--paced] [--vm]"; }

std::optional<CliOptions> ParseCliArguments(const std::vector<std::string>& args, std::string& error) {
    CliOptions options;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        bool hasValue = i + 1 < args.size();
        if (a == "--paced") {
            options.paced = true;
        } else if (a == "--vm") {
            options.vm = true;
        } else if (a == "--port-dir" && hasValue) {
            options.portDir = args[++i];
        } else if (a == "--com" && hasValue) {
            auto n = ParseNumber(args[++i], 10, 1, 255);
            if (!n) return Fail<CliOptions>(error, "--com wants a port number from 1 to 255");
            options.com = static_cast<int>(*n);
        } else {
            return Fail<CliOptions>(error, "unexpected argument: " + a);
        }
    }
    if (options.portDir.empty() || options.com == 0) return Fail<CliOptions>(error, "--port-dir and --com are required");
    return options;
}

std::optional<CliCommand> ParseCliCommand(const std::string& line, std::string& error) {
    std::vector<std::string> words = Words(line);
    CliCommand command;
    if (words.empty()) return command;
    const std::string& verb = words[0];
    if (verb == "quit" && words.size() == 1) {
        command.kind = CliCommand::Kind::Quit;
    } else if (verb == "power" && words.size() == 2 && (words[1] == "on" || words[1] == "off")) {
        command.kind = words[1] == "on" ? CliCommand::Kind::PowerOn : CliCommand::Kind::PowerOff;
    } else if (verb == "text") {
        command.kind = CliCommand::Kind::Text;
        size_t at = line.find("text") + 4;
        if (at < line.size() && line[at] == ' ') ++at;
        command.text = line.substr(at);
    } else if (verb == "message" && words.size() >= 2) {
        auto type = ParseNumber(words[1], 10, 0, 255);
        if (!type) return Fail<CliCommand>(error, "message type must be 0 to 255");
        command.kind = CliCommand::Kind::Message;
        command.type = static_cast<uint8_t>(*type);
        for (size_t i = 2; i < words.size(); ++i) {
            auto b = ParseNumber(words[i], 16, 0, 255);
            if (!b) return Fail<CliCommand>(error, "not a hex byte: " + words[i]);
            command.body.push_back(static_cast<uint8_t>(*b));
        }
    } else if (verb == "input" && words.size() <= 2) {
        command.kind = CliCommand::Kind::Input;
        if (words.size() == 2) {
            auto n = ParseNumber(words[1], 10, 1, 10000);
            if (!n) return Fail<CliCommand>(error, "input count must be 1 to 10000");
            command.count = static_cast<int>(*n);
        }
    } else {
        return Fail<CliCommand>(error, "unknown command: " + line);
    }
    return command;
}

}  // namespace orusim

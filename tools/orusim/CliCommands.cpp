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

// Reads hex bytes from words[at] on; nullopt on a word that is none.
std::optional<std::vector<uint8_t>> HexBytes(const std::vector<std::string>& words, size_t at, std::string& error) {
    std::vector<uint8_t> bytes;
    for (size_t i = at; i < words.size(); ++i) {
        auto b = ParseNumber(words[i], 16, 0, 255);
        if (!b) return Fail<std::vector<uint8_t>>(error, "not a hex byte: " + words[i]);
        bytes.push_back(static_cast<uint8_t>(*b));
    }
    return bytes;
}

// The words of a fault after its kind, one option at a time.
class FaultWords {
public:
    FaultWords(const std::vector<std::string>& words, size_t start, std::string& error)
        : words_(words), error_(error), at_(start) {}

    bool More() const { return at_ < words_.size(); }
    const std::string& Next() { return words_[at_++]; }
    size_t At() const { return at_; }
    const std::vector<std::string>& Words() const { return words_; }
    void SkipRest() { at_ = words_.size(); }
    bool Number(int base, long low, long high, long& value) {
        std::optional<long> n = More() ? ParseNumber(words_[at_], base, low, high) : std::nullopt;
        if (!n) {
            error_ = "bad value after " + words_[at_ - 1];
            return false;
        }
        ++at_;
        value = *n;
        return true;
    }
    bool Count(int& count) {
        if (More() && words_[at_] == "always") {
            ++at_;
            count = -1;
            return true;
        }
        long n = 0;
        if (!Number(10, 1, 1000000, n)) return false;
        count = static_cast<int>(n);
        return true;
    }

private:
    const std::vector<std::string>& words_;
    std::string& error_;
    size_t at_;
};

constexpr long kMaxMs = 3600000;

// The options common to echo, ack and text faults: for <byte>, count <n>.
template <class Fault>
bool CommonOptions(FaultWords& in, int& match, Fault& fault, std::string& error) {
    while (in.More()) {
        const std::string& word = in.Next();
        long value = 0;
        if (word == "for" && in.Number(16, 0, 255, value)) {
            match = static_cast<int>(value);
        } else if (word == "count" && in.Count(fault.count)) {
        } else {
            if (error.empty()) error = "unexpected in fault: " + word;
            return false;
        }
    }
    return true;
}

std::optional<EchoFault> ParseEchoFault(const std::vector<std::string>& words, std::string& error) {
    EchoFault fault;
    FaultWords in(words, 2, error);
    long value = 0;
    const std::string how = words.size() > 1 ? words[1] : "";
    if (how == "drop") {
        fault.drop = true;
    } else if (how == "corrupt" && in.Number(16, 1, 255, value)) {
        fault.xorMask = static_cast<uint8_t>(value);
    } else if (how == "delay" && in.Number(10, 0, kMaxMs, value)) {
        fault.delayMs = static_cast<int>(value);
    } else {
        return Fail<EchoFault>(error, error.empty() ? "echo wants drop, corrupt <mask> or delay <ms>" : error);
    }
    if (!CommonOptions(in, fault.onlyFor, fault, error)) return std::nullopt;
    return fault;
}

std::optional<AckFault> ParseAckFault(const std::vector<std::string>& words, std::string& error) {
    AckFault fault;
    FaultWords in(words, 2, error);
    long value = 0;
    const std::string how = words.size() > 1 ? words[1] : "";
    if (how == "delay" && in.Number(10, 0, kMaxMs, value)) {
        fault.withhold = false;
        fault.delayMs = static_cast<int>(value);
    } else if (how != "withhold") {
        return Fail<AckFault>(error, error.empty() ? "ack wants withhold or delay <ms>" : error);
    }
    if (!CommonOptions(in, fault.forAck, fault, error)) return std::nullopt;
    return fault;
}

bool ReplyOption(const std::string& word, FaultWords& in, ReplyFault& fault, std::string& error) {
    long value = 0;
    if (word == "badsum") {
        fault.badChecksum = true;
        return true;
    }
    if (word == "count") return in.Count(fault.count);
    if (word == "flood") {
        if (!in.Number(10, 1, kMaxMs, value)) return false;
        fault.floodMs = static_cast<int>(value);
        auto bytes = HexBytes(in.Words(), in.At(), error);
        if (!bytes || bytes->empty()) return false;
        fault.flood = *bytes;
        in.SkipRest();
        return true;
    }
    // for and code take a hex byte; the rest milliseconds or a count.
    const bool byteValue = word == "for" || word == "code";
    if (!in.Number(byteValue ? 16 : 10, 0, byteValue ? 255 : kMaxMs, value)) return false;
    if (word == "for") fault.forCode = static_cast<int>(value);
    else if (word == "code") fault.replaceCode = static_cast<int>(value);
    else if (word == "delay") fault.delayMs = static_cast<int>(value);
    else if (word == "perbyte") fault.perByteMs = static_cast<int>(value);
    else if (word == "drop") fault.dropBytes = static_cast<size_t>(value);
    else return false;
    return true;
}

std::optional<ReplyFault> ParseReplyFault(const std::vector<std::string>& words, std::string& error) {
    ReplyFault fault;
    FaultWords in(words, 1, error);
    while (in.More()) {
        const std::string& word = in.Next();
        if (!ReplyOption(word, in, fault, error))
            return Fail<ReplyFault>(error, error.empty() ? "unexpected in reply fault: " + word : error);
    }
    return fault;
}

// The text's hex bytes, then the common options.
std::optional<TextFault> ParseTextFault(const std::vector<std::string>& words, std::string& error) {
    TextFault fault;
    size_t at = 1;
    for (; at < words.size(); ++at) {
        auto byte = ParseNumber(words[at], 16, 0, 255);
        if (!byte) break;
        fault.text.push_back(static_cast<uint8_t>(*byte));
    }
    if (fault.text.empty()) return Fail<TextFault>(error, "text wants hex bytes");
    FaultWords in(words, at, error);
    if (!CommonOptions(in, fault.onlyFor, fault, error)) return std::nullopt;
    return fault;
}

}  // namespace

std::optional<CliFault> ParseCliFault(const std::vector<std::string>& words, std::string& error) {
    CliFault fault;
    const std::string kind = words.empty() ? "" : words[0];
    if (kind == "echo") fault.echo = ParseEchoFault(words, error);
    else if (kind == "ack") fault.ack = ParseAckFault(words, error);
    else if (kind == "reply") fault.reply = ParseReplyFault(words, error);
    else if (kind == "text") fault.text = ParseTextFault(words, error);
    else return Fail<CliFault>(error, "a fault is echo, ack, reply or text");
    if (!fault.echo && !fault.ack && !fault.reply && !fault.text) return std::nullopt;
    return fault;
}

void AddFault(Faults& faults, const CliFault& fault) {
    if (fault.echo) faults.echoes.push_back(*fault.echo);
    if (fault.ack) faults.acks.push_back(*fault.ack);
    if (fault.reply) faults.replies.push_back(*fault.reply);
    if (fault.text) faults.texts.push_back(*fault.text);
}

std::string CliUsage() { return "usage: orusim --port-dir DIR --com N [--paced] [--vm] [--fault SPEC ...]"; }

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
        } else if (a == "--fault" && hasValue) {
            auto fault = ParseCliFault(Words(args[++i]), error);
            if (!fault) return Fail<CliOptions>(error, "--fault: " + error);
            options.faults.push_back(*fault);
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
        auto body = HexBytes(words, 2, error);
        if (!body) return std::nullopt;
        command.kind = CliCommand::Kind::Message;
        command.type = static_cast<uint8_t>(*type);
        command.body = *body;
    } else if (verb == "input" && words.size() <= 2) {
        command.kind = CliCommand::Kind::Input;
        if (words.size() == 2) {
            auto n = ParseNumber(words[1], 10, 1, 10000);
            if (!n) return Fail<CliCommand>(error, "input count must be 1 to 10000");
            command.count = static_cast<int>(*n);
        }
    } else if (verb == "fault" && words.size() >= 2) {
        auto fault = ParseCliFault(std::vector<std::string>(words.begin() + 1, words.end()), error);
        if (!fault) return std::nullopt;
        command.kind = CliCommand::Kind::Fault;
        command.fault = *fault;
    } else if ((verb == "garbage" && words.size() >= 2) || (verb == "flood" && words.size() >= 3)) {
        const bool flood = verb == "flood";
        if (flood) {
            auto ms = ParseNumber(words[1], 10, 1, kMaxMs);
            if (!ms) return Fail<CliCommand>(error, "flood wants milliseconds, then hex bytes");
            command.count = static_cast<int>(*ms);
        }
        auto bytes = HexBytes(words, flood ? 2 : 1, error);
        if (!bytes) return std::nullopt;
        command.kind = flood ? CliCommand::Kind::Flood : CliCommand::Kind::Garbage;
        command.body = *bytes;
    } else if (verb == "unplug" && words.size() == 1) {
        command.kind = CliCommand::Kind::Unplug;
    } else {
        return Fail<CliCommand>(error, "unknown command: " + line);
    }
    return command;
}

}  // namespace orusim

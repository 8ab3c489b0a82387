#include "tools/orusim/CommandParser.h"

#include "tools/orusim/Wire.h"

namespace orusim {

namespace {
bool IsSimpleCommand(uint8_t b) {
    switch (b) {
    case kComQueryStatus:
    case kComStep:
    case kComRun:
    case kComStop:
    case kComQueryStack:
    case kComQueryConfig:
    case kComBeginLoad:
    case kComSync:
        return true;
    default:
        return false;
    }
}

bool StartsPacket(uint8_t b) { return b == kComQueryHeap || b == kComBreakpoints || b == kComLoadBlock; }
}  // namespace

size_t CommandParser::ExpectedLength() const {
    switch (packet_[0]) {
    case kComQueryHeap: return 5;
    case kComLoadBlock: return 19;
    default: return packet_.size() < 2 ? 0 : 2u * packet_[1] + 3;  // breakpoint list
    }
}

std::optional<PcCommand> CommandParser::Feed(uint8_t byte, int64_t now) {
    lastByteAt_ = now;
    switch (state_) {
    case State::Packet:
        return FeedPacket(byte);
    case State::InputByte:
        state_ = State::Idle;
        return PcCommand{PcCommand::Kind::InputByte, kComInputByte, {byte}};
    case State::Idle:
        break;
    }
    if (IsSimpleCommand(byte)) return PcCommand{PcCommand::Kind::Simple, byte, {}};
    if (byte == kComNoInput) return PcCommand{PcCommand::Kind::NoInput, byte, {}};
    if (byte == kComInputByte) {
        state_ = State::InputByte;
        return std::nullopt;
    }
    if (StartsPacket(byte)) {
        state_ = State::Packet;
        packet_.assign(1, byte);
        escape_ = false;
        return std::nullopt;
    }
    return PcCommand{PcCommand::Kind::Stray, byte, {}};
}

std::optional<PcCommand> CommandParser::FeedPacket(uint8_t byte) {
    if (byte == kPacketEscape && !escape_) {
        escape_ = true;
        return std::nullopt;
    }
    packet_.push_back(escape_ ? static_cast<uint8_t>(byte ^ 0x20) : byte);
    escape_ = false;
    size_t expected = ExpectedLength();
    if (expected == 0 || packet_.size() < expected) return std::nullopt;
    state_ = State::Idle;
    PcCommand command{PcCommand::Kind::Packet, packet_[0], std::move(packet_)};
    packet_.clear();
    return command;
}

std::optional<PcCommand> CommandParser::Expire(int64_t now) {
    if (state_ == State::Idle || now - lastByteAt_ < kPacketTimeoutMs) return std::nullopt;
    PcCommand command{PcCommand::Kind::Expired, packet_.empty() ? kComInputByte : packet_[0], packet_};
    Reset();
    return command;
}

int64_t CommandParser::Deadline() const {
    return state_ == State::Idle ? -1 : lastByteAt_ + kPacketTimeoutMs;
}

void CommandParser::Reset() {
    state_ = State::Idle;
    packet_.clear();
    escape_ = false;
}

}  // namespace orusim
